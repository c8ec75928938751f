#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAnswerReader.h"
#include "cloud/engine/CloudHttpControlResults.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/CloudSettings.h"
#include "cloud/engine/CloudUserData.h"
#include "core/engine/XMLElement.h"

#include "CloudFakes.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace
{
QString Fixture(const QString& name)
{
    QFile file((TestPaths::Fixtures() + QStringLiteral("/cloud/")) + name);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "no fixture " << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

std::shared_ptr<XMLElement> Root(const QString& name)
{
    std::shared_ptr<XMLElement> root = CloudAnswerReader::Parse(Fixture(name), true);
    EXPECT_TRUE(root) << name.toStdString();
    return root;
}
}

TEST(CloudAnswerReaderTest, UserAnswerFillsTheAccountButNotTheLogin)
{
    CloudUserData user;
    user.login = QStringLiteral("jan");
    user.password = QStringLiteral("tajne");
    ASSERT_TRUE(CloudAnswerReader::ReadUser(*Root(QStringLiteral("good/user.xml")), user));
    EXPECT_EQ(user.login, QStringLiteral("jan"));
    EXPECT_EQ(user.password, QStringLiteral("tajne"));
    EXPECT_EQ(user.id, QStringLiteral("77"));
    EXPECT_EQ(user.cloudLogin, QStringLiteral("jan.cloud"));
    EXPECT_EQ(user.email, QStringLiteral("jan@kowalski.pl"));
    EXPECT_EQ(user.newEmail, QStringLiteral("nowy@kowalski.pl"));
    EXPECT_EQ(user.newEmailLimitCode, QStringLiteral("2"));
    EXPECT_EQ(user.phoneNo, QStringLiteral("600100200"));
    EXPECT_TRUE(user.newPhoneNo.isEmpty());
    EXPECT_EQ(user.defaultNotifications, 100);
    EXPECT_FALSE(user.newAlertDefaultOnce);

    CloudUserData untouched;
    EXPECT_FALSE(CloudAnswerReader::ReadUser(*Root(QStringLiteral("good/token.xml")), untouched));
    EXPECT_EQ(untouched.defaultNotifications, CloudUserData::kDefaultNotifications);
}

TEST(CloudAnswerReaderTest, TokenAndEvents)
{
    EXPECT_EQ(CloudAnswerReader::ReadToken(*Root(QStringLiteral("good/token.xml"))), QStringLiteral("c2VrcmV0&1"));
    const auto events = CloudAnswerReader::EventElements(*Root(QStringLiteral("good/events.xml")));
    ASSERT_TRUE(events);
    EXPECT_EQ(events->size(), 2U);
    EXPECT_FALSE(CloudAnswerReader::EventElements(*Root(QStringLiteral("good/user.xml"))));
}

TEST(CloudAnswerReaderTest, AlertListKeepsTheShownAlertsInOrder)
{
    const auto alerts = CloudAnswerReader::ReadAlerts(*Root(QStringLiteral("good/alerts.xml")));
    ASSERT_TRUE(alerts);
    ASSERT_EQ(alerts->size(), 2U);
    const CloudAlertData& both = *(*alerts)[0];
    EXPECT_EQ(both.id, 5);
    EXPECT_EQ(both.name, QStringLiteral("PKO w górę"));
    EXPECT_EQ(both.uniqueId, QStringLiteral("0F9E"));
    EXPECT_TRUE(both.once);
    EXPECT_TRUE(both.buyDefined);
    EXPECT_TRUE(both.sellDefined);
    EXPECT_EQ(both.buyOperator, 2);
    EXPECT_EQ(both.sellOperator, 1);
    EXPECT_DOUBLE_EQ(both.sellValue, 39.25);
    EXPECT_EQ(both.notifications, 100);
    const CloudAlertData& sell = *(*alerts)[1];
    EXPECT_EQ(sell.id, 7);
    EXPECT_FALSE(sell.buyDefined);
    EXPECT_TRUE(sell.sellDefined);
    EXPECT_EQ(sell.sellOperator, 5);
}

TEST(CloudAnswerReaderTest, BrokenAnswersNeverReachTheAlertList)
{
    for (const QString& name : QDir((TestPaths::Fixtures() + QStringLiteral("/cloud/broken"))).entryList(QDir::Files))
    {
        SCOPED_TRACE(name.toStdString());
        CloudMessageManager manager(std::make_shared<CloudSettings>(), nullptr);
        auto alerts = std::make_shared<FakeCloudAlertManager>();
        manager.SetAlertManager(alerts);
        manager.ProcessAnswer(Fixture(QStringLiteral("broken/") + name), eGetAllAlerts, 200);
        EXPECT_TRUE(alerts->alertLists.empty());
    }
}

TEST(CloudAnswerReaderTest, TextAnswerOfALimitIsShown)
{
    FakeCloudMediator mediator;
    EXPECT_FALSE(CloudHttpControlResults(eAddAlert, Fixture(QStringLiteral("broken/limit.json")), 400, &mediator).Check(false));
    EXPECT_EQ(mediator.ShownTexts(), QStringList{QStringLiteral("Przekroczono limit alertów.")});
}
