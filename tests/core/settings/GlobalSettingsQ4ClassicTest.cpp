#include "RecordingGlobalSettingsHost.h"
#include "SettingsFixture.h"

#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/base/AppPaths.h"
#include "platform/base/IniFile.h"
#include "platform/base/SimpleCrypt.h"
#include "platform/settings/SettingsAdditionalInfo.h"
#include "platform/settings/SettingsOptionList.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace
{
class GlobalSettingsQ4ClassicTest : public SettingsFixture
{
protected:
    static inline const QString kRoot = QStringLiteral("Globals");

    QString Current() const { return UserFile(QStringLiteral("Quorvanta 4"), QStringLiteral("current_globals.xml")); }
    QString Base() const { return FactoryFile(QStringLiteral("Quorvanta 4"), QStringLiteral("base_globals.xml")); }
    Settings StoredCurrent() const { return ReadNode(Current(), kRoot).value_or(Settings()); }
    std::unique_ptr<GlobalSettingsQ4Classic> Make() { return std::make_unique<GlobalSettingsQ4Classic>(host); }
    // Made over a current file holding the node.
    std::unique_ptr<GlobalSettingsQ4Classic> MakeOver(const Settings& stored)
    {
        WriteNode(Current(), stored, kRoot);
        return Make();
    }
    std::unique_ptr<GlobalSettingsQ4Classic> MakeWithTimeSource(const QString& name)
    {
        Settings stored;
        stored["TimeSourceProvider"] = name;
        return MakeOver(stored);
    }
    QString Ini(const char* key) const
    {
        return IniFile(GlobalSettingsQ4Classic::UpdaterProxyIniPath()).ReadString(QStringLiteral("Proxy"),
                                                                                  QString::fromLatin1(key));
    }
    static Settings ProxyNode(bool enabled, bool auth, unsigned port)
    {
        Settings proxy;
        proxy["EnableProxy"] = enabled;
        proxy["Address"] = QStringLiteral("10.1.2.3");
        proxy["Port"] = port;
        proxy["Auth"] = auth;
        proxy["User"] = QStringLiteral("jan");
        proxy["CryptedPassword"] = Settings::CryptValue(QStringLiteral("tajne hasło"));
        return proxy;
    }

    RecordingGlobalSettingsHost host;
};
}

TEST_F(GlobalSettingsQ4ClassicTest, ShippedFactoryFileGivesTheDefaults)
{
    InstallShippedFactoryFile(QStringLiteral("Quorvanta 4"), QStringLiteral("base_globals.xml"));
    auto globals = Make();
    EXPECT_EQ(globals->GetGlobalInteger(), 32);
    EXPECT_EQ(globals->GetValuesListSeparator(), QLatin1Char(','));
    EXPECT_EQ(globals->GetValuesListSeparatorCSV(), QLatin1Char(','));
    EXPECT_EQ(globals->GetCellValueChangeHighlightTime(), 1000);
    EXPECT_EQ(globals->GetDDEConsumerFormat(), 1);
    EXPECT_EQ(globals->GetPulpitTabPosition(), 0u);
    EXPECT_EQ(globals->GetTimeSourceProviderName(), QStringLiteral("Kelvora OnLine"));
    EXPECT_EQ(Ini("UseProxyServer"), QStringLiteral("0"));
}

TEST_F(GlobalSettingsQ4ClassicTest, MissingKeysReadAsZero)
{
    auto globals = Make();
    EXPECT_EQ(globals->GetGlobalInteger(), 32);
    EXPECT_EQ(globals->GetValuesListSeparator(), QLatin1Char(','));
    EXPECT_EQ(globals->GetCellValueChangeHighlightTime(), 0);
    EXPECT_EQ(globals->GetDDEConsumerFormat(), 0);
    EXPECT_EQ(globals->GetPulpitTabPosition(), 0u);
    EXPECT_FALSE(QFileInfo::exists(GlobalSettingsQ4Classic::UpdaterProxyIniPath())) << "no proxy node, no file";
}

