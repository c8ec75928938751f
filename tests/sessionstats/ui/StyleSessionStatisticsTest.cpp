// The session-statistics style: its parameters, its stored form, and its preview.

#include "platform/settings/Settings.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "sessionstats/ui/TopPanePreviewPainter.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleTextField.h"
#include "tests/support/GuiTestApplication.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace
{
class StyleSessionStatisticsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        GuiTestApplication::Ensure();
        StyleSessionStatistics::RegisterKind();
    }
};

LogFont FontOf(int height)
{
    return StyleDefaults::Font(height);
}
}

TEST_F(StyleSessionStatisticsTest, ValuesFollowTheParameterTable)
{
    StyleSessionStatistics style;
    struct Case
    {
        int id;
        qint32 initial;
        qint32 written;
        qint32 read;
    };
    const Case cases[] = {
        {4, 1, 6, 6},          {5, 0x00C800, 0x123456, 0x123456}, {7, 0, 1, 1},  {8, 1, 0, 0},
        {10, 0x000000, 0xFF, 0xFF}, {11, 0x00C800, 1, 1}, {12, 0xC80000, 2, 2}, {13, 0x0000C8, 3, 3},
        {14, 0xFFFFFF, 4, 4},  {15, 0, 99, 0}, {16, 0, 2, 2}, {17, 0x5822FF, 0xABCDEF, 0xABCDEF},
        {18, 1, 3, 3},         {0, 0, 7, 0},   {6, 0, 7, 0},  {9, 0, 7, 0},   {19, 0, 7, 0}, {-1, 0, 7, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(style.GetValue(c.id), c.initial);
        style.SetValue(c.id, c.written);
        EXPECT_EQ(style.GetValue(c.id), c.read);
    }
    // The pen parameters are the pen's parts.
    const LogPen pen = style.GetGridLinePen();
    EXPECT_EQ(pen.lopnStyle, 2u);
    EXPECT_EQ(pen.lopnColor.Value(), 0xABCDEFu);
    EXPECT_EQ(style.GetGridLineWidth(), 3);
    for (int id : {0, 5, 7, 8, 10, 15})
        EXPECT_TRUE(style.GetGdiObject(id).IsEmpty()) << id;
    EXPECT_TRUE(style.GetGdiObject(6).IsPen());
    EXPECT_TRUE(style.GetGdiObject(9).IsFont());
}

TEST_F(StyleSessionStatisticsTest, TheBarHeightFollowsTheBarFont)
{
    StyleSessionStatistics style;
    style.SetGdiObject(StyleSessionStatistics::ParamOverallFont, FontOf(-12));
    EXPECT_EQ(style.OverallStyle().GetBarHeight(), 18);
    style.SetGdiObject(StyleSessionStatistics::ParamOverallFont, FontOf(-13));
    EXPECT_EQ(style.OverallStyle().GetBarHeight(), 19);
    // A pen is no font.
    style.SetGdiObject(StyleSessionStatistics::ParamOverallFont, style.GetGridLinePen());
    EXPECT_EQ(style.OverallStyle().GetBarHeight(), 19);
}

TEST_F(StyleSessionStatisticsTest, RelatedStylesAreTheFourTextStyles)
{
    StyleSessionStatistics style;
    for (int id = 0; id < 4; ++id)
    {
        ASSERT_NE(style.GetRelatedStyle(id), nullptr);
        EXPECT_EQ(style.GetRelatedStyle(id)->GetType(), StyleTextField::Type);
        EXPECT_TRUE(style.HasRelatedStyle(style.GetRelatedStyle(id)));
    }
    EXPECT_EQ(style.GetRelatedStyle(4), nullptr);
    EXPECT_FALSE(style.HasRelatedStyle(StyleTextField::CreateInstance()));
}

TEST_F(StyleSessionStatisticsTest, TheStoredFormKeepsEveryParameterAndMarksOnlyOwnStyles)
{
    for (int id : {StyleBase::kOwnStyleId, 7})
    {
        SCOPED_TRACE(id);
        StyleSessionStatistics style;
        style.SetId(id);
        for (int parameter : {4, 5, 7, 8, 10, 11, 12, 13, 14, 16, 17, 18})
            style.SetValue(parameter, style.GetValue(parameter) + 3);
        style.SetGdiObject(StyleSessionStatistics::ParamOverallFont, FontOf(-17));
        style.GetRelatedStyle(2)->SetValue(StyleTextField::ParamBkColor, 0x010203);
        style.SetChangedParameter(StyleSessionStatistics::ParamHighlightColor);
        style.SetChangedParameter(StyleSessionStatistics::ParamOverallBkColor);

        Settings node;
        style.Serialize(node);
        EXPECT_EQ(node.Exists(QStringLiteral("Parameter_EHighlightColor")), id == StyleBase::kOwnStyleId);
        EXPECT_EQ(node["OverallWindow"]["Font"].ToString().size(), 2 * LogFont::kByteSize);

        StyleSessionStatistics read;
        read.Unserialize(node);
        for (int parameter : {4, 5, 7, 8, 10, 11, 12, 13, 14, 16, 17, 18})
            EXPECT_EQ(read.GetValue(parameter), style.GetValue(parameter)) << parameter;
        EXPECT_EQ(read.GetGdiObject(9), style.GetGdiObject(9));
        EXPECT_EQ(read.OverallStyle().GetBarHeight(), 25);
        EXPECT_EQ(read.GetRelatedStyle(2)->GetValue(StyleTextField::ParamBkColor), 0x010203);
        EXPECT_TRUE(read.IsChangedParameter(StyleSessionStatistics::ParamHighlightColor));
        EXPECT_TRUE(read.IsChangedParameter(StyleSessionStatistics::ParamOverallBkColor));
    }
}

TEST_F(StyleSessionStatisticsTest, TheMarksAreReadWhateverTheId)
{
    Settings node;
    StyleSessionStatistics().Serialize(node);
    node["Parameter_EGridLineWidth"] = true;
    StyleSessionStatistics read;
    read.SetId(12);
    read.Unserialize(node);
    EXPECT_TRUE(read.IsChangedParameter(StyleSessionStatistics::ParamGridLineWidth));
}

TEST_F(StyleSessionStatisticsTest, CopyingASelectedStyleTakesItsLookButNotItsName)
{
    auto source = StyleSessionStatistics::CreateInstance();
    source->SetName(QStringLiteral("Źródło"));
    for (int parameter : {4, 5, 7, 8, 10, 11, 12, 13, 14, 16, 17, 18})
        source->SetValue(parameter, parameter * 7);
    source->SetGdiObject(StyleSessionStatistics::ParamOverallFont, FontOf(-20));
    source->GetRelatedStyle(1)->SetValue(StyleTextField::ParamFontColor, 0x0A0B0C);

    StyleSessionStatistics copy;
    copy.CopySettingsFromSelectedStyle(source);
    for (int parameter : {4, 5, 7, 8, 10, 11, 12, 13, 14, 16, 17, 18})
        EXPECT_EQ(copy.GetValue(parameter), parameter * 7) << parameter;
    EXPECT_EQ(copy.GetGdiObject(9), source->GetGdiObject(9));
    EXPECT_EQ(copy.GetRelatedStyle(1)->GetValue(StyleTextField::ParamFontColor), 0x0A0B0C);
    EXPECT_TRUE(copy.GetName().isEmpty());
}

TEST_F(StyleSessionStatisticsTest, ATallTopPaneWidensThePreviewInsteadOfSqueezingIt)
{
    StyleSessionStatistics style;
    const QSize normal = style.PreviewSourceSize();
    EXPECT_EQ(normal.width() * 2 / 3, normal.height());

    // A large bar font makes the bottom pane taller than two thirds of the width.
    style.SetGdiObject(StyleSessionStatistics::ParamOverallFont, FontOf(-200));
    const TopPanePreviewPainter::Metrics metrics = TopPanePreviewPainter::MeasureTopPane(style);
    const QSize tall = style.PreviewSourceSize();
    EXPECT_EQ(tall.height(), metrics.pane.height() + 2 * (5 + 300) + 20);
    EXPECT_EQ(tall.width(), tall.height() * 3 / 2);
}

TEST_F(StyleSessionStatisticsTest, PreviewLinesFollowTheFlagsAndColumnsTheWidestFont)
{
    StyleSessionStatistics style;
    style.SetValue(StyleSessionStatistics::ParamGridLineColor, 0x0000FF);
    const auto pensPixels = [&style] {
        QImage image(style.PreviewSourceSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TopPanePreviewPainter::PaintTopPane(style, painter);
        painter.end();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(255, 0, 0);
        return count;
    };
    EXPECT_GT(pensPixels(), 0);
    style.SetValue(StyleSessionStatistics::ParamVertGridVisible, 0);
    style.SetValue(StyleSessionStatistics::ParamHorzGridVisible, 0);
    EXPECT_EQ(pensPixels(), 0);

    const int narrow = TopPanePreviewPainter::MeasureTopPane(style).columnWidth;
    style.GetRelatedStyle(2)->SetGdiObject(StyleTextField::ParamFont, FontOf(-30));
    EXPECT_GT(TopPanePreviewPainter::MeasureTopPane(style).columnWidth, narrow);
}
