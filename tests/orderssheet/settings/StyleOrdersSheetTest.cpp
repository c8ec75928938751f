#include "SheetSettingsFixture.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/settings/StyleOrdersSheet.h"
#include "platform/base/BinaryStringSerializer.h"
#include "platform/settings/Settings.h"
#include "styles/engine/ApplicationStylesContainer.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"
#include "tests/support/GuiTestApplication.h"
#include "tests/support/TestPaths.h"

#include <QImage>
#include <QPainter>

#include <deque>

namespace
{
using S = StyleOrdersSheet;

class StyleOrdersSheetTest : public SheetSettingsFixture
{
};

TEST_F(StyleOrdersSheetTest, SetValueNormalisesFlagsAndColourMode)
{
    struct Case
    {
        int id;
        qint32 written;
        qint32 read;
    };
    const Case cases[] = {
        {S::ParamHGridVisible, 1, 1}, {S::ParamHGridVisible, 2, 0}, {S::ParamVGridVisible, -1, 0},
        {S::ParamHighLight, 1, 1},    {S::ParamHighLight, 5, 0},    {S::ParamColorMode, 2, 2},
        {S::ParamColorMode, 0, 1},    {S::ParamColorMode, 3, 1},    {S::ParamCursorColor, 0x123456, 0x123456},
        {S::ParamChartSummIndexBkgColor, 7, 7},
        {S::ParamGridPenWidth, 3, 3}, {25, 9, 0},                   {2, 9, 0},
        {29, 9, 0},
    };
    for (const Case& c : cases)
    {
        S style;
        style.SetValue(c.id, c.written);
        EXPECT_EQ(style.GetValue(c.id), c.read) << c.id << " " << c.written;
    }
}

TEST_F(StyleOrdersSheetTest, OverridesWinAndClearAsSpecified)
{
    S style;
    Settings stored;
    style.Serialize(stored);
    stored["CursorColorCap"] = std::uint32_t(0x00AA00);
    style.Unserialize(stored);
    EXPECT_EQ(style.GetValue(S::ParamCursorColor), 0x00AA00);

    style.SetColourValue(S::ParamCursorColor, 0x0000BB);
    EXPECT_EQ(style.GetValue(S::ParamCursorColor), 0x0000BB) << "the transient colour wins";
    style.SetColourValue(S::ParamCursorColor, S::kNoColour);
    EXPECT_EQ(style.GetValue(S::ParamCursorColor), 0x00AA00) << "the saved override shows again";
    style.ClearColourValue(S::ParamCursorColor);
    EXPECT_EQ(style.GetValue(S::ParamCursorColor), 0x0000FF) << "both overrides gone";

    style.SetColourValue(S::ParamHGridVisible, 0);
    style.SetValue(S::ParamHGridVisible, 1);
    EXPECT_EQ(style.GetValue(S::ParamHGridVisible), 0);
    style.ClearColourValue(S::ParamHGridVisible);
    EXPECT_EQ(style.GetValue(S::ParamHGridVisible), 1);

    style.SetColourValue(S::ParamHighLight, 0);
    style.ClearColourValue(S::ParamHighLight);
    EXPECT_EQ(style.GetValue(S::ParamHighLight), 0) << "the highlight override has no clearing";

    style.SetColourValue(S::ParamGridPenWidth, 4);
    style.SetColourValue(S::ParamGridPenColor, 0x0000FF);
    EXPECT_EQ(style.GetValue(S::ParamGridPenWidth), 4);
    style.ClearColourValue(S::ParamGridPenWidth);
    EXPECT_EQ(style.GetValue(S::ParamGridPenWidth), 1) << "the width comes back from the own pen";
    EXPECT_EQ(style.GetValue(S::ParamGridPenColor), 0x0000FF) << "the other components keep the override";
    style.ClearColourValue(S::ParamGridPenOverride);
    EXPECT_EQ(style.GetValue(S::ParamGridPenColor), 0);
}

TEST_F(StyleOrdersSheetTest, RoundTripKeepsEveryOverrideButTheTransientColour)
{
    S style;
    style.SetValue(S::ParamChartSummChartGridColor, 0x010203);
    style.SetValue(S::ParamColorMode, 2);
    style.SetGdiObject(S::ParamGridPen, LogPen{LogPen::kStyleDot, {2, 0}, ColorRef(0x112233)});
    style.GetOwnStyle(S::RelationEvenRow)->SetValue(StyleTextField::ParamBkColor, 0x445566);
    style.SetColourValue(S::ParamHGridVisible, 0);
    style.SetColourValue(S::ParamVGridVisible, 0);
    style.SetColourValue(S::ParamHighLight, 0);
    style.SetColourValue(S::ParamHighLightColor, 0x00FF00);
    style.SetColourValue(S::ParamColorMode, 2);
    style.SetColourValue(S::ParamGridPenStyle, LogPen::kStyleDash);
    style.SetColourValue(S::ParamCursorColor, 0x777777);

    Settings stored;
    style.Serialize(stored);
    S read;
    read.Unserialize(stored);

    for (int id = 3; id <= 28; ++id)
    {
        if (id != S::ParamCursorColor)
        {
            EXPECT_EQ(read.GetValue(id), style.GetValue(id)) << id;
        }
    }
    EXPECT_EQ(read.GetValue(S::ParamCursorColor), 0x0000FF) << "the transient colour is never written";
    EXPECT_EQ(read.GetOwnStyle(S::RelationEvenRow)->GetValue(StyleTextField::ParamBkColor), 0x445566);
    EXPECT_EQ(read.GetRelatedStyle(S::RelationEvenRow), read.GetOwnStyle(S::RelationEvenRow));
    EXPECT_FALSE(stored.Exists(QStringLiteral("CursorColorCap")));
}

TEST_F(StyleOrdersSheetTest, StoredColourModeOtherThanTwoReadsAsRows)
{
    for (const auto& key : {QStringLiteral("ColorMode"), QStringLiteral("ColorModeCap")})
    {
        for (qint32 stored : {0, 3, 2})
        {
            S style;
            Settings node;
            style.Serialize(node);
            node[key] = std::int32_t(stored);
            S read;
            read.Unserialize(node);
            EXPECT_EQ(read.GetValue(S::ParamColorMode), stored == 2 ? 2 : 1) << key.toStdString() << " " << stored;
        }
    }
}

TEST_F(StyleOrdersSheetTest, MissingOrCorruptPenKeepsTheCurrentPen)
{
    S style;
    style.SetGdiObject(S::ParamGridPen, LogPen{LogPen::kStyleDash, {3, 0}, ColorRef(0x010101)});
    const LogPen before = style.EffectivePen();
    for (const QString& text : {QStringLiteral("zz"), QStringLiteral("00"), QString()})
    {
        Settings node;
        node[QStringLiteral("GridPen")] = text;
        node[QStringLiteral("GridPenCap")] = text;
        style.Unserialize(node);
        EXPECT_EQ(style.EffectivePen(), before) << text.toStdString();
    }
    LogPen badStyle{99, {1, 0}, ColorRef(0)};
    Settings node;
    node[QStringLiteral("GridPen")] = BinaryStringSerializer::ConvertBinToText(badStyle);
    style.Unserialize(node);
    EXPECT_EQ(style.EffectivePen(), before);
}

TEST_F(StyleOrdersSheetTest, RelatedStylesOnlyForRowIds)
{
    S style;
    EXPECT_THROW(style.SetRelatedStyle(3, StyleTextField::CreateInstance()), InvalidArgException);
    EXPECT_EQ(style.GetRelatedStyle(3), nullptr);
    EXPECT_NE(style.GetRelatedStyle(S::RelationCurrValueRow), nullptr);
}

TEST_F(StyleOrdersSheetTest, CopySettingsSkipsOverriddenFieldsButAlwaysCopiesHighlightAndChart)
{
    auto source = S::CreateInstance();
    source->SetValue(S::ParamHGridVisible, 0);
    source->SetValue(S::ParamVGridVisible, 0);
    source->SetValue(S::ParamHighLight, 0);
    source->SetValue(S::ParamHighLightColor, 0x00FF00);
    source->SetValue(S::ParamChartBuyRealValColor, 0x0A0B0C);
    source->SetValue(S::ParamGridPenWidth, 5);
    source->GetOwnStyle(S::RelationOddRow)->SetValue(StyleTextField::ParamBkColor, 0x111111);

    S target;
    target.SetColourValue(S::ParamHGridVisible, 1);
    target.SetColourValue(S::ParamVGridVisible, 1);
    target.SetColourValue(S::ParamHighLight, 1);
    target.SetColourValue(S::ParamGridPenWidth, 1);
    target.CopySettingsFromSelectedStyle(source);

    EXPECT_EQ(target.GetValue(S::ParamHGridVisible), 1);
    EXPECT_EQ(target.GetValue(S::ParamVGridVisible), 1);
    EXPECT_EQ(target.GetValue(S::ParamGridPenWidth), 1) << "the override pen stays";
    target.ClearColourValue(S::ParamHGridVisible);
    EXPECT_EQ(target.GetValue(S::ParamHGridVisible), 1) << "the stored flag was not copied under the override";
    EXPECT_EQ(target.GetValue(S::ParamHighLightColor), 0x00FF00);
    EXPECT_EQ(target.GetValue(S::ParamChartBuyRealValColor), 0x0A0B0C);
    EXPECT_EQ(target.GetOwnStyle(S::RelationOddRow)->GetValue(StyleTextField::ParamBkColor), 0x111111);
}

TEST_F(StyleOrdersSheetTest, UpdateChangedParameterKeepsTheOldValueAsOverride)
{
    S named;
    named.SetValue(S::ParamHighLightColor, 0x00FF00);
    S window;
    window.UpdateChangedParameter(named, S::ParamHighLightColor);
    EXPECT_EQ(window.GetValue(S::ParamHighLightColor), 0x0000FF) << "the window keeps its value";
    window.ClearColourValue(S::ParamHighLightColor);
    EXPECT_EQ(window.GetValue(S::ParamHighLightColor), 0x00FF00) << "the stored value is the named style's";

    S equal;
    equal.UpdateChangedParameter(S(), S::ParamHighLightColor);
    equal.ClearColourValue(S::ParamHighLightColor);
    EXPECT_EQ(equal.GetValue(S::ParamHighLightColor), 0x0000FF);
}

TEST_F(StyleOrdersSheetTest, PreviewStripesColumnsInModeTwoAndRowsInModeOne)
{
    GuiTestApplication::Ensure();
    S style;
    style.GetOwnStyle(S::RelationEvenRow)->SetValue(StyleTextField::ParamBkColor, 0x0000FF);  // red
    style.GetOwnStyle(S::RelationOddRow)->SetValue(StyleTextField::ParamBkColor, 0xFF0000);   // blue
    style.GetOwnStyle(S::RelationCurrValueRow)->SetValue(StyleTextField::ParamBkColor, 0x00FF00);
    style.SetValue(S::ParamHGridVisible, 0);
    style.SetValue(S::ParamVGridVisible, 0);
    auto paint = [&style] {
        QImage image(style.PreviewSourceSize(), QImage::Format_RGB32);
        QPainter painter(&image);
        style.PaintPreview(painter);
        return image;
    };
    // Row 0 is at the top, row 1 below; column 0 starts at x 3, column 1 further right.
    const QImage byRows = paint();
    EXPECT_EQ(byRows.pixelColor(5, 2), QColor(Qt::red));
    EXPECT_EQ(byRows.pixelColor(60, 2), QColor(Qt::red));
    const int rowHeight = [&] {
        int y = 0;
        while (byRows.pixelColor(5, y) == QColor(Qt::red))
            ++y;
        return y;
    }();
    EXPECT_EQ(byRows.pixelColor(5, rowHeight + 2), QColor(Qt::blue));
    EXPECT_EQ(byRows.pixelColor(5, 5 * rowHeight + 2), QColor(Qt::green)) << "the current-value row";

    style.SetValue(S::ParamColorMode, 2);
    const QImage byColumns = paint();
    EXPECT_EQ(byColumns.pixelColor(5, rowHeight + 2), QColor(Qt::red));
    EXPECT_EQ(byColumns.pixelColor(215, rowHeight + 2), QColor(Qt::blue)) << "column 5 is odd";
    EXPECT_EQ(byColumns.pixelColor(215, 5 * rowHeight + 2), QColor(Qt::green));
}

TEST_F(StyleOrdersSheetTest, KindIsKnownWithDefaultStylesNamedByTheShippedThemes)
{
    StylesContainer& styles = StylesContainer::Instance();
    styles.LoadStyles(QString(), true);
    std::deque<std::shared_ptr<StyleBase>> sheetStyles;
    styles.GetAllStylesOfKind(S::Type, sheetStyles);
    ASSERT_EQ(sheetStyles.size(), 2u);

    auto loaded = StyleBase::LoadStyle([&] {
        Settings node;
        sheetStyles.front()->Serialize(node);
        return node;
    }());
    ASSERT_NE(std::dynamic_pointer_cast<S>(loaded), nullptr);

    ApplicationStylesContainer themes;
    ASSERT_TRUE(themes.LoadStyles(TestPaths::Themes()));
    std::deque<std::shared_ptr<ApplicationStyle>> all;
    themes.GetStyles(all);
    ASSERT_FALSE(all.empty());
    for (const auto& theme : all)
    {
        const auto& windowStyles = theme->GetWindowStyles();
        ASSERT_EQ(windowStyles.count(QStringLiteral("Arkusz zlecen")), 1u) << theme->GetName().toStdString();
        EXPECT_NE(styles.FindStyle(windowStyles.at(QStringLiteral("Arkusz zlecen")), S::Type), nullptr)
            << theme->GetName().toStdString();
    }
}
}