TEST_F(GlobalSettingsQ4ClassicTest, SeparatorsFollowTheStoredIndex)
{
    struct Case
    {
        unsigned stored;
        QChar expected;
    };
    auto globals = Make();
    // 7 is no choice: the separator stays what it was (';' from the case before).
    for (const Case& c : {Case{0, u','}, Case{3, u'\t'}, Case{2, u' '}, Case{1, u';'}, Case{7, u';'}})
    {
        Settings node;
        node["ValuesListSeparator"] = c.stored;
        node["ValuesListSeparatorCSV"] = c.stored;
        globals->ReadValues(node);
        EXPECT_EQ(globals->GetValuesListSeparator(), c.expected) << c.stored;
        EXPECT_EQ(globals->GetValuesListSeparatorCSV(), c.expected) << c.stored;
    }
}

TEST_F(GlobalSettingsQ4ClassicTest, HighlightTimeIsStoredInSeconds)
{
    auto globals = Make();
    for (const auto& [stored, milliseconds] :
         {std::pair{QStringLiteral("2"), 2000}, std::pair{QStringLiteral("60"), 60000},
          std::pair{QStringLiteral("4000000"), std::numeric_limits<int>::max()}})
    {
        Settings node;
        node["CellValueChangHighlightTime"] = stored;
        globals->ReadValues(node);
        EXPECT_EQ(globals->GetCellValueChangeHighlightTime(), milliseconds) << stored.toStdString();
    }
}

TEST_F(GlobalSettingsQ4ClassicTest, ApplicationStyleLosesLeadingSpacesInTheFileToo)
{
    Settings stored;
    stored["ApplicationStyle"] = QStringLiteral("  Czarny");
    stored["DefaultProviderName"] = QStringLiteral("Kelvora OnLine");
    WriteNode(Current(), stored, kRoot);

    auto globals = Make();
    EXPECT_EQ(globals->GetApplicationStyleName(), QStringLiteral("Czarny"));
    const Settings written = StoredCurrent();
    EXPECT_EQ(written["ApplicationStyle"].ToString(), QStringLiteral("Czarny"));
    EXPECT_EQ(written["DefaultProviderName"].ToString(), QStringLiteral("Kelvora OnLine"));
}

TEST_F(GlobalSettingsQ4ClassicTest, SettersSaveAtOnceKeepingTheOtherValues)
{
    Settings factory;
    factory["DDEConsumerFormat"] = 1u;
    WriteNode(Base(), factory, kRoot);
    auto globals = Make();

    EXPECT_TRUE(globals->SetDefaultProviderName(QStringLiteral("Inny")));
    EXPECT_TRUE(globals->SetApplicationStyle(QStringLiteral("Niebieski")));
    EXPECT_EQ(globals->GetDefaultProviderName(), QStringLiteral("Inny"));
    const Settings written = StoredCurrent();
    EXPECT_EQ(written["DefaultProviderName"].ToString(), QStringLiteral("Inny"));
    EXPECT_EQ(written["ApplicationStyle"].ToString(), QStringLiteral("Niebieski"));
    EXPECT_EQ(written["DDEConsumerFormat"].ToUInt(), 1u);
}

TEST_F(GlobalSettingsQ4ClassicTest, ASetterOfTheValueTheFileHoldsLeavesTheFileAlone)
{
    auto globals = Make();
    ASSERT_TRUE(globals->SetDefaultProviderName(QStringLiteral("Inny")));
    // A time that any rewrite of the file would renew.
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(Current());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(past, QFileDevice::FileModificationTime));
    }

    EXPECT_TRUE(globals->SetDefaultProviderName(QStringLiteral("Inny")));
    EXPECT_EQ(QFileInfo(Current()).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    EXPECT_TRUE(globals->SetDefaultProviderName(QStringLiteral("Trzeci")));
    EXPECT_EQ(StoredCurrent()["DefaultProviderName"].ToString(), QStringLiteral("Trzeci"));
}

TEST_F(GlobalSettingsQ4ClassicTest, DisabledProxyLeavesTheIniEmpty)
{
    auto globals = Make();
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(false, true, 8080)));
    EXPECT_EQ(Ini("UseProxyServer"), QStringLiteral("0"));
    EXPECT_EQ(Ini("Authentication"), QStringLiteral("0"));
    // Written, and empty.
    const IniFile ini(GlobalSettingsQ4Classic::UpdaterProxyIniPath());
    for (const char* key : {"IP", "Port", "User", "Pass"})
        EXPECT_EQ(ini.ReadString(QStringLiteral("Proxy"), QString::fromLatin1(key), QStringLiteral("missing")), QString())
            << key;
}

