#include "core/settings/GlobalSettingsQ4Classic.h"

#include "core/settings/DataVersionUpdater.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsNodes.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/IGlobalSettingsHost.h"
#include "core/settings/SettingsFolders.h"
#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/FileBackup.h"
#include "platform/base/IniFile.h"
#include "platform/base/Log.h"
#include "platform/base/SimpleCrypt.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsAdditionalInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>

using namespace GeneralSettingsNodes;

namespace
{
const QString kPulpitTab = QStringLiteral("PulpitTab");
const QString kValuesListSeparator = QStringLiteral("ValuesListSeparator");
const QString kValuesListSeparatorCSV = QStringLiteral("ValuesListSeparatorCSV");
const QString kDefaultProviderName = QStringLiteral("DefaultProviderName");
const QString kApplicationStyle = QStringLiteral("ApplicationStyle");
const QString kCellValueChangHighlightTime = QStringLiteral("CellValueChangHighlightTime");
const QString kDDEConsumerFormat = QStringLiteral("DDEConsumerFormat");
const QString kTimeSourceProvider = QStringLiteral("TimeSourceProvider");
const QString kUpdaterProxy = QStringLiteral("UpdaterProxy");
const QString kEnableProxy = QStringLiteral("EnableProxy");
const QString kAddress = QStringLiteral("Address");
const QString kPort = QStringLiteral("Port");
const QString kAuth = QStringLiteral("Auth");
const QString kUser = QStringLiteral("User");
const QString kCryptedPassword = QStringLiteral("CryptedPassword");

const QString kProxySection = QStringLiteral("Proxy");
const QString kCurrentGlobalsFileName = QStringLiteral("current_globals.xml");

struct SeparatorChoice
{
    const char* caption;
    char16_t character;
};
// The stored value is the index.
constexpr std::array<SeparatorChoice, 4> kSeparators{{
    {"Przecinek", u','},
    {"Średnik", u';'},
    {"Spacja", u' '},
    {"Tabulacja", u'\t'},
}};

QString ModuleName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}

void ReadSeparator(const Settings& node, std::atomic<char16_t>& separator)
{
    // Any other value leaves the separator as it was.
    const std::uint32_t index = node.ToUInt();
    if (index < kSeparators.size())
        separator = kSeparators[index].character;
}

void DescribeSeparator(Settings& node, const QString& caption)
{
    Describe(node, caption, VariableOptionList);
    ClearOptions(node);
    for (std::uint32_t index = 0; index < kSeparators.size(); ++index)
        AddOption(node, QString::fromUtf8(kSeparators[index].caption), index);
    SelectCurrentOptionByNumber(node);
}

struct ProxyIniValues
{
    QString useProxyServer;
    QString ip;
    QString port;
    QString authentication;
    QString user;
    QString password;  // in clear; enciphered only in the file
};

ProxyIniValues ProxyValuesOf(const Settings& proxyNode)
{
    ProxyIniValues values;
    const bool enabled = proxyNode[kEnableProxy].ToUInt() != 0;
    const bool authentication = enabled && proxyNode[kAuth].ToUInt() != 0;
    const std::uint32_t port = proxyNode[kPort].ToUInt();
    values.useProxyServer = enabled ? QStringLiteral("1") : QStringLiteral("0");
    values.ip = enabled ? proxyNode[kAddress].ToString() : QString();
    values.port = enabled && port != 0 ? QString::number(port) : QString();
    values.authentication = authentication ? QStringLiteral("1") : QStringLiteral("0");
    values.user = authentication ? proxyNode[kUser].ToString() : QString();
    values.password = authentication ? Settings::DecryptValue(proxyNode[kCryptedPassword].ToString()) : QString();
    return values;
}

// The file's settings equal the wanted ones; the password is compared in clear, since every
// enciphering gives another text.
bool IniHolds(const IniFile& ini, const ProxyIniValues& wanted)
{
    auto read = [&ini](const char* key) { return ini.ReadString(kProxySection, QString::fromLatin1(key)); };
    if (read("UseProxyServer") != wanted.useProxyServer || read("IP") != wanted.ip || read("Port") != wanted.port ||
        read("Authentication") != wanted.authentication || read("User") != wanted.user)
        return false;
    const QString stored = read("Pass");
    if (wanted.password.isEmpty())
        return stored.isEmpty();
    const std::optional<QString> storedPlain = SimpleCrypt::Decrypt(stored);
    return storedPlain && *storedPlain == wanted.password;
}
}

