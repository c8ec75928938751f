#include "workspace/engine/ScreenshotFileName.h"

#include <gtest/gtest.h>

TEST(ScreenshotFileNameTest, TheTimesColonsBecomeDashesAndFurtherShotsOfTheSecondAreNumbered)
{
    const NDateTime moment(QDateTime(QDate(2024, 5, 6), QTime(12, 30, 15)));
    EXPECT_EQ(ScreenshotFileName::Make(moment), QStringLiteral("2024-05-06 12-30-15.png"));
    EXPECT_EQ(ScreenshotFileName::Make(moment, 2), QStringLiteral("2024-05-06 12-30-15 (2).png"));
}
