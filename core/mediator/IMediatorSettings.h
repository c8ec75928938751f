#pragma once
// What the application mediator needs of the general settings manager and the global settings:
// making and releasing the global settings, registering a general-settings group, and the
// global values that choose the default provider and the provider whose quote time is shown.
// Main thread only, except IsTimeSourceProvider, which any thread may ask.

#include <QString>

#include <memory>

class GeneralSettingsGroupManagerBase;
class GeneralSettingsManager;
class IGlobalSettings;
class ProviderBase;

class IMediatorSettings
{
public:
    virtual ~IMediatorSettings() = default;

    // Makes the global settings through the edition factory, which checks the data version;
    // false when they cannot be made.
    virtual bool CreateGlobalSettings() = 0;
    // Destroys the global settings; the mediator does it before anything else of its own.
    virtual void ReleaseGlobalSettings() = 0;
    // Null before they are made and after they are released.
    virtual IGlobalSettings* GetGlobalSettingsObject() = 0;

    // Adds one of the program's own groups to the general settings manager; it takes its id
    // from a module library's group, while a second group of the program under an id is dropped.
    virtual void AddGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) = 0;
    // Adds a module library's group; refused (logged) when its id is taken.
    virtual void AddLibraryGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) = 0;
    // The global settings' own group (id 0); empty without global settings.
    virtual std::shared_ptr<GeneralSettingsGroupManagerBase> GetGlobalSettingsGroup() = 0;
    // The local alerts' group (id 10) while the program runs without the alert module, which
    // otherwise brings its own; empty when there is none.
    virtual std::shared_ptr<GeneralSettingsGroupManagerBase> GetLocalAlertsGroup() = 0;
    // Every registered group, as the general settings dialog walks them.
    virtual GeneralSettingsManager& GetGeneralSettingsManager() = 0;

    virtual QString GetDefaultProviderName() = 0;
    virtual void SetDefaultProviderName(const QString& name) = 0;
    // Tells the providers which of them is the time source.
    virtual void ApplyTimeSourceProvider() = 0;
    virtual bool IsTimeSourceProvider(const ProviderBase* provider) = 0;
};
