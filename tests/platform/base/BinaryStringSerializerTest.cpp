#include "platform/base/BinaryStringSerializer.h"

#include <gtest/gtest.h>

TEST(BinaryStringSerializerTest, FontsAndPensRoundTripThroughText)
{
    LogFont font;
    font.lfHeight = -16;
    font.lfWeight = 600;
    font.lfUnderline = 1;
    font.SetFaceName(QStringLiteral("Żółć"));
    const QString fontText = BinaryStringSerializer::ConvertBinToText(font);
    EXPECT_EQ(fontText.size(), 184);
    LogFont readFont;
    ASSERT_TRUE(BinaryStringSerializer::ConvertTextToBin(fontText, readFont));
    EXPECT_EQ(readFont, font);

    const LogPen pen{LogPen::kStyleDashDot, Point{2, 0}, ColorRef(0x00123456)};
    const QString penText = BinaryStringSerializer::ConvertBinToText(pen);
    EXPECT_EQ(penText, QStringLiteral("03000000020000000000000056341200"));
    LogPen readPen;
    ASSERT_TRUE(BinaryStringSerializer::ConvertTextToBin(penText.toLower(), readPen));
    EXPECT_EQ(readPen, pen);
}

TEST(BinaryStringSerializerTest, RejectsTextOfWrongLengthOrWithOtherCharactersLeavingOutputAlone)
{
    const LogPen original{LogPen::kStyleDot, Point{5, 0}, ColorRef(0x00FF00)};
    const QString good = BinaryStringSerializer::ConvertBinToText(LogPen{});
    for (const QString& bad : {QString(), good.left(31), good + QStringLiteral("00"), good.left(30) + QStringLiteral("0G"),
                               QStringLiteral(" ") + good.mid(1), good.left(30) + QStringLiteral("ą0")})
    {
        LogPen pen = original;
        EXPECT_FALSE(BinaryStringSerializer::ConvertTextToBin(bad, pen)) << bad.toStdString();
        EXPECT_EQ(pen, original);
    }
    LogFont font;
    font.lfHeight = 7;
    EXPECT_FALSE(BinaryStringSerializer::ConvertTextToBin(good, font));  // a pen's text is no font
    EXPECT_EQ(font.lfHeight, 7);
}
