#pragma once
// The general settings of the standard edition as the application mediator reaches them: the
// general settings manager with every group of the run, the global settings made by the
// edition factory (which runs the data-version updater first), and the local alerts' group
// while the program runs without the alert module. The general settings dialog finds the
// groups here.
//
// Main thread, except IsTimeSourceProvider: providers ask it from their own threads, between
// the making of the global settings (before any provider loads) and their release (after every
// provider stopped).

#include "core/mediator/IMediatorSettings.h"
#include "core/settings/GeneralSettingsManager.h"

#include <memory>

class GlobalSettingsQ4Classic;
class Quorvanta4FactoryBase;

class MediatorSettingsQ4Classic : public IMediatorSettings
{
public:
    explicit MediatorSettingsQ4Classic(std::shared_ptr<Quorvanta4FactoryBase> factory);
    ~MediatorSettingsQ4Classic() override;

    // False (logged) when the factory makes no global settings of this edition.
    bool CreateGlobalSettings() override;
    void ReleaseGlobalSettings() override;
    IGlobalSettings* GetGlobalSettingsObject() override;
    void AddGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) override;
    void AddLibraryGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) override;
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGlobalSettingsGroup() override;
    // Made on the first call, with no owner to tell after a save.
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetLocalAlertsGroup() override;
    // Empty without global settings.
    QString GetDefaultProviderName() override;
    // Stored in the global settings and saved at once; a failed save is in the log.
    void SetDefaultProviderName(const QString& name) override;
    void ApplyTimeSourceProvider() override;
    bool IsTimeSourceProvider(const ProviderBase* provider) override;

    // Null before the global settings are made and after they are released.
    GlobalSettingsQ4Classic* GetGlobalSettings() const { return m_globals.get(); }
    const GeneralSettingsManager& GetGeneralSettingsManager() const { return m_manager; }
    GeneralSettingsManager& GetGeneralSettingsManager() override { return m_manager; }

private:
    const std::shared_ptr<Quorvanta4FactoryBase> m_factory;
    GeneralSettingsManager m_manager;
    std::shared_ptr<GlobalSettingsQ4Classic> m_globals;
    std::shared_ptr<GeneralSettingsGroupManagerBase> m_localAlertsGroup;
};
