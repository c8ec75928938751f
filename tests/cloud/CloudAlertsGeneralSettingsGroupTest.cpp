#include "cloud/engine/CloudAlertsGeneralSettingsGroup.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "platform/settings/Settings.h"

#include "CloudLinkFixture.h"

#include <gtest/gtest.h>

class CloudAlertsGeneralSettingsGroupTest : public CloudLinkFixture
{
protected:
    // The page as the dialog gets it, and the node it edits.
    Settings& Build()
    {
        group = std::make_unique<CloudAlertsGeneralSettingsGroup>(*manager);
        group->BuildParameters(page, true);
        return *page.GetSettingsSourceNode();
    }

    bool Save() { return group->SaveGroup(page.GetSettingsSourceNode()); }

    GeneralSettingsGroupBase page;
    std::unique_ptr<CloudAlertsGeneralSettingsGroup> group;
};

TEST_F(CloudAlertsGeneralSettingsGroupTest, PageShowsTheAccountAsTheServerSentIt)
{
    client->SetHandler([](const HttpRequest& request) -> HttpResponse {
        if (request.url.contains(QStringLiteral("user.xml")))
            return {200, UserAnswer(QStringLiteral("77"), QStringLiteral("a@b.pl"), QStringLiteral("600"))
                             .replace(QStringLiteral(">118<"), QStringLiteral(">36<"))
                             .replace(QStringLiteral("<NewAlertDefaultOnce>1"), QStringLiteral("<NewAlertDefaultOnce>0"))};
        return ScriptedServer(request);
    });
    StartSignedIn();
    const Settings& root = Build();

    EXPECT_EQ(root.GetDisplayName(), QStringLiteral("Alerty w Chmurze"));
    ASSERT_EQ(page.Size(), 3);
    struct Row
    {
        const char* category;
        const char* key;
        const char* caption;
        EVariableTypes type;
        QString value;
    };
    const Row rows[] = {
        {"defaultParams", "onlyonce", "Tylko raz", VariableBool, QStringLiteral("0")},
        {"defaultParams", "sound", "Dźwięk", VariableBool, QStringLiteral("1")},
        {"defaultParams", "window", "Okno", VariableBool, QStringLiteral("0")},
        {"defaultParams", "mail", "Mail", VariableBool, QStringLiteral("1")},
        {"defaultParams", "push", "Push", VariableBool, QStringLiteral("0")},
        {"defaultParams", "sms", "Sms", VariableBool, QStringLiteral("0")},
        {"mailAndSmsParams", "addressEmail", "Adres e-mail", VariableText, QStringLiteral("a@b.pl")},
        {"mailAndSmsParams", "telNr", "Numer telefonu", VariableText, QStringLiteral("600")},
        {"mailAndSmsParams", "activateCode", "Kod aktywujący sms", VariableText, QString()},
        {"servisParams", "id", "ID", VariableInactiveText, QStringLiteral("jan.cloud")},
    };
    for (const Row& row : rows)
    {
        const Settings& node = root[row.category][row.key];
        SCOPED_TRACE(row.key);
        EXPECT_EQ(node.GetDisplayName(), QString::fromUtf8(row.caption));
        EXPECT_EQ(node.GetType(), row.type);
        if (row.type == VariableBool)
            EXPECT_EQ(node.ToBool(), row.value == QStringLiteral("1"));
        else
            EXPECT_EQ(node.ToString(), row.value);
    }
    const QStringList categories = {page[0]->Caption(), page[1]->Caption(), page[2]->Caption()};
    EXPECT_EQ(categories, (QStringList{QStringLiteral("Parametry domyślne"), QStringLiteral("Konfiguracja mail i SMS"),
                                       QStringLiteral("Informacje serwisowe")}));
    EXPECT_EQ(page[0]->Size(), 6);
    EXPECT_EQ((*page[0])[0]->Caption(), QStringLiteral("Tylko raz"));
    EXPECT_EQ((*page[0])[5]->Caption(), QStringLiteral("Sms"));
}

TEST_F(CloudAlertsGeneralSettingsGroupTest, SavingWithoutChangesStillSendsTheDefaults)
{
    StartSignedIn();
    Build();
    EXPECT_TRUE(Save());
    ASSERT_TRUE(PumpUntilIdle());
    QStringList sent = Lines().mid(4);
    sent.removeAll(QStringLiteral("POST token/.xml"));
    EXPECT_EQ(sent, (QStringList{QStringLiteral("PUT user"), QStringLiteral("GET user.xml")}));
    EXPECT_TRUE(client->Sent()[4].body.contains(
        QStringLiteral("<default_notifications>118</default_notifications><settings><NewAlertDefaultOnce>1<")));
}

TEST_F(CloudAlertsGeneralSettingsGroupTest, CodeIsSentInsteadOfANewNumber)
{
    StartSignedIn();
    Settings& root = Build();
    root["mailAndSmsParams"]["telNr"] = QStringLiteral("700800900");
    root["mailAndSmsParams"]["activateCode"] = QStringLiteral("4321");
    for (const char* channel : {"onlyonce", "sound", "window", "mail", "push", "sms"})
        root["defaultParams"][channel] = false;
    EXPECT_TRUE(Save());
    ASSERT_TRUE(PumpUntilIdle());
    QStringList sent = Lines().mid(4);
    sent.removeAll(QStringLiteral("POST token/.xml"));
    sent.removeAll(QStringLiteral("GET user.xml"));
    EXPECT_EQ(sent, (QStringList{QStringLiteral("PUT user/new_phoneno_token"), QStringLiteral("PUT user")}));
    EXPECT_TRUE(client->Sent()[4].body.contains(QStringLiteral("<new_phoneno_token>4321</new_phoneno_token>")));
    EXPECT_TRUE(client->Sent()[5].body.contains(QStringLiteral(
        "<default_notifications>0</default_notifications><settings><NewAlertDefaultOnce>0</NewAlertDefaultOnce>")));
}

TEST_F(CloudAlertsGeneralSettingsGroupTest, NewContactDataIsSentAfterTheUser)
{
    StartSignedIn();
    Settings& root = Build();
    root["mailAndSmsParams"]["addressEmail"] = QStringLiteral("nowy@b.pl");
    root["mailAndSmsParams"]["telNr"] = QStringLiteral("700800900");
    root["defaultParams"]["push"] = false;
    EXPECT_TRUE(Save());
    ASSERT_TRUE(PumpUntilIdle());
    const QStringList sent = Lines().mid(4, 5);
    EXPECT_EQ(sent, (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("PUT user/new_email"),
                                 QStringLiteral("GET user.xml"), QStringLiteral("PUT user/new_phoneno"),
                                 QStringLiteral("PUT user")}));
    EXPECT_TRUE(client->Sent()[8].body.contains(QStringLiteral("<default_notifications>116</default_notifications>")));
    EXPECT_FALSE(group->SaveGroup(nullptr));
}