TEST_F(GlobalSettingsQ4ClassicTest, EnabledProxyWritesItsSettingsWithTheEncipheredPassword)
{
    WriteBytes(GlobalSettingsQ4Classic::UpdaterProxyIniPath(), "; the updater's own notes\n[Other]\nkey=value\n");
    auto globals = Make();
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, true, 8080)));
    EXPECT_EQ(Ini("UseProxyServer"), QStringLiteral("1"));
    EXPECT_EQ(Ini("IP"), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(Ini("Port"), QStringLiteral("8080"));
    EXPECT_EQ(Ini("Authentication"), QStringLiteral("1"));
    EXPECT_EQ(Ini("User"), QStringLiteral("jan"));
    const QString pass = Ini("Pass");
    EXPECT_FALSE(pass.isEmpty());
    EXPECT_NE(pass, QStringLiteral("tajne hasło"));
    EXPECT_EQ(SimpleCrypt::Decrypt(pass).value_or(QString()), QStringLiteral("tajne hasło"));
    EXPECT_TRUE(ReadBytes(GlobalSettingsQ4Classic::UpdaterProxyIniPath()).startsWith("; the updater's own notes\n[Other]\nkey=value"));

    // The same settings again leave the file alone (a new enciphering would change "Pass").
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, true, 8080)));
    EXPECT_EQ(Ini("Pass"), pass);

    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, false, 0)));
    EXPECT_EQ(Ini("Port"), QString());
    EXPECT_EQ(Ini("Authentication"), QStringLiteral("0"));
    EXPECT_EQ(Ini("User"), QString());
    EXPECT_EQ(Ini("Pass"), QString());
}

TEST_F(GlobalSettingsQ4ClassicTest, ProxyIniBesideTheExecutableIsTakenOverOnce)
{
    const QString old = ExeFolder() + QStringLiteral("/UpdaterProxySettings.ini");
    const QByteArray oldContent = "; the updater's own notes\n[Proxy]\nUseProxyServer=1\nIP=10.9.9.9\n";
    WriteBytes(old, oldContent);
    auto globals = Make();
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, false, 0)));
    const QString path = GlobalSettingsQ4Classic::UpdaterProxyIniPath();
    EXPECT_TRUE(ReadBytes(path).startsWith("; the updater's own notes\n[Proxy]\n"));
    EXPECT_EQ(Ini("IP"), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(ReadBytes(old), oldContent);
    EXPECT_TRUE(LogText().contains(QStringLiteral("przeniesiono z pliku ") + old));

    // Once: the old file is not read again.
    WriteBytes(old, "[Extra]\nkey=value\n");
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, true, 8080)));
    EXPECT_FALSE(ReadBytes(path).contains("Extra"));
    EXPECT_EQ(Ini("Port"), QStringLiteral("8080"));
}

TEST_F(GlobalSettingsQ4ClassicTest, AnOversizedProxyIniIsMovedAsideAndAUsersIniIsCopiedOnceBeforeItChanges)
{
    const QString path = GlobalSettingsQ4Classic::UpdaterProxyIniPath();
    const QByteArray junk(GlobalSettingsQ4Classic::kMaxUpdaterProxyIniBytes + 1, 'x');
    WriteBytes(path, junk);
    auto globals = Make();
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, false, 0)));
    EXPECT_EQ(ReadBytes(path + QStringLiteral(".bak")), junk);
    EXPECT_LT(QFileInfo(path).size(), 1024);
    EXPECT_EQ(Ini("IP"), QStringLiteral("10.1.2.3"));
    EXPECT_TRUE(LogText().contains(QStringLiteral("więcej, niż mogą zająć ustawienia proxy")));

    QFile::remove(path + QStringLiteral(".bak"));
    const QByteArray users = "; the user's notes\n[Proxy]\nUseProxyServer=1\nIP=10.9.9.9\n";
    WriteBytes(path, users);
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, false, 0)));
    ASSERT_TRUE(globals->WriteUpdaterProxyIni(ProxyNode(true, true, 8080)));
    EXPECT_EQ(Ini("Port"), QStringLiteral("8080"));
    EXPECT_EQ(ReadBytes(path + QStringLiteral(".bak")), users);
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bak2")));
}

