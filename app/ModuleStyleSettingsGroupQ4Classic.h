#pragma once
// The general-settings group of a module library whose windows open in a display style the user
// chose with "Zapisz w ustawieniach" (details, offers, transaction lists): it keeps that style's id
// in the library's own settings file, so the choice lasts between runs. The library's consumer
// holds the group; the style editors reach it through the consumer. The group has no parameters
// of its own to show in the general settings dialog. Main thread only.

#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "styles/engine/StyleType.h"

#include <QString>

#include <memory>

class StyleBase;

class ModuleStyleSettingsGroupQ4Classic : public GeneralSettingsGroupManagerBase
{
public:
    // folder: the library's settings folder; extension: the ending of its default files.
    ModuleStyleSettingsGroupQ4Classic(unsigned groupId, StyleType styleKind, QString folder, QString extension);

    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override;
    // Keeps the style's id as the library's default (the kind is the library's own); an id of no
    // stored style is refused and logged.
    void OnStyleChanged(int styleKind, int styleId) override;
    int GetPanelPlacement() const override { return kHidden; }
    unsigned GetGroupId() const override { return m_groupId; }
    QString GetSettingsFilePath(bool current) const override;
    QString GetGroupName() const override { return QStringLiteral("ModuleStyleSettings"); }

    // The style new windows open with: the kept one while the styles container still has it, else
    // the first stored style of the kind, else null (the kind's own default then).
    std::shared_ptr<StyleBase> DefaultStyle() const;
    int GetDefaultStyleId() const;

private:
    static constexpr int kHidden = -1;

    unsigned m_groupId;
    StyleType m_styleKind;
    QString m_folder;
    QString m_extension;
};
