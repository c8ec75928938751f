#include "cloud/engine/CloudHttpControlResults.h"

#include "CloudFakes.h"

#include <gtest/gtest.h>

namespace
{
const QString kProlog = QStringLiteral("<?xml version=\"1.0\"?>");

struct Checked
{
    bool good;
    QStringList shown;
};

Checked Check(CloudRequestKind kind, const QString& answer, int status = 200, bool quietWhenGood = false)
{
    FakeCloudMediator mediator;
    CloudHttpControlResults results(kind, answer, status, &mediator);
    const bool good = results.Check(quietWhenGood);
    return {good, mediator.ShownTexts()};
}
}

TEST(CloudHttpControlResultsTest, CodeTables)
{
    EXPECT_EQ(CloudHttpControlResults::AlertStateText(1, eAddAlert), QStringLiteral("Alert został prawidłowo uruchomiony w Chmurze."));
    EXPECT_EQ(CloudHttpControlResults::AlertStateText(1, eEditAlert), QStringLiteral("Alert został zmodyfikowany."));
    EXPECT_EQ(CloudHttpControlResults::AlertStateText(-10, eAddAlert), QStringLiteral("Brak serwera."));
    EXPECT_EQ(CloudHttpControlResults::AlertStateText(-4, eAddAlert), QString());
    EXPECT_EQ(CloudHttpControlResults::AlertStateText(10, eGetAllAlerts), QStringLiteral("Aktywny - potwierdzony przez serwer."));
    EXPECT_EQ(CloudHttpControlResults::AlertStateText(3, eAddAlert), QStringLiteral("Nieokreślony błąd"));

    EXPECT_EQ(CloudHttpControlResults::ReturnCodeText(-127), QStringLiteral("Nieznany błąd serwera - db."));
    EXPECT_EQ(CloudHttpControlResults::ReturnCodeText(-3),
              QStringLiteral("Zapisany w db, nie można wysłać do serwera, będzie ponawiany i nie ucieknie."));
    EXPECT_EQ(CloudHttpControlResults::ReturnCodeText(4), QStringLiteral("Przyjęty, zapisany w db."));
    EXPECT_EQ(CloudHttpControlResults::ReturnCodeText(0), QStringLiteral("Nieokreślony błąd"));

    EXPECT_EQ(CloudHttpControlResults::NotificationErrorText(0), QString());
    EXPECT_EQ(CloudHttpControlResults::NotificationErrorText(8),
              QStringLiteral("Użytkownika ma wyłączone powiadomienia na tym kanale, powiadomienie zapisane i nie zostanie wysłane."));
    EXPECT_EQ(CloudHttpControlResults::NotificationErrorText(9), QStringLiteral("Nieokreślony błąd"));
}

TEST(CloudHttpControlResultsTest, LoginErrorsOfARefusal)
{
    const QString undefinedUser = CloudHttpControlResults::kUndefinedUserText;
    struct Case
    {
        QString answer;
        QStringList shown;
    };
    const Case cases[] = {
        {kProlog + QStringLiteral("<r><auth><error>1</error></auth></r>"), {undefinedUser}},
        {kProlog + QStringLiteral("<r><auth><error>2</error></auth></r>"), {undefinedUser}},
        {kProlog + QStringLiteral("<r><auth><error>7</error></auth></r>"), {QStringLiteral("Inny błąd logowania (7)")}},
        {kProlog + QStringLiteral("<r><auth><error>0</error></auth></r>"), {}},
        {kProlog + QStringLiteral("<r><error>1</error></r>"), {}},
        {QStringLiteral("Unauthorized"), {}},
    };
    for (const Case& c : cases)
    {
        const Checked checked = Check(eGetUser, c.answer, 401);
        EXPECT_FALSE(checked.good);
        EXPECT_EQ(checked.shown, c.shown) << c.answer.toStdString();
    }
}

TEST(CloudHttpControlResultsTest, UnresolvedServerMeansNoConnection)
{
    const Checked checked = Check(eGetAllAlerts, QString(), 12007, true);
    EXPECT_FALSE(checked.good);
    EXPECT_EQ(checked.shown, QStringList{QStringLiteral("Brak połączenia z serwerem Chmury.")});
}

