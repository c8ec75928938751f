#pragma once
// The settings that belong to no module, the general-settings group "Globals" (id 0,
// "Ogólne"): the list and CSV separators, the highlight time of a changed cell, the DDE
// reference format, the provider whose quote time the status bar shows, the default data
// provider, the application style, the position of the workspace tabs, the update
// program's proxy and the stored data version. The module libraries read it through
// IGlobalSettings.
//
// Making it runs the data-version updater and then reads the current node. The proxy
// settings are also written to "UpdaterProxySettings.ini" in the user's data folder for the
// external update program.
// Threads: the IGlobalSettings values and the time-source provider may be read from any
// thread; everything else belongs to the main thread.

#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "platform/modules/IGlobalSettings.h"

#include <QString>

#include <atomic>

class GeneralSettingsParametersContainer;
class IGlobalSettingsHost;
class ProviderBase;

class GlobalSettingsQ4Classic : public IGlobalSettings, public GeneralSettingsGroupManagerBase
{
public:
    static constexpr unsigned kGroupId = 0;
    static constexpr const char* kEditionFolderName = "Quorvanta 4";
    static constexpr const char* kDefaultTimeSourceProvider = "Kelvora OnLine";
    static constexpr const char* kUpdaterProxyIniName = "UpdaterProxySettings.ini";
    // The proxy settings with the updater's own notes fit in far less: a larger file is junk,
    // which every read would go through.
    static constexpr qint64 kMaxUpdaterProxyIniBytes = 1024 * 1024;

    explicit GlobalSettingsQ4Classic(IGlobalSettingsHost& host);
    ~GlobalSettingsQ4Classic() override;

    // IGlobalSettings
    int GetGlobalInteger() const override { return m_globalInteger; }
    QChar GetValuesListSeparator() const override { return QChar(m_valuesListSeparator.load()); }
    QChar GetValuesListSeparatorCSV() const override { return QChar(m_valuesListSeparatorCSV.load()); }
    int GetCellValueChangeHighlightTime() const override { return m_cellValueChangeHighlightTime; }
    int GetDDEConsumerFormat() const override { return m_ddeConsumerFormat; }

    // GeneralSettingsGroupManagerBase
    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override;
    // Writes the node, takes its values and applies them to the application.
    bool SaveGroup(std::shared_ptr<Settings> node) override;
    unsigned GetGroupId() const override { return kGroupId; }
    QString GetSettingsFilePath(bool current) const override;
    QString GetGroupName() const override { return QStringLiteral("Globals"); }

    // The "UpdaterProxy" container's parameters, as one parameter appended to the container.
    void BuildUpdaterProxyParameters(GeneralSettingsParametersContainer& container, Settings& proxyNode);
    // Writes the proxy node to the update program's INI file (section "Proxy"); nothing for an
    // invalid node, and the file is left as it is when it already holds the same settings. The
    // first change of a file the user had keeps a copy of it ("<name>.bak"); a file larger than
    // kMaxUpdaterProxyIniBytes is moved aside and written anew. False (logged) when the file
    // could not be written.
    bool WriteUpdaterProxyIni(const Settings& proxyNode);

    // Takes the node's values; a missing key reads as 0 or empty text.
    void ReadValues(const Settings& node);
    // After a save: the ribbon theme, the workspace tabs, the time source, the consumers.
    void ApplyAfterSave();
    // The running provider named by the time-source setting ("Kelvora OnLine" when empty)
    // becomes the one whose quote time is shown; the previous one is told first.
    void ApplyTimeSourceProvider();

    // Each stores the text and saves it in the current file at once; false when the save failed.
    bool SetDefaultProviderName(const QString& name);
    bool SetApplicationStyle(const QString& name);

    QString GetDefaultProviderName() const { return m_defaultProviderName; }
    QString GetApplicationStyleName() const { return m_applicationStyleName; }
    // The toolkit's code: 0 top, 1 left, 2 bottom, 3 right.
    unsigned GetPulpitTabPosition() const { return m_pulpitTabPosition; }
    QString GetTimeSourceProviderName() const { return m_timeSourceProviderName; }
    ProviderBase* GetTimeSourceProvider() const { return m_timeSourceProvider.load(); }

    // In the user's data folder, which the user can write.
    static QString UpdaterProxyIniPath();
    // Where earlier runs kept it: beside the executable.
    static QString OldUpdaterProxyIniPath();

private:
    // The first time the user's file is missing, an old file's settings become its content.
    static void TakeOverOldUpdaterProxyIni();
    // False (logged) when a file too large could not be moved aside.
    static bool RefuseOversizedUpdaterProxyIni();

    bool StoreAtOnce(const QString& key, const QString& value);

    IGlobalSettingsHost& m_host;
    QString m_defaultProviderName;
    std::atomic<int> m_globalInteger = 0;
    unsigned m_pulpitTabPosition = 1;
    std::atomic<char16_t> m_valuesListSeparator = u',';
    std::atomic<char16_t> m_valuesListSeparatorCSV = u',';
    std::atomic<int> m_cellValueChangeHighlightTime = 1000;
    QString m_applicationStyleName;
    std::atomic<int> m_ddeConsumerFormat = kDDELabelTicker;
    QString m_timeSourceProviderName;
    // Providers live for the whole run; the global settings go before them.
    std::atomic<ProviderBase*> m_timeSourceProvider = nullptr;
};

// The user's "current_globals.xml".
QString GetCurrentGlobalsFilePath();
