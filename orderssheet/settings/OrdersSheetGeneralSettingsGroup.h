#pragma once
// The orders sheet's general-settings group (id 3, "Arkusz zleceń"): the sheet template, a
// window file whose settings new sheet windows start from. Files "current_Default.q4sOS" and
// "base_Default.q4sOS" of the folder "Arkusz zlecen", root "OrdersSheetObject"; the template
// itself is kept under "DefaultObject". Made by the orders-sheet module. Main thread only.

#include "core/settings/GeneralSettingsGroupMangerWithDefaultObject.h"

#include <memory>

class IGenericModule;

class OrdersSheetGeneralSettingsGroup : public GeneralSettingsGroupMangerWithDefaultObject
{
public:
    static constexpr unsigned kGroupId = 3;
    static const QString kGroupName;
    static const QString kTemplatePathKey;

    // A null owner raises InvalidArgException.
    explicit OrdersSheetGeneralSettingsGroup(IGenericModule* owner);

    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override;
    unsigned GetGroupId() const override { return kGroupId; }
    QString GetSettingsFilePath(bool current) const override;
    QString GetGroupName() const override { return kGroupName; }

    // The template node ("DefaultObject" when it has "General", else the current node itself
    // when it has one); empty when neither does. A current file without "DefaultObject" first
    // takes the factory's and is written back.
    std::shared_ptr<const Settings> GetTemplate() const;

protected:
    bool LoadDefaultObject(Settings& tree, const QString& path, QString* errorText) override;

private:
    IGenericModule* m_owner;
};
