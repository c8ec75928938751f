#include "platform/base/AppVersionNumber.h"

#include <gtest/gtest.h>

TEST(AppVersionNumberTest, NormalizeKeepsOnlyTextsWithThreeDotsAfterTheFirstCharacter)
{
    const struct
    {
        const char* text;
        const char* expected;
    } cases[] = {
        {"4.2.210.1", "4.2.210.1"},
        {"4.1.58.0", "4.1.58.0"},
        {"4.2.210", ""},
        {"", ""},
        {"4", ""},
        {".1.2.3", ""},        // the leading dot does not count
        {".1.2.3.4", ".1.2.3.4"},
        {"4.2.210.1.5", ""},
        {"4...", "4..."},      // only the dots count
        {"a.b.c.d", "a.b.c.d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeVersionString(QString::fromLatin1(c.text)), QString::fromLatin1(c.expected)) << c.text;
    EXPECT_EQ(GetAppVersionString(), QStringLiteral("4.2.210.1"));
}

TEST(AppVersionNumberTest, ParsesFourUnsignedPartsAndRejectsEverythingElse)
{
    const auto version = AppVersionNumber::FromString(QStringLiteral("4.2.210.1"));
    ASSERT_TRUE(version);
    EXPECT_EQ(version->ToString(), QStringLiteral("4.2.210.1"));
    EXPECT_EQ(version->Part(2), 210u);
    EXPECT_EQ(AppVersionNumber::FromString(QStringLiteral("4294967295.0.0.0"))->Part(0), 4294967295u);
    EXPECT_EQ(AppVersionNumber::Current(), *version);

    for (const char* bad : {"", "4.2.210", "4.2.210.1.5", "4.2..1", "4.2.x.1", "4.2.-1.1", "4.2.+1.1", " 4.2.210.1",
                            "4.2.210.1 ", "4294967296.0.0.0"})
        EXPECT_FALSE(AppVersionNumber::FromString(QString::fromLatin1(bad))) << bad;
}

TEST(AppVersionNumberTest, ComparesPartByPartNumerically)
{
    const auto v = [](const char* text) { return *AppVersionNumber::FromString(QString::fromLatin1(text)); };
    EXPECT_LT(v("4.1.58.0"), v("4.2.210.1"));
    EXPECT_LT(v("4.2.9.0"), v("4.2.10.0"));  // not text order
    EXPECT_GT(v("4.2.210.2"), v("4.2.210.1"));
    EXPECT_EQ(v("4.2.210.1"), AppVersionNumber(4, 2, 210, 1));
    EXPECT_NE(v("4.2.210.1"), v("4.2.210.0"));
    EXPECT_GE(v("5.0.0.0"), v("4.99.99.99"));
}
