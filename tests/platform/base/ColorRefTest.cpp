#include "platform/base/ColorRef.h"

#include <gtest/gtest.h>

TEST(ColorRefTest, KeepsBlueGreenRedInTheLowBytes)
{
    const ColorRef color = ColorRef::FromRgb(0x12, 0x34, 0x56);
    EXPECT_EQ(color.Value(), 0x00563412u);
    EXPECT_EQ(color.Red(), 0x12);
    EXPECT_EQ(color.Green(), 0x34);
    EXPECT_EQ(color.Blue(), 0x56);
    EXPECT_EQ(color.ToQColor(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ColorRef::FromQColor(QColor(0x12, 0x34, 0x56, 0x80)), color);  // alpha dropped
    EXPECT_EQ(ColorRef(0x0000C8).ToQColor(), QColor(200, 0, 0));
    EXPECT_FALSE(ColorRef::FromQColor(QColor()));
}

TEST(ColorRefTest, SpecialValuesNeverBecomeColours)
{
    for (quint32 value : {ColorRef::kStyleOwnValue, ColorRef::kOneStepLarger, ColorRef::kOneStepSmaller, 0xFFFFFFFFu, 0x01000000u})
    {
        const ColorRef special(value);
        EXPECT_FALSE(special.IsColor()) << value;
        EXPECT_FALSE(special.ToQColor()) << value;
        EXPECT_EQ(special.ToQColor(Qt::magenta), QColor(Qt::magenta)) << value;
    }
    EXPECT_TRUE(ColorRef(ColorRef::kStyleOwnValue).IsStyleOwnValue());
    EXPECT_TRUE(ColorRef(0x00FFFFFF).IsColor());
}