TEST_F(GlobalSettingsQ4ClassicTest, TimeSourceMovesFromTheOldProviderToTheNewOne)
{
    host.AddProvider(QStringLiteral("Kelvora OnLine"));
    host.AddProvider(QStringLiteral("Inny"));
    auto globals = MakeWithTimeSource(QStringLiteral("Inny"));
    globals->ApplyTimeSourceProvider();
    EXPECT_EQ(globals->GetTimeSourceProvider(), host.providers[1].get());

    host.calls.clear();
    auto node = globals->LoadCurrentSettingsNode();
    (*node)["TimeSourceProvider"] = QString();
    (*node)["PulpitTab"] = 2u;
    ASSERT_TRUE(globals->SaveGroup(node));
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("ApplyRibbonTheme"), QStringLiteral("SetPulpitTabPosition(2)"),
                                       QStringLiteral("Inny:NotifyLastTimeChanged(false)"),
                                       QStringLiteral("GetRunningProvider(Kelvora OnLine)"),
                                       QStringLiteral("ClearStatusBarInfoText"),
                                       QStringLiteral("Kelvora OnLine:NotifyLastTimeChanged(true)"),
                                       QStringLiteral("NotifyGlobalSettingsChanged")}));
    EXPECT_EQ(globals->GetTimeSourceProviderName(), QStringLiteral("Kelvora OnLine"));
    EXPECT_EQ(globals->GetTimeSourceProvider(), host.providers[0].get());
    EXPECT_EQ(StoredCurrent()["PulpitTab"].ToUInt(), 2u);
}

TEST_F(GlobalSettingsQ4ClassicTest, TimeSourceThatDoesNotRunIsNone)
{
    host.AddProvider(QStringLiteral("Kelvora OnLine")).StopWork();
    auto globals = Make();
    globals->ApplyTimeSourceProvider();
    EXPECT_EQ(globals->GetTimeSourceProvider(), nullptr);
    EXPECT_FALSE(host.calls.contains(QStringLiteral("Kelvora OnLine:NotifyLastTimeChanged(true)")));
}

