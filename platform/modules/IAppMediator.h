#pragma once
// The application as module libraries, plug-ins and the in-process modules reach it: its
// identity and folders, the log and the additional log buffer, messages to the user, progress,
// the data providers and the set of all data series, the instrument of the active window, the
// modules, and the application's images. The log, message, progress and provider-time
// operations may be called from any thread; the others belong to the main thread.
//
// The operations keep the order in which the system lists them; the operations on the main
// frame and its windows join in their places when the main frame is built.

#include <QString>

#include <cstdint>
#include <exception>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

class Asset;
class CmdTarget;
class ConsumerBase;
class DSProp;
class IAlertArgumentSource;
class IAlertModule;
class IGlobalSettings;
class ISessionStatisticsModule;
class ProviderBase;
class QPixmap;

class IAppMediator
{
public:
    virtual ~IAppMediator() = default;

    // 1 in this edition.
    virtual int GetProductKind() = 0;
    // "4.2.210.1".
    virtual QString GetAppVersionNumber() = 0;
    // The provider of that name (ignoring case) while it runs; null otherwise.
    virtual ProviderBase* GetRunningProvider(const QString& name) = 0;
    // Appends every loaded provider in load order; answers the default one (null when none).
    virtual ProviderBase* GetProviders(std::vector<ProviderBase*>& providers) = 0;
    // "Quorvanta 4".
    virtual QString GetProductName() = 0;

    // Writes the additional log buffer to its file; false when it could not.
    virtual bool SaveAdditionalLogBuffer() = 0;
    virtual void AddToAdditionalLog(const QString& module, const QString& where, int line, const QString& text) = 0;
    // module is the caller's name, where its class and operation ("SimFeed::Step").
    virtual void WriteInfo(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteWarning(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteError(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteErrorEx(const QString& module, const QString& where, int line, const std::exception& error) = 0;

    // A message popup; off the main thread the message waits until the main thread shows it.
    virtual void ShowInfo(const QString& caption, const QString& text) = 0;
    virtual void ShowWarning(const QString& caption, const QString& text) = 0;
    virtual void ShowError(const QString& caption, const QString& text) = 0;
    // A modal message box answering the button pressed; -1 off the main thread (nothing shown).
    virtual int ShowMessageBox(const QString& caption, const QString& text, unsigned flags) = 0;

    // Rebuilds the set of all data series from the standard series and the providers' own,
    // and hands it to the module libraries.
    virtual void InitSetAllSeries() = 0;
    virtual void SetAllSeries(const std::set<DSProp>& allSeries) = 0;
    // Appends every loaded provider's name in load order.
    virtual void GetProvidersNames(std::vector<QString>& names) = 0;

    // The user's application-data folder of the product with the sub-folder, created when missing.
    virtual QString GetAppDataFolder(const QString& subFolder) = 0;
    virtual QString GetUserDocumentsFolder() = 0;

    // Null while the module is not there.
    virtual IAlertModule* GetAlertsInterface() = 0;
    virtual IAlertArgumentSource* GetAlertArgumentSourceByName(const QString& moduleName) = 0;
    virtual ISessionStatisticsModule* GetSessionStatisticsInterface() = 0;
    virtual IGlobalSettings* GetGlobalSettingsObject() = 0;
    virtual ProviderBase* GetDefaultProvider() = 0;
    // The command target of the consumer's windows; null when it has none or is unknown.
    virtual CmdTarget* GetConsumerById(const ConsumerBase* consumer) = 0;

    // The instrument of the active window, kept only while tracking is on and only when it names
    // an instrument of a provider.
    virtual void SetActiveAsset(const std::shared_ptr<Asset>& asset) = 0;
    // Empty when none is kept.
    virtual std::shared_ptr<Asset> GetActiveAsset() = 0;
    virtual void ResetActiveAsset() = 0;
    // The kept instrument while the main frame has an active module window; else an empty one.
    virtual Asset GetActiveAssetForActiveWindow() = 0;
    virtual void SuspendActiveAssetTracking() = 0;
    virtual void ResumeActiveAssetTracking() = 0;

    virtual std::thread::id GetMainThreadId() const = 0;

    // Progress on the status bar: operations announced, then operations finished (they add up).
    virtual void AddOperationsToDoToProgress(unsigned count) = 0;
    virtual void SetOperationsDidToProgress(unsigned count) = 0;
    // The provider's last quote time changed; shown when it is the application's time source.
    virtual void ShowLastQuoteTime(ProviderBase* provider) = 0;
    // "InstallSettings".
    virtual QString GetInstallSettingsName() = 0;

    // The application's images by index; false, and the pixmap untouched, for an index outside
    // the operation's table.
    virtual bool LoadIndexedPngImage(int index, QPixmap& image) = 0;
    virtual bool LoadTogglePngImageA(int index, QPixmap& image) = 0;
    virtual bool LoadIndexedPngImageOf4(int index, QPixmap& image) = 0;
    virtual bool LoadTogglePngImageB(int index, QPixmap& image) = 0;

    // Values passed on to the default provider; nothing without one.
    virtual void ForwardToDefaultProvider1(std::int64_t value) = 0;
    virtual void ForwardToDefaultProvider2(std::int64_t value) = 0;
    // The user and code that crash reports carry from now on.
    virtual void SetupCrashReporting(const QString& user, const QString& code) = 0;
    // Removes one local alert by its id.
    virtual void RemoveAlert(const QString& alertId) = 0;
    virtual void SetCloudServerNewIp(std::string address) = 0;
    virtual bool IsNotProductKind4() = 0;
};