TEST(CloudHttpControlResultsTest, TextAnswersCarryAReturnCode)
{
    struct Case
    {
        CloudRequestKind kind;
        QString answer;
        bool good;
        QStringList shown;
    };
    const Case cases[] = {
        {eAddAlert, QStringLiteral("{\"return_code\":-32}"), false, {QStringLiteral("Przekroczono limit alertów.")}},
        {eAddAlert, QStringLiteral("{\"x\":1,\"return_code\": 4 }"), true, {QStringLiteral("Przyjęty, zapisany w db.")}},
        {eGetAlertEvents, QStringLiteral("{\"return_code\":0}"), true, {}},
        {eGetAlertEvents, QStringLiteral("{\"return_code\":2}"), false, {QStringLiteral("Zbyt długa treść wiadomości.")}},
        {eEditAlert, QStringLiteral("{\"return_code\":-32"), false, {}},
        {eEditAlert, QStringLiteral("<html><body>502 Bad Gateway</body></html>"), false, {}},
        {eEditAlert, QString(), false, {}},
    };
    for (const Case& c : cases)
    {
        const Checked checked = Check(c.kind, c.answer);
        EXPECT_EQ(checked.good, c.good) << c.answer.toStdString();
        EXPECT_EQ(checked.shown, c.shown) << c.answer.toStdString();
    }
}

TEST(CloudHttpControlResultsTest, XmlAnswersCarryAStateOrAReturnCode)
{
    struct Case
    {
        CloudRequestKind kind;
        QString body;
        bool quiet;
        bool good;
        QStringList shown;
    };
    const Case cases[] = {
        {eAddAlert, QStringLiteral("<r><alertdefinition><status>1</status></alertdefinition></r>"), false, true,
         {QStringLiteral("Alert został prawidłowo uruchomiony w Chmurze.")}},
        {eEditAlert, QStringLiteral("<r><alertdefinition><status>1</status></alertdefinition></r>"), false, true,
         {QStringLiteral("Alert został zmodyfikowany.")}},
        // The list's first alert decides.
        {eGetAllAlerts,
         QStringLiteral("<r><alertdefinition><a><status>-1</status></a><a><status>10</status></a></alertdefinition></r>"),
         true, false, {QStringLiteral("Potwierdzony przez serwer - błąd.")}},
        {eGetAllAlerts, QStringLiteral("<r><alertdefinition><a><status>10</status></a></alertdefinition></r>"), true, true,
         {}},
        {eDeleteAlerts, QStringLiteral("<r><alertdefinition><return_code>-4</return_code></alertdefinition></r>"), false,
         false, {QStringLiteral("Brak obiektu lub już w trakcie usuwania.")}},
        {eEditAlert, QStringLiteral("<r><alertdefinition/></r>"), false, false, {}},
        {eEditAlert, QStringLiteral("<r><errors><e>Pole name</e><e>Pole isin</e></errors></r>"), false, false,
         {QStringLiteral("Pole name\nPole isin\n")}},
        {eEditAlert, QStringLiteral("<r><errors/></r>"), false, false, {}},
    };
    for (const Case& c : cases)
    {
        const Checked checked = Check(c.kind, QStringLiteral("garbage ") + kProlog + c.body, 200, c.quiet);
        EXPECT_EQ(checked.good, c.good) << c.body.toStdString();
        EXPECT_EQ(checked.shown, c.shown) << c.body.toStdString();
    }
}

TEST(CloudHttpControlResultsTest, BrokenXmlIsReadAsText)
{
    const Checked broken = Check(eAddAlert, kProlog + QStringLiteral("<r><a>{\"return_code\":-33}</r>"));
    EXPECT_FALSE(broken.good);
    EXPECT_EQ(broken.shown, QStringList{QStringLiteral("Brak uprawnień użytkownika.")});
    // Without the prolog even good XML is text.
    const Checked bare = Check(eAddAlert, QStringLiteral("<r><alertdefinition><status>1</status></alertdefinition></r>"));
    EXPECT_FALSE(bare.good);
    EXPECT_TRUE(bare.shown.isEmpty());
}

TEST(CloudHttpControlResultsTest, ServerTextsAreShownNoLongerThanALimit)
{
    const QString longText(5000, QLatin1Char('x'));
    const Checked checked = Check(eEditAlert, kProlog + QStringLiteral("<r><errors><e>%1</e></errors></r>").arg(longText));
    ASSERT_EQ(checked.shown.size(), 1);
    EXPECT_LT(checked.shown.front().size(), 2100);
}

TEST(CloudHttpControlResultsTest, ShownTextsEndWithALineBreak)
{
    FakeCloudMediator mediator;
    CloudHttpControlResults::ShowInfo(&mediator, QStringLiteral("Tekst"));
    CloudHttpControlResults::ShowInfo(&mediator, QString());
    CloudHttpControlResults::ShowInfo(nullptr, QStringLiteral("Tylko do dziennika"));
    EXPECT_EQ(mediator.Shown(), QStringList{QStringLiteral("Tekst\n")});
}
