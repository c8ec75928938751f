#include "platform/base/LogFont.h"
#include "platform/base/LogPen.h"

#include "tests/support/GuiTestApplication.h"

#include <gtest/gtest.h>

namespace
{
LogFont SampleFont()
{
    LogFont font;
    font.lfHeight = -13;
    font.lfWeight = LogFont::kWeightBold;
    font.lfItalic = 1;
    font.lfStrikeOut = 1;
    font.lfCharSet = LogFont::kDefaultCharset;
    font.lfPitchAndFamily = LogFont::kFixedPitch | LogFont::kFamilyModern;
    font.SetFaceName(QStringLiteral("Łódź Sans"));
    return font;
}
}

TEST(LogFontTest, BytesFollowTheDocumentedLayout)
{
    LogFont font = SampleFont();
    font.lfWidth = 0x01020304;
    font.lfQuality = 0xAB;
    const QByteArray bytes = font.ToBytes();
    ASSERT_EQ(bytes.size(), 92);
    EXPECT_EQ(bytes.mid(0, 4), QByteArray::fromHex("f3ffffff"));  // -13
    EXPECT_EQ(bytes.mid(4, 4), QByteArray::fromHex("04030201"));
    EXPECT_EQ(bytes.mid(16, 4), QByteArray::fromHex("bc020000"));  // 700
    EXPECT_EQ(bytes.mid(20, 8), QByteArray::fromHex("010001010000ab31"));
    EXPECT_EQ(bytes.mid(28, 4), QByteArray::fromHex("4101f300"));  // "Łó" in UTF-16LE
    EXPECT_EQ(LogFont::FromBytes(bytes), font);
    EXPECT_FALSE(LogFont::FromBytes(bytes.left(91)));
}

TEST(LogFontTest, FaceNameKeepsAtMost31UnitsAndNeverHalfACharacter)
{
    LogFont font;
    font.SetFaceName(QString(40, u'x'));
    EXPECT_EQ(font.FaceName(), QString(31, u'x'));
    EXPECT_EQ(font.lfFaceName[31], u'\0');

    const QString withPair = QString(30, u'x') + QString::fromUtf16(u"\U0001F600");
    font.SetFaceName(withPair);
    EXPECT_EQ(font.FaceName(), QString(30, u'x'));
}

TEST(LogFontTest, QFontRoundTripKeepsWhatQtCanExpress)
{
    GuiTestApplication::Ensure();
    const LogFont font = SampleFont();
    const QFont qfont = font.ToQFont();
    EXPECT_EQ(qfont.family(), QStringLiteral("Łódź Sans"));
    EXPECT_EQ(qfont.pixelSize(), 13);
    EXPECT_EQ(qfont.weight(), QFont::Bold);
    EXPECT_TRUE(qfont.italic());
    EXPECT_FALSE(qfont.underline());
    EXPECT_TRUE(qfont.strikeOut());
    EXPECT_TRUE(qfont.fixedPitch());
    EXPECT_EQ(LogFont::FromQFont(qfont), font);

    QFont points(QStringLiteral("Serif"));
    points.setPointSize(9);
    EXPECT_EQ(LogFont::FromQFont(points).lfHeight, -12);  // 9 pt at 96 dpi
    EXPECT_EQ(LogFont::FromQFont(points, 120).lfHeight, -15);
}

TEST(LogPenTest, ConvertsToQPenAndRefusesWhatIsNoPen)
{
    const LogPen pen{LogPen::kStyleDash, Point{3, 0}, ColorRef::FromRgb(255, 0, 0)};
    const auto qpen = pen.ToQPen();
    ASSERT_TRUE(qpen);
    EXPECT_EQ(qpen->style(), Qt::DashLine);
    EXPECT_EQ(qpen->width(), 3);
    EXPECT_EQ(qpen->color(), QColor(255, 0, 0));
    EXPECT_EQ(LogPen::FromQPen(*qpen), pen);
    EXPECT_EQ(LogPen::FromQPen(QPen(Qt::NoPen)).lopnStyle, LogPen::kStyleNull);

    EXPECT_FALSE((LogPen{7, Point{1, 0}, ColorRef()}).ToQPen());
    EXPECT_FALSE((LogPen{LogPen::kStyleSolid, Point{1, 0}, ColorRef(ColorRef::kStyleOwnValue)}).ToQPen());
}

TEST(LogPenTest, BytesAreFourLittleEndianWords)
{
    const LogPen pen{LogPen::kStyleDot, Point{2, 0}, ColorRef(0x00C80000)};
    EXPECT_EQ(pen.ToBytes(), QByteArray::fromHex("02000000" "02000000" "00000000" "0000c800"));
    EXPECT_EQ(LogPen::FromBytes(pen.ToBytes()), pen);
    EXPECT_FALSE(LogPen::FromBytes(QByteArray(17, '\0')));
}
