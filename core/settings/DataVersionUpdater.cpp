#include "core/settings/DataVersionUpdater.h"

#include "core/settings/ActualizeWndsTemplates.h"
#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "platform/base/AppVersionNumber.h"
#include "platform/settings/Settings.h"

#include <utility>

DataVersionUpdater::DataVersionUpdater() = default;

DataVersionUpdater::~DataVersionUpdater() = default;

void DataVersionUpdater::Run(const GeneralSettingsGroupManagerBase& globalSettings)
{
    std::shared_ptr<Settings> node = globalSettings.LoadCurrentSettingsNode();
    const QString key = QString::fromUtf8(kDataVersionKey);
    const QString unversioned = NormalizeVersionString(QString::fromUtf8(kUnversionedDataVersion));
    const QString storedVersion =
        std::as_const(*node).Exists(key) ? NormalizeVersionString(std::as_const(*node)[key].ToString()) : unversioned;
    const QString programVersion = GetAppVersionString();
    if (storedVersion == programVersion)
        return;
    if (storedVersion != unversioned)
        m_versionChanged = true;

    m_steps.push_back(std::make_shared<ActualizeWndsTemplates>());
    for (const auto& step : m_steps)
        step->Update();

    // A failed save keeps the old data version, so the repair runs again at the next start.
    (*node)[key] = programVersion;
    globalSettings.SaveCurrentSettingsNode(*node);
}

bool DataVersionUpdater::UpdateProviderSettings(Settings& providerSettings, const QString& providerName)
{
    return false;
}

bool DataVersionUpdater::UpdateOnLineProviderSettings(Settings& providerSettings, const QString& providerName)
{
    if (providerName != QString::fromUtf8(kOnLineProviderName))
        return false;
    providerSettings[QString::fromUtf8(kOnLineClusterKey)] = QString::fromUtf8(kOnLineClusterAddress);
    return true;
}
