#include "SettingsFixture.h"

#include "core/settings/AlertsGeneralSettingsGroup.h"
#include "core/settings/AlertsGeneralSettingsNodeValidator_ver1.h"
#include "core/settings/AlertsGeneralSettingsNodeValidator_ver2.h"
#include "core/settings/CompositeStateNodeValidator.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/IAlertsGeneralSettingsOwner.h"
#include "platform/settings/SettingsOptionList.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
class RecordingOwner : public IAlertsGeneralSettingsOwner
{
public:
    void SetupMailSender() override
    {
        ++setups;
        hostAtSetup = group ? group->GetValues().host : QString();
    }

    AlertsGeneralSettingsGroup* group = nullptr;
    int setups = 0;
    QString hostAtSetup;
};

class AlertsGeneralSettingsGroupTest : public SettingsFixture
{
protected:
    static inline const QString kRoot = QStringLiteral("AlertsGenerallSettings");

    AlertsGeneralSettingsGroupTest()
    {
        InstallSounds();
        validator.AttachAtomicValidator(std::make_shared<AlertsGeneralSettingsNodeValidator_ver1>());
        validator.AttachAtomicValidator(std::make_shared<AlertsGeneralSettingsNodeValidator_ver2>());
    }

    QString Current() const { return UserFile(QStringLiteral("AlertsModule"), QStringLiteral("current_default.q4sAM")); }
    QString Sound(const char* name) const { return ExeFolder() + QLatin1Char('/') + QString::fromLatin1(name); }
    // A version-2 node whose sounds exist.
    Settings GoodNode() const
    {
        Settings node;
        node.Version(2);
        node["buySound"] = Sound("buy.wav");
        node["sellSound"] = Sound("sell.wav");
        return node;
    }

    CompositeStateNodeValidator validator;
};
}

TEST_F(AlertsGeneralSettingsGroupTest, WindowTimeOfVersionZeroBecomesSeconds)
{
    for (const auto& [milliseconds, seconds] : {std::pair{5000, 5}, std::pair{-1500, -1}, std::pair{999, 0}})
    {
        Settings node = GoodNode();
        node.Version(0);
        node["windowTime"] = milliseconds;
        EXPECT_TRUE(validator.Validate(node));
        EXPECT_EQ(node["windowTime"].ToInt(), seconds) << milliseconds;
        EXPECT_EQ(node.Version(), 2u);
    }
}

TEST_F(AlertsGeneralSettingsGroupTest, SmtpNodeOfVersionOneMovesAndGainsItsDefaults)
{
    Settings node = GoodNode();
    node.Version(1);
    node["smtpParameters"]["Host"] = QStringLiteral("smtp.example.pl");
    node["smtpParameters"]["destinationAddress"] = QStringLiteral("jan@example.pl");
    node["windowTime"] = 7;

    EXPECT_TRUE(validator.Validate(node));
    EXPECT_EQ(node.Version(), 2u);
    EXPECT_FALSE(std::as_const(node).Exists(QStringLiteral("smtpParameters")));
    const Settings& server = node["smtpServerParameters"];
    EXPECT_EQ(server["Host"].ToString(), QStringLiteral("smtp.example.pl"));
    EXPECT_EQ(server["port"].ToInt(), 25);
    EXPECT_EQ(server["port"].GetDisplayName(), QStringLiteral("Port"));
    EXPECT_EQ(server["port"].GetType(), VariableLimitedNumber);
    EXPECT_EQ(server["encryption"].ToInt(), 0);
    EXPECT_EQ(server["encryption"].GetType(), VariableOptionList);
    EXPECT_FALSE(server.Exists(QStringLiteral("destinationAddress")));
    EXPECT_EQ(node["destinationAddress"].ToString(), QStringLiteral("jan@example.pl"));
    EXPECT_EQ(node["windowTime"].ToInt(), 7) << "version 1 already holds seconds";
}

TEST_F(AlertsGeneralSettingsGroupTest, SmtpValuesOfVersionOneAreKept)
{
    Settings node = GoodNode();
    node.Version(1);
    node["smtpParameters"]["port"] = 587;
    node["smtpParameters"]["encryption"] = 2;
    EXPECT_TRUE(validator.Validate(node));
    EXPECT_EQ(node["smtpServerParameters"]["port"].ToInt(), 587);
    EXPECT_EQ(node["smtpServerParameters"]["encryption"].ToInt(), 2);

    Settings withoutSmtp = GoodNode();
    withoutSmtp.Version(1);
    EXPECT_TRUE(validator.Validate(withoutSmtp));
    EXPECT_EQ(withoutSmtp["smtpServerParameters"]["port"].ToInt(), 25);
}