GlobalSettingsQ4Classic::GlobalSettingsQ4Classic(IGlobalSettingsHost& host) : m_host(host)
{
    if (std::shared_ptr<DataVersionUpdater> updater = m_host.GetDataVersionUpdater())
        updater->Run(*this);
    ReadValues(std::as_const(*LoadCurrentSettingsNode()));
    m_globalInteger = 32;
}

GlobalSettingsQ4Classic::~GlobalSettingsQ4Classic() = default;

QString GlobalSettingsQ4Classic::GetSettingsFilePath(bool current) const
{
    return GenerateSettingsFilePath(current, QString::fromUtf8(kEditionFolderName), kCurrentGlobalsFileName,
                                    QStringLiteral("base_globals.xml"));
}

void GlobalSettingsQ4Classic::BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent)
{
    std::shared_ptr<Settings> node = LoadParametersNode(fromCurrent);
    Describe(*node, QStringLiteral("Ogólne"), VariableContainer);
    target.SetSettingsSourceNode(node);

    Settings& separator = (*node)[kValuesListSeparator];
    DescribeSeparator(separator, QStringLiteral("Separator listy"));
    target.AttachParameter(separator);

    Settings& separatorCSV = (*node)[kValuesListSeparatorCSV];
    DescribeSeparator(separatorCSV, QStringLiteral("Separator CSV"));
    target.AttachParameter(separatorCSV);

    Settings& highlight = Describe((*node)[kCellValueChangHighlightTime], QStringLiteral("Czas podświetlenia"),
                                   VariableLimitedNumber);
    highlight.AdditionalInfo(std::make_shared<Settings::NumericNodeAdditionlInfo>(1, 60, true));
    target.AttachParameter(highlight);

    Settings& dde = Describe((*node)[kDDEConsumerFormat], QStringLiteral("DDE - format"), VariableOptionList);
    ClearOptions(dde);
    AddOption(dde, QStringLiteral("=Kelvora|etykieta!ticker"), static_cast<std::uint32_t>(kDDELabelTicker));
    AddOption(dde, QStringLiteral("=Kelvora|ticker!etykieta"), static_cast<std::uint32_t>(kDDETickerLabel));
    SelectCurrentOptionByNumber(dde);
    target.AttachParameter(dde);

    Settings& timeSource = Describe((*node)[kTimeSourceProvider], QStringLiteral("Czas źródła"), VariableOptionList);
    ClearOptions(timeSource);
    for (const QString& name : m_host.GetProvidersNames())
        AddOption(timeSource, name, name);
    SelectCurrentOptionByText(timeSource);
    target.AttachParameter(timeSource);

    BuildUpdaterProxyParameters(target, (*node)[kUpdaterProxy]);
}

void GlobalSettingsQ4Classic::BuildUpdaterProxyParameters(GeneralSettingsParametersContainer& container,
                                                          Settings& proxyNode)
{
    Describe(proxyNode, QStringLiteral("Serwer aktualizacji"), VariableContainer);
    const auto checkBox = std::make_shared<Settings::BooleanNodeAdditionlInfo>(true);
    Describe(proxyNode[kEnableProxy], QStringLiteral("Używaj serwera proxy"), VariableBool).AdditionalInfo(checkBox);
    Describe(proxyNode[kAddress], QStringLiteral("Adres"), VariableText);
    Describe(proxyNode[kPort], QStringLiteral("Port"), VariableNumber);
    Describe(proxyNode[kAuth], QStringLiteral("Uwierzytelnianie"), VariableBool).AdditionalInfo(checkBox);
    Describe(proxyNode[kUser], QStringLiteral("Użytkownik"), VariableText);
    Describe(proxyNode[kCryptedPassword], QStringLiteral("Hasło"), VariablePassword);

    auto parameter = std::make_shared<GeneralSettingsParameter>(proxyNode);
    for (const QString& key : {kEnableProxy, kAddress, kPort, kAuth, kUser, kCryptedPassword})
        parameter->AddSubParameter(key);
    container.AttachParameter(parameter);
}

