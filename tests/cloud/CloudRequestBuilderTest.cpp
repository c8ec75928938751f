#include "cloud/engine/CloudRequestBuilder.h"
#include "cloud/engine/CloudSettings.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
const QString kBase = QStringLiteral("https://chmura.test/rest/");
constexpr std::int64_t kNow = 1700000000;

CloudRequestBuilder Builder(std::int64_t now = kNow)
{
    return CloudRequestBuilder(std::make_shared<CloudSettings>(kBase), [now] { return now; });
}
}

TEST(CloudRequestBuilderTest, EveryKindHasItsVerbAndPath)
{
    struct Case
    {
        CloudRequestKind kind;
        const char* verb;
        const char* path;
    };
    const Case cases[] = {
        {eRequestNotSet, "", ""},
        {eGetUser, "GET", "user.xml?temp=1700000000"},
        {eGetCloudToken, "POST", "token/.xml"},
        {eGetUserCloudData, "GET", "user.xml?temp=1700000000"},
        {eGetAlert, "", ""},
        {eGetAllAlerts, "GET", "alertdefinition.xml?offset=0&limit=1000&_ts=1700000000"},
        {eGetAlertEvents, "GET", "alertevent.xml?client=1&_ts=1700000000"},
        {eAddAlert, "POST", "alertdefinition/"},
        {eEditAlert, "PUT", "alertdefinition/"},
        {eDeleteAlerts, "DELETE", "alertdefinition/"},
        {eChangeUserEmail, "PUT", "user/new_email"},
        {eChangeTelNumber, "PUT", "user/new_phoneno"},
        {eGetChangeEmailError, "GET", "user.xml?temp=1700000000"},
        {eGetChangeTelNumberError, "GET", "user.xml?temp=1700000000"},
        {eSendTelNumberToken, "PUT", "user/new_phoneno_token"},
        {eChangeCloudAlertNotifications, "PUT", "user"},
    };
    const CloudRequestBuilder builder = Builder();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(CloudRequestVerb(c.kind), QString::fromLatin1(c.verb));
        const QString expected = *c.path ? kBase + QString::fromLatin1(c.path) : QString();
        EXPECT_EQ(builder.Address(c.kind), expected);
    }
}

TEST(CloudRequestBuilderTest, TimeIsTheLowThirtyTwoBitsAsSignedDecimal)
{
    EXPECT_EQ(CloudRequestBuilder::TimeText(0), QStringLiteral("0"));
    EXPECT_EQ(CloudRequestBuilder::TimeText(0x7FFFFFFF), QStringLiteral("2147483647"));
    EXPECT_EQ(CloudRequestBuilder::TimeText(0x80000000LL), QStringLiteral("-2147483648"));
    EXPECT_EQ(CloudRequestBuilder::TimeText(0x100000005LL), QStringLiteral("5"));
    EXPECT_EQ(Builder(0x1FFFFFFFFLL).Address(eGetUser), kBase + QStringLiteral("user.xml?temp=-1"));
}

TEST(CloudRequestBuilderTest, AnAddressWithoutClosingSlashIsUsedAsItStands)
{
    auto settings = std::make_shared<CloudSettings>(kBase);
    settings->SetServerNewIp("https://inny.test/api");
    const CloudRequestBuilder builder(settings, [] { return 1; });
    EXPECT_EQ(builder.Address(eChangeCloudAlertNotifications), QStringLiteral("https://inny.test/apiuser"));
}

TEST(CloudRequestBuilderTest, BodiesHoldTheValues)
{
    EXPECT_EQ(CloudRequestBuilder::NotificationsBody(118, true),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><request><user><default_notifications>118"
                             "</default_notifications><settings><NewAlertDefaultOnce>1</NewAlertDefaultOnce></settings>"
                             "</user></request>"));
    EXPECT_EQ(CloudRequestBuilder::NotificationsBody(0, false),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><request><user><default_notifications>0"
                             "</default_notifications><settings><NewAlertDefaultOnce>0</NewAlertDefaultOnce></settings>"
                             "</user></request>"));
    EXPECT_EQ(CloudRequestBuilder::UserValueBody(QStringLiteral("new_email"), QStringLiteral("jan@kowalski.pl")),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><request><user><new_email>jan@kowalski.pl"
                             "</new_email></user></request>"));
    EXPECT_EQ(CloudRequestBuilder::AlertBody(QStringLiteral("<request/>")),
              QStringLiteral("<?xml version=\"1.0\"?><request/>"));
}

TEST(CloudRequestBuilderTest, ValuesCannotBreakTheBodyOrAddElements)
{
    const QString body = CloudRequestBuilder::UserValueBody(
        QStringLiteral("new_phoneno"), QStringLiteral("1&2<3></new_phoneno><id>9</id>%1\x01"));
    EXPECT_EQ(body, QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><request><user><new_phoneno>"
                                   "1&amp;2&lt;3&gt;&lt;/new_phoneno&gt;&lt;id&gt;9&lt;/id&gt;%1</new_phoneno>"
                                   "</user></request>"));
}
