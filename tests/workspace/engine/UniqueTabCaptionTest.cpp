#include "workspace/engine/UniqueTabCaption.h"

#include <gtest/gtest.h>

TEST(UniqueTabCaptionTest, ANameTakenByAnotherScreenGetsTheFirstFreeNumber)
{
    const struct
    {
        QStringList others;
        QString wanted;
        QString expected;
    } cases[] = {
        {{QStringLiteral("Ekran")}, QStringLiteral("Ekran"), QStringLiteral("Ekran (1)")},
        {{QStringLiteral("Ekran"), QStringLiteral("Ekran (1)")}, QStringLiteral("Ekran"), QStringLiteral("Ekran (2)")},
        {{QStringLiteral("Ekran"), QStringLiteral("Ekran (2)")}, QStringLiteral("Ekran"), QStringLiteral("Ekran (1)")},
        // The renamed screen's own caption is not among the others: it keeps its name.
        {{QStringLiteral("Akcje")}, QStringLiteral("Ekran"), QStringLiteral("Ekran")},
        {{}, QStringLiteral("Ekran"), QStringLiteral("Ekran")},
        // Names differ by case.
        {{QStringLiteral("Ekran")}, QStringLiteral("ekran"), QStringLiteral("ekran")},
    };
    for (const auto& item : cases)
        EXPECT_EQ(UniqueTabCaption::Make(item.others, item.wanted), item.expected) << item.wanted.toStdString();
}

TEST(UniqueTabCaptionTest, OnlyTrailingBlanksAreCut)
{
    EXPECT_EQ(UniqueTabCaption::TrimTrailingBlanks(QStringLiteral("Akcje   ")), QStringLiteral("Akcje"));
    EXPECT_EQ(UniqueTabCaption::TrimTrailingBlanks(QStringLiteral("  Akcje WIG ")), QStringLiteral("  Akcje WIG"));
    EXPECT_EQ(UniqueTabCaption::TrimTrailingBlanks(QStringLiteral("Akcje\t")), QStringLiteral("Akcje\t"));
    EXPECT_EQ(UniqueTabCaption::TrimTrailingBlanks(QStringLiteral("   ")), QString());
}
