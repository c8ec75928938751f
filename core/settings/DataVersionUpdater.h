#pragma once
// Notices at start-up that the program runs over data written by another version: it then
// repairs the module libraries' default window templates, records the program's version as
// the data version of the global settings, and keeps a flag that the rest of the program
// reads (what is new, a provider's one-time settings upgrade). Data without a stored
// version counts as an installation, not as an update.

#include <QString>

#include <memory>
#include <vector>

class GeneralSettingsGroupManagerBase;
class IDataUpdateForVersionBase;
class Settings;

class DataVersionUpdater
{
public:
    static constexpr const char* kDataVersionKey = "DataVersion";
    // The data version of data that stores none.
    static constexpr const char* kUnversionedDataVersion = "4.1.58.0";
    static constexpr const char* kOnLineProviderName = "Kelvora OnLine";
    static constexpr const char* kOnLineClusterKey = "IPCluster2";
    // The quotation cluster of the deployment; the built-in feed runs on this machine.
    static constexpr const char* kOnLineClusterAddress = "127.0.0.1";

    DataVersionUpdater();
    virtual ~DataVersionUpdater();
    DataVersionUpdater(const DataVersionUpdater&) = delete;
    DataVersionUpdater& operator=(const DataVersionUpdater&) = delete;

    // Once per run, from the global settings' constructor, before they read their node. The
    // data version is compared with the program's ("4.2.210.1") as normalised texts.
    void Run(const GeneralSettingsGroupManagerBase& globalSettings);
    bool IsVersionChanged() const { return m_versionChanged; }

    // The provider-settings upgrades offered to the provider libraries after a version change.
    virtual bool UpdateProviderSettings(Settings& providerSettings, const QString& providerName);
    // For "Kelvora OnLine": writes the cluster address under "IPCluster2"; false (and no
    // change) for any other provider.
    virtual bool UpdateOnLineProviderSettings(Settings& providerSettings, const QString& providerName);

private:
    bool m_versionChanged = false;
    std::vector<std::shared_ptr<IDataUpdateForVersionBase>> m_steps;
};