bool GlobalSettingsQ4Classic::SaveGroup(std::shared_ptr<Settings> node)
{
    if (!node)
        return false;
    const bool saved = GeneralSettingsGroupManagerBase::SaveGroup(node);
    // The user's choice applies to this run even when the file could not be written.
    ReadValues(std::as_const(*node));
    ApplyAfterSave();
    return saved;
}

void GlobalSettingsQ4Classic::ReadValues(const Settings& node)
{
    m_pulpitTabPosition = node[kPulpitTab].ToUInt();
    ReadSeparator(node[kValuesListSeparator], m_valuesListSeparator);
    ReadSeparator(node[kValuesListSeparatorCSV], m_valuesListSeparatorCSV);
    m_defaultProviderName = node[kDefaultProviderName].ToString();

    const QString style = node[kApplicationStyle].ToString();
    qsizetype spaces = 0;
    while (spaces < style.size() && style[spaces] == QLatin1Char(' '))
        ++spaces;
    m_applicationStyleName = style.mid(spaces);
    if (spaces > 0)
        SetApplicationStyle(m_applicationStyleName);

    // Seconds in the file; a value too great for milliseconds is held at the greatest.
    const std::int64_t milliseconds = static_cast<std::int64_t>(node[kCellValueChangHighlightTime].ToUInt()) * 1000;
    m_cellValueChangeHighlightTime =
        static_cast<int>(std::min<std::int64_t>(milliseconds, std::numeric_limits<int>::max()));
    m_ddeConsumerFormat = static_cast<int>(node[kDDEConsumerFormat].ToUInt());
    m_timeSourceProviderName = node[kTimeSourceProvider].ToString();

    WriteUpdaterProxyIni(node[kUpdaterProxy]);
}

bool GlobalSettingsQ4Classic::WriteUpdaterProxyIni(const Settings& proxyNode)
{
    if (!proxyNode.IsValid())
        return true;
    const ProxyIniValues values = ProxyValuesOf(proxyNode);
    TakeOverOldUpdaterProxyIni();
    if (!RefuseOversizedUpdaterProxyIni())
        return false;
    IniFile ini(UpdaterProxyIniPath());
    if (IniHolds(ini, values))
        return true;
    // One copy of what the user had before the program first changed it; later changes are the
    // program's own.
    QString backup;
    if (QFileInfo(ini.Path()).size() > 0 && !QFileInfo::exists(ini.Path() + QStringLiteral(".bak")) &&
        FileBackup::KeepCopy(ini.Path(), backup))
        Log::WriteInfo(QStringLiteral("Kopię pliku %1 zachowano jako \"%2\" przed zmianą ustawień proxy.").arg(ini.Path(), backup),
                       ModuleName(), QStringLiteral("GlobalSettingsQ4Classic::WriteUpdaterProxyIni"), __LINE__);

    QString password;
    if (!values.password.isEmpty())
        password = Settings::CryptValue(values.password);
    const QList<std::pair<QString, QString>> entries{
        {QStringLiteral("UseProxyServer"), values.useProxyServer},
        {QStringLiteral("IP"), values.ip},
        {QStringLiteral("Port"), values.port},
        {QStringLiteral("Authentication"), values.authentication},
        {QStringLiteral("User"), values.user},
        {QStringLiteral("Pass"), password},
    };
    if (!ini.WriteStrings(kProxySection, entries))
    {
        Log::WriteWarning(QStringLiteral("Nie można zapisać ustawień proxy aktualizacji w pliku %1.").arg(ini.Path()),
                          ModuleName(), QStringLiteral("GlobalSettingsQ4Classic::WriteUpdaterProxyIni"), __LINE__);
        return false;
    }
    return true;
}