TEST_F(AlertsGeneralSettingsGroupTest, SoundsThatNameNoFileAreRepairedInEveryVersion)
{
    const QString custom = home.Path() + QStringLiteral("/kupno.wav");
    WriteBytes(custom, "RIFF");
    const QString deleted = home.Path() + QStringLiteral("/usunięty.wav");

    Settings node = GoodNode();
    node["buySound"] = custom;
    node["sellSound"] = deleted;
    EXPECT_TRUE(validator.Validate(node));
    EXPECT_EQ(node["buySound"].ToString(), custom);
    EXPECT_EQ(node["sellSound"].ToString(), Sound("sell.wav"));

    Settings empty = GoodNode();
    empty["buySound"] = QString();
    EXPECT_TRUE(validator.Validate(empty));
    EXPECT_EQ(empty["buySound"].ToString(), Sound("buy.wav"));

    Settings fine = GoodNode();
    EXPECT_FALSE(validator.Validate(fine));
    EXPECT_EQ(fine.Version(), 2u);
}

TEST_F(AlertsGeneralSettingsGroupTest, OldCurrentFileIsReadUpgraded)
{
    Settings stored;
    stored["windowTime"] = 5000;
    stored["smtpParameters"]["destinationAddress"] = QStringLiteral("jan@example.pl");
    WriteNode(Current(), stored, kRoot);

    AlertsGeneralSettingsGroup group(nullptr);
    const AlertsGeneralSettingsValues values = group.GetValues();
    EXPECT_EQ(values.windowTime, 5u);
    EXPECT_EQ(values.destinationAddress, QStringLiteral("jan@example.pl"));
    EXPECT_EQ(values.port, 25);
    EXPECT_EQ(values.buySound, Sound("buy.wav"));
    EXPECT_EQ(ReadNode(Current(), kRoot).value()["windowTime"].ToInt(), 5000) << "reading changes no file";
}

TEST_F(AlertsGeneralSettingsGroupTest, ValuesAreReadWithThePasswordInClear)
{
    Settings node = GoodNode();
    Settings& server = node["smtpServerParameters"];
    server["Host"] = QStringLiteral("smtp.example.pl");
    server["user"] = QStringLiteral("jan");
    server["password"] = Settings::CryptValue(QStringLiteral("sekret"));
    server["port"] = 465;
    server["encryption"] = 1;
    node["destinationAddress"] = QStringLiteral("jan@example.pl");
    node["windowTime"] = 12;
    node["generate"]["synchroniously"] = true;
    node["inform"]["mail"] = true;
    node["inform"]["window"] = true;

    AlertsGeneralSettingsGroup group(nullptr);
    group.ReadValues(node);
    const AlertsGeneralSettingsValues values = group.GetValues();
    EXPECT_EQ(values.host, QStringLiteral("smtp.example.pl"));
    EXPECT_EQ(values.user, QStringLiteral("jan"));
    EXPECT_EQ(values.password, QStringLiteral("sekret"));
    EXPECT_EQ(values.port, 465);
    EXPECT_EQ(values.encryption, AlertsGeneralSettingsValues::kSslTls);
    EXPECT_EQ(values.destinationAddress, QStringLiteral("jan@example.pl"));
    EXPECT_EQ(values.windowTime, 12u);
    EXPECT_FALSE(values.generateOnce);
    EXPECT_TRUE(values.generateSynchroniously);
    EXPECT_FALSE(values.informSound);
    EXPECT_TRUE(values.informMail);
    EXPECT_TRUE(values.informWindow);
}

TEST_F(AlertsGeneralSettingsGroupTest, NegativeWindowTimeReadsAsZero)
{
    Settings node = GoodNode();
    node["windowTime"] = -1;
    AlertsGeneralSettingsGroup group(nullptr);
    group.ReadValues(node);
    EXPECT_EQ(group.GetValues().windowTime, 0u);
    EXPECT_EQ(node["windowTime"].ToInt(), -1) << "the node keeps its value";
}

