#pragma once
// The settings store of one owner (a data provider, the application styles): trees by
// name (case-sensitive), each in "<name>.settings.xml" under the owner's folder; the
// user's copy wins over the read-only default copy, and saving writes the user's copy.

#include "platform/settings/ISettingsManager.h"

#include <QString>

#include <map>
#include <memory>

class SettingsManager : public ISettingsManager
{
public:
    static inline const QString kRootName = QStringLiteral("Settings");
    static inline const QString kStylesName = QStringLiteral("Styles");

    explicit SettingsManager(const QString& name);

    bool Load(const QString& name) override;
    bool Save(const std::optional<QString>& name) override;
    std::shared_ptr<Settings> GetSettings(const QString& name, bool load) override;
    std::shared_ptr<Settings> FindSettings(const QString& name) override;
    QString GetName() const override { return m_name; }

    // Puts a new tree under "Styles" (replacing the old one) and loads it; the tree when
    // the load succeeded, else empty (the empty tree stays in the store).
    std::shared_ptr<Settings> CreateStylesSettings();

private:
    std::shared_ptr<Settings>& Entry(const QString& name);
    bool SaveTree(const QString& name, const Settings& tree) const;

    QString m_name;
    std::map<QString, std::shared_ptr<Settings>> m_trees;
};