TEST_F(GlobalSettingsQ4ClassicTest, ParametersOfTheDialog)
{
    host.AddProvider(QStringLiteral("Kelvora OnLine"));
    host.AddProvider(QStringLiteral("Inny"));
    Settings stored;
    stored["ValuesListSeparator"] = 7u;
    stored["ValuesListSeparatorCSV"] = 1u;
    stored["DDEConsumerFormat"] = 0u;
    stored["TimeSourceProvider"] = QStringLiteral("Brak");
    auto globals = MakeOver(stored);

    GeneralSettingsGroupBase target;
    globals->BuildParameters(target, true);
    EXPECT_EQ(target.Caption(), QStringLiteral("Ogólne"));
    struct Row
    {
        const char* caption;
        EVariableTypes type;
        int current;
    };
    const Row rows[] = {{"Separator listy", VariableOptionList, 0}, {"Separator CSV", VariableOptionList, 1},
                        {"Czas podświetlenia", VariableLimitedNumber, 0}, {"DDE - format", VariableOptionList, 1},
                        {"Czas źródła", VariableOptionList, 0},        {"Serwer aktualizacji", VariableContainer, 0}};
    ASSERT_EQ(target.Size(), 6);
    for (int index = 0; index < target.Size(); ++index)
    {
        const Settings& node = target[index]->Node();
        EXPECT_EQ(node.GetDisplayName(), QString::fromUtf8(rows[index].caption));
        EXPECT_EQ(node.GetType(), rows[index].type) << rows[index].caption;
        EXPECT_EQ(node.OptionList().CurrentOptionID(), rows[index].current) << rows[index].caption;
    }

    const SettingsOptionList& separators = target[0]->Node().OptionList();
    ASSERT_EQ(separators.Size(), 4);
    EXPECT_EQ(separators[3].GetDisplayName(), QStringLiteral("Tabulacja"));
    EXPECT_EQ(separators[3].ToUInt(), 3u);
    const SettingsOptionList& dde = target[3]->Node().OptionList();
    ASSERT_EQ(dde.Size(), 2);
    EXPECT_EQ(dde[0].GetDisplayName(), QStringLiteral("=Kelvora|etykieta!ticker"));
    EXPECT_EQ(dde[0].ToUInt(), 1u);
    EXPECT_EQ(dde[1].GetDisplayName(), QStringLiteral("=Kelvora|ticker!etykieta"));
    EXPECT_EQ(dde[1].ToUInt(), 0u);
    const SettingsOptionList& providers = target[4]->Node().OptionList();
    ASSERT_EQ(providers.Size(), 2);
    EXPECT_EQ(providers[1].GetDisplayName(), QStringLiteral("Inny"));
    EXPECT_EQ(providers[1].ToString(), QStringLiteral("Inny"));

    const auto limits = std::dynamic_pointer_cast<const Settings::NumericNodeAdditionlInfo>(target[2]->Node().AdditionalInfo());
    ASSERT_TRUE(limits);
    EXPECT_EQ(limits->SmallestValue(), 1);
    EXPECT_EQ(limits->GratestValue(), 60);
    EXPECT_TRUE(limits->ShowButtons());

    const auto proxy = target[5];
    ASSERT_TRUE(proxy->IsOnlyContainer());
    const EVariableTypes proxyTypes[] = {VariableBool, VariableText, VariableNumber, VariableBool, VariableText, VariablePassword};
    ASSERT_EQ(proxy->Size(), 6);
    for (int index = 0; index < proxy->Size(); ++index)
        EXPECT_EQ((*proxy)[index]->Node().GetType(), proxyTypes[index]) << index;
    EXPECT_EQ((*proxy)[0]->Caption(), QStringLiteral("Używaj serwera proxy"));
    const auto checkBox = std::dynamic_pointer_cast<const Settings::BooleanNodeAdditionlInfo>((*proxy)[3]->Node().AdditionalInfo());
    ASSERT_TRUE(checkBox);
    EXPECT_TRUE(checkBox->UseCheckBoxstyle());
}

TEST_F(GlobalSettingsQ4ClassicTest, CurrentOptionIsSearchedFromTheLast)
{
    host.AddProvider(QStringLiteral("A"));
    host.AddProvider(QStringLiteral("B"));
    host.AddProvider(QStringLiteral("A"));
    auto globals = MakeWithTimeSource(QStringLiteral("A"));
    GeneralSettingsGroupBase target;
    globals->BuildParameters(target, true);
    EXPECT_EQ(target[4]->Node().OptionList().CurrentOptionID(), 2);
}

TEST_F(GlobalSettingsQ4ClassicTest, FactoryParametersComeFromTheBaseFile)
{
    Settings factory;
    factory["ValuesListSeparator"] = 2u;
    WriteNode(Base(), factory, kRoot);
    Settings stored;
    stored["ValuesListSeparator"] = 1u;
    auto globals = MakeOver(stored);

    GeneralSettingsGroupBase target;
    globals->BuildParameters(target, false);
    EXPECT_EQ(target[0]->Node().ToUInt(), 2u);
    EXPECT_EQ(target[0]->Node().OptionList().CurrentOptionID(), 2);
}

TEST_F(GlobalSettingsQ4ClassicTest, GroupIdentity)
{
    auto globals = Make();
    EXPECT_EQ(globals->GetGroupId(), 0u);
    EXPECT_EQ(globals->GetGroupName(), QStringLiteral("Globals"));
    EXPECT_EQ(globals->GetPanelPlacement(), 0);
    EXPECT_EQ(globals->GetSettingsFilePath(true), Current());
    EXPECT_EQ(GetCurrentGlobalsFilePath(), Current());
    EXPECT_EQ(globals->GetSettingsFilePath(false), Base());
    EXPECT_EQ(GlobalSettingsQ4Classic::UpdaterProxyIniPath(), AppPaths::AppDataFolder() + QStringLiteral("/UpdaterProxySettings.ini"));
}