TEST_F(AlertsGeneralSettingsGroupTest, FactoryParametersShowTheProgramsSounds)
{
    QFile::remove(Sound("buy.wav"));
    QFile::remove(Sound("sell.wav"));
    InstallShippedFactoryFile(QStringLiteral("AlertsModule"), QStringLiteral("base_default.q4sAM"));
    AlertsGeneralSettingsGroup group(nullptr);
    GeneralSettingsGroupBase target;
    group.BuildParameters(target, false);

    EXPECT_EQ(target.Caption(), QStringLiteral("Alerty lokalne"));
    const char* captions[] = {"Serwer poczty wychodzącej (SMTP)", "Adres docelowy", "Wyświetlaj alert przez", "Dźwięk kupna",
                              "Dźwięk sprzedaży", "Generuj", "Informuj"};
    ASSERT_EQ(target.Size(), 7);
    for (int index = 0; index < target.Size(); ++index)
        EXPECT_EQ(target[index]->Caption(), QString::fromUtf8(captions[index]));
    EXPECT_EQ(target[3]->Node().ToString(), Sound("buy.wav"));
    EXPECT_EQ(target[4]->Node().ToString(), Sound("sell.wav"));
    EXPECT_EQ(target[4]->Node().GetType(), VariableFilePath);
    EXPECT_EQ(target[2]->Node().ToUInt(), 10u);

    const auto smtp = target[0];
    ASSERT_TRUE(smtp->IsOnlyContainer());
    const char* smtpCaptions[] = {"Nazwa serwera", "Użytkownik", "Hasło", "Port", "Szyfrowanie"};
    const EVariableTypes smtpTypes[] = {VariableText, VariableText, VariablePassword, VariableLimitedNumber,
                                        VariableOptionList};
    ASSERT_EQ(smtp->Size(), 5);
    for (int index = 0; index < smtp->Size(); ++index)
    {
        EXPECT_EQ((*smtp)[index]->Caption(), QString::fromUtf8(smtpCaptions[index]));
        EXPECT_EQ((*smtp)[index]->Node().GetType(), smtpTypes[index]);
    }
    EXPECT_EQ((*smtp)[3]->Node().ToInt(), 25);
    const SettingsOptionList& encryption = (*smtp)[4]->Node().OptionList();
    ASSERT_EQ(encryption.Size(), 3);
    EXPECT_EQ(encryption[2].GetDisplayName(), QStringLiteral("STARTTLS"));
    EXPECT_EQ(encryption[2].ToInt(), 2);
    EXPECT_EQ(encryption[2].GetType(), VariableNumber);

    EXPECT_EQ(target[5]->Size(), 2);
    EXPECT_EQ((*target[5])[1]->Caption(), QStringLiteral("Synchronicznie"));
    EXPECT_EQ(target[6]->Size(), 3);
    EXPECT_EQ((*target[6])[2]->Caption(), QStringLiteral("Okno"));
    EXPECT_TRUE((*target[6])[0]->Node().ToBool());
}

TEST_F(AlertsGeneralSettingsGroupTest, EncryptionShowsItsOptionOrTheFirst)
{
    for (const auto& [stored, current] : {std::pair{2, 2}, std::pair{1, 1}, std::pair{7, 0}, std::pair{-1, 0}})
    {
        Settings node = GoodNode();
        node["smtpServerParameters"]["encryption"] = stored;
        WriteNode(Current(), node, kRoot);
        AlertsGeneralSettingsGroup group(nullptr);
        GeneralSettingsGroupBase target;
        group.BuildParameters(target, true);
        EXPECT_EQ((*target[0])[4]->Node().OptionList().CurrentOptionID(), current) << stored;
    }
}

TEST_F(AlertsGeneralSettingsGroupTest, SaveTellsTheOwnerOnceAfterTheValuesChanged)
{
    RecordingOwner owner;
    AlertsGeneralSettingsGroup group(&owner);
    owner.group = &group;
    GeneralSettingsGroupBase target;
    group.BuildParameters(target, true);
    (*target[0])[0]->Node() = QStringLiteral("smtp.example.pl");
    target.SetGroupManager(&group);

    EXPECT_TRUE(target.SaveContent());
    EXPECT_EQ(owner.setups, 1);
    EXPECT_EQ(owner.hostAtSetup, QStringLiteral("smtp.example.pl"));
    EXPECT_EQ(ReadNode(Current(), kRoot).value()["smtpServerParameters"]["Host"].ToString(),
              QStringLiteral("smtp.example.pl"));
}

TEST_F(AlertsGeneralSettingsGroupTest, GroupIdentity)
{
    AlertsGeneralSettingsGroup group(nullptr);
    EXPECT_EQ(group.GetGroupId(), 10u);
    EXPECT_EQ(group.GetGroupName(), QStringLiteral("AlertsGenerallSettings"));
    EXPECT_EQ(group.GetPanelPlacement(), 0);
    EXPECT_EQ(group.GetSettingsFilePath(true), Current());
    EXPECT_EQ(group.GetSettingsFilePath(false), FactoryFile(QStringLiteral("AlertsModule"), QStringLiteral("base_default.q4sAM")));
}

TEST_F(AlertsGeneralSettingsGroupTest, ValuesCanBeReadWhileTheyChange)
{
    AlertsGeneralSettingsGroup group(nullptr);
    std::atomic<bool> stop = false;
    std::atomic<int> torn = 0;
    std::thread reader([&] {
        while (!stop)
        {
            const AlertsGeneralSettingsValues values = group.GetValues();
            if (values.host != values.user)
                ++torn;
        }
    });
    for (int round = 0; round < 200; ++round)
    {
        Settings node = GoodNode();
        node["smtpServerParameters"]["Host"] = QString::number(round);
        node["smtpServerParameters"]["user"] = QString::number(round);
        group.ReadValues(node);
    }
    stop = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}