void GlobalSettingsQ4Classic::ApplyAfterSave()
{
    m_host.ApplyRibbonTheme();
    m_host.SetPulpitTabPosition(m_pulpitTabPosition);
    ApplyTimeSourceProvider();
    m_host.NotifyGlobalSettingsChanged();
}

void GlobalSettingsQ4Classic::ApplyTimeSourceProvider()
{
    if (ProviderBase* previous = m_timeSourceProvider.load())
        previous->NotifyLastTimeChanged(false);
    if (m_timeSourceProviderName.isEmpty())
        m_timeSourceProviderName = QString::fromUtf8(kDefaultTimeSourceProvider);
    ProviderBase* provider = m_host.GetRunningProvider(m_timeSourceProviderName);
    m_timeSourceProvider = provider;
    m_host.ClearStatusBarInfoText();
    if (provider)
        provider->NotifyLastTimeChanged(true);
}

bool GlobalSettingsQ4Classic::SetDefaultProviderName(const QString& name)
{
    m_defaultProviderName = name;
    return StoreAtOnce(kDefaultProviderName, name);
}

bool GlobalSettingsQ4Classic::SetApplicationStyle(const QString& name)
{
    m_applicationStyleName = name;
    return StoreAtOnce(kApplicationStyle, name);
}

bool GlobalSettingsQ4Classic::StoreAtOnce(const QString& key, const QString& value)
{
    std::shared_ptr<Settings> node = LoadCurrentSettingsNode();
    // The program sets its provider and style on every start: a value the file holds already is not
    // written again.
    if (node->Exists(key) && (*node)[key].ToString() == value && QFileInfo::exists(GetSettingsFilePath(true)))
        return true;
    (*node)[key] = value;
    return SaveCurrentSettingsNode(*node);
}

QString GlobalSettingsQ4Classic::UpdaterProxyIniPath()
{
    return QDir(AppPaths::AppDataFolder()).filePath(QString::fromUtf8(kUpdaterProxyIniName));
}

QString GlobalSettingsQ4Classic::OldUpdaterProxyIniPath()
{
    return QDir(AppPaths::ExecutableFolder()).filePath(QString::fromUtf8(kUpdaterProxyIniName));
}

void GlobalSettingsQ4Classic::TakeOverOldUpdaterProxyIni()
{
    const QString path = UpdaterProxyIniPath();
    const QString old = OldUpdaterProxyIniPath();
    if (QFileInfo::exists(path) || !QFileInfo::exists(old))
        return;
    QFile file(old);
    QString reason;
    if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else if (AtomicFile::Write(path, file.readAll(), &reason))
    {
        Log::WriteInfo(QStringLiteral("Ustawienia proxy aktualizacji przeniesiono z pliku %1 do %2.").arg(old, path),
                       ModuleName(), QStringLiteral("GlobalSettingsQ4Classic::TakeOverOldUpdaterProxyIni"), __LINE__);
        return;
    }
    Log::WriteWarning(QStringLiteral("Nie można przenieść ustawień proxy aktualizacji z pliku %1: %2").arg(old, reason),
                      ModuleName(), QStringLiteral("GlobalSettingsQ4Classic::TakeOverOldUpdaterProxyIni"), __LINE__);
}

bool GlobalSettingsQ4Classic::RefuseOversizedUpdaterProxyIni()
{
    const QString path = UpdaterProxyIniPath();
    const qint64 size = QFileInfo(path).size();
    if (size <= kMaxUpdaterProxyIniBytes)
        return true;
    QString backup;
    if (!FileBackup::MoveAside(path, backup))
        return false;
    Log::WriteWarning(QStringLiteral("Plik %1 ma %2 bajtów, więcej, niż mogą zająć ustawienia proxy; odsunięto go jako "
                                     "\"%3\" i zapisano od nowa.")
                          .arg(path)
                          .arg(size)
                          .arg(backup),
                      ModuleName(), QStringLiteral("GlobalSettingsQ4Classic::WriteUpdaterProxyIni"), __LINE__);
    return true;
}

QString GetCurrentGlobalsFilePath()
{
    return SettingsFolders::AppDataFile(QString::fromUtf8(GlobalSettingsQ4Classic::kEditionFolderName),
                                        kCurrentGlobalsFileName);
}
