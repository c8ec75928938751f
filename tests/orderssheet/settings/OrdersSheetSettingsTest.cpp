#include "SheetSettingsFixture.h"

#include "orderssheet/settings/OrdersSheetSettings.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

namespace
{
using S = StyleOrdersSheet;

class OrdersSheetSettingsTest : public SheetSettingsFixture
{
protected:
    static std::shared_ptr<S> AddSheetStyle(qint32 cursorColour)
    {
        auto style = S::CreateInstance();
        style->SetValue(S::ParamCursorColor, cursorColour);
        StylesContainer::Instance().AddStyle(style);
        return style;
    }
};

TEST_F(OrdersSheetSettingsTest, StateWithoutGeneralKeepsDefaults)
{
    OrdersSheetSettings settings;
    settings.summaryVisible = false;
    settings.borderValue = 0.5;
    settings.UnserializeState(Settings());
    settings.LoadFromTemplate(Settings());
    EXPECT_FALSE(settings.summaryVisible);
    EXPECT_DOUBLE_EQ(settings.borderValue, 0.5);

    OrdersSheetSettings defaults;
    EXPECT_DOUBLE_EQ(defaults.borderValue, 0.25);
    EXPECT_EQ(defaults.borderKind, 1);
    EXPECT_EQ(defaults.colorMode, 2);
    EXPECT_TRUE(defaults.chartVisible && defaults.summaryVisible && defaults.ordersPaneVisible &&
                defaults.rowCurrValueVisible && defaults.vScrollVisible && defaults.cursorVisible);
    EXPECT_FALSE(defaults.columnsLocked);
    EXPECT_EQ(defaults.GetTableSettings().GetTextMargin(), 5);
}

TEST_F(OrdersSheetSettingsTest, BorderValueFromTemplateOrOwnState)
{
    struct Case
    {
        double stored;
        bool fromTemplate;
        double read;
    };
    const Case cases[] = {
        {25, true, 0.25},  {0.25, true, 0.25}, {0.25, false, 0.25}, {100, true, 1.0},
        {250, true, 0.33}, {-1, false, 0.33},  {7, false, 0.33},
    };
    for (const Case& c : cases)
    {
        Settings node;
        node[QStringLiteral("General")][QStringLiteral("BorderVal")] = c.stored;
        OrdersSheetSettings settings;
        settings.borderValue = 0.33;
        if (c.fromTemplate)
            settings.LoadFromTemplate(node);
        else
            settings.UnserializeState(node);
        EXPECT_DOUBLE_EQ(settings.borderValue, c.read) << c.stored << " " << c.fromTemplate;
    }
}

TEST_F(OrdersSheetSettingsTest, StateRoundTripThroughAWindowFile)
{
    const auto origin = AddSheetStyle(0x00AA00);
    OrdersSheetSettings settings;
    settings.SetStyleEditState(origin->GetId(), true);
    settings.EndStyleEdit();
    settings.chartVisible = false;
    settings.columnsLocked = true;
    settings.colorMode = 1;
    settings.borderKind = 0;
    settings.borderValue = 0.4;
    settings.GetTableSettings().SetMode(2);
    settings.GetOwnStyle()->SetColourValue(S::ParamHighLightColor, 0x000033);

    Settings state;
    settings.SerializeState(state, false);
    EXPECT_EQ(state[QStringLiteral("General")][QStringLiteral("OriginStyleId")].ToString(), origin->GetGuidText());
    const QString path = home.Path() + QStringLiteral("/window.q4sOS");
    ASSERT_TRUE(state.SaveToFile(path, QStringLiteral("OrdersSheetObject")));
    Settings loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path, QStringLiteral("OrdersSheetObject")));

    OrdersSheetSettings read;
    read.UnserializeState(loaded);
    EXPECT_FALSE(read.chartVisible);
    EXPECT_TRUE(read.columnsLocked);
    EXPECT_EQ(read.colorMode, 1);
    EXPECT_EQ(read.borderKind, 0);
    EXPECT_DOUBLE_EQ(read.borderValue, 0.4);
    EXPECT_EQ(read.GetTableSettings().GetMode(), 2);
    EXPECT_EQ(read.GetOriginStyleId(), origin->GetId());
    EXPECT_EQ(read.GetStyle()->GetValue(S::ParamCursorColor), 0x00AA00);
    EXPECT_EQ(read.GetStyle()->GetValue(S::ParamHighLightColor), 0x000033);

    Settings wrongRoot;
    EXPECT_FALSE(wrongRoot.LoadFromFile(path, QStringLiteral("SessionStatistics")));
}

TEST_F(OrdersSheetSettingsTest, DeletedOriginIsWrittenAsNull)
{
    const auto origin = AddSheetStyle(0x00AA00);
    OrdersSheetSettings settings;
    settings.SetStyleEditState(origin->GetId(), true);
    settings.EndStyleEdit();
    StylesContainer::Instance().RemoveStyle(origin->GetId());
    Settings state;
    settings.SerializeState(state, false);
    EXPECT_EQ(state[QStringLiteral("General")][QStringLiteral("OriginStyleId")].ToString(), QStringLiteral("{null}"));
}

TEST_F(OrdersSheetSettingsTest, NextGenerationSummaryShowsWhenBothPanesAreHidden)
{
    struct Case
    {
        bool summary;
        bool orders;
        bool shown;
    };
    for (const Case& c : {Case{true, true, true}, Case{false, true, false}, Case{false, false, true}, Case{true, false, true}})
    {
        OrdersSheetSettings settings;
        settings.summaryVisible = c.summary;
        settings.ordersPaneVisible = c.orders;
        Q5Settings node;
        settings.SaveToQ5Format(node);
        const Settings read = ReadBack(node);
        EXPECT_EQ(read[QStringLiteral("General")][QStringLiteral("SummWndShow")].ToBool(), c.shown);
        EXPECT_FALSE(read[QStringLiteral("General")].Exists(QStringLiteral("ColorMode")));
        EXPECT_FALSE(read.Exists(QStringLiteral("StyleOwn")));
    }
}

TEST_F(OrdersSheetSettingsTest, FontSizeSteps)
{
    struct Case
    {
        int height;
        bool grow;
        int result;
    };
    const Case cases[] = {
        {12, true, 14}, {13, false, 12}, {72, true, 72}, {6, false, 6},  {100, true, 72},
        {100, false, 72}, {5, true, 6},  {5, false, 6},  {48, true, 72}, {-12, true, 14},
    };
    for (const Case& c : cases)
    {
        StyleTextField style;
        LogFont font = *style.GetGdiObject(StyleTextField::ParamFont).Font();
        font.lfHeight = c.height;
        style.SetGdiObject(StyleTextField::ParamFont, font);
        OrdersSheetSettings::StepFontSize(style, c.grow);
        EXPECT_EQ(style.GetGdiObject(StyleTextField::ParamFont).Font()->lfHeight, -c.result) << c.height << " " << c.grow;
        EXPECT_TRUE(style.IsChangedParameter(0) && style.IsChangedParameter(11));
    }
}

TEST_F(OrdersSheetSettingsTest, CellTextStylePrecedence)
{
    const auto columnNamed = AddTextStyle(0x0000C0);
    OrdersSheetSettings settings;
    OrdersSheetTableSettings& table = settings.GetTableSettings();
    OrdersSheetTableSettings::SelectColumnStyle(table.GetColumnForDisplayPos(1, 1), columnNamed->GetId());
    table.GetRowsStyleSet().GetStyleForPaint(0, QStringLiteral("row"));
    const auto rowStyle = table.GetRowsStyleSet().GetStyle(0, QStringLiteral("row"));
    const auto sheet = settings.GetStyle();

    struct Case
    {
        int colorMode;
        int pos;
        const char* key;
        int rowIndex;
        int columnIndex;
        std::shared_ptr<StyleBase> expected;
    };
    const Case cases[] = {
        {1, 1, "row", 0, 0, rowStyle},
        {0, 1, "row", 0, 0, columnNamed},
        {1, 1, "", 0, 0, columnNamed},
        {0, 0, "row", 0, 0, rowStyle},
        {1, 0, "", -1, 0, sheet->GetRelatedStyle(S::RelationCurrValueRow)},
        {1, 0, "", 4, 1, sheet->GetRelatedStyle(S::RelationOddRow)},
        {1, 0, "", 3, 0, sheet->GetRelatedStyle(S::RelationEvenRow)},
        {0, 0, "", 3, 0, sheet->GetRelatedStyle(S::RelationOddRow)},
        {0, 0, "", 3, -1, sheet->GetRelatedStyle(S::RelationEvenRow)},
    };
    for (const Case& c : cases)
    {
        settings.colorMode = c.colorMode;
        EXPECT_EQ(settings.GetCellTextStyle(c.pos, QString::fromLatin1(c.key), c.rowIndex, c.columnIndex), c.expected)
            << c.colorMode << " " << c.pos << " " << c.key << " " << c.rowIndex << " " << c.columnIndex;
    }

    settings.colorMode = OrdersSheetSettings::kColorModeFromStyle;
    sheet->SetValue(S::ParamColorMode, S::ByColumns);
    EXPECT_EQ(settings.GetCellTextStyle(1, QStringLiteral("row"), 0, 0), columnNamed) << "the style stripes by columns";
    sheet->SetValue(S::ParamColorMode, S::ByRows);
    EXPECT_EQ(settings.GetCellTextStyle(1, QStringLiteral("row"), 0, 0), rowStyle);
}

TEST_F(OrdersSheetSettingsTest, StyleEditSequences)
{
    const auto first = AddSheetStyle(0x000001);
    const auto second = AddSheetStyle(0x000002);
    OrdersSheetSettings settings;
    settings.SetStyleEditState(first->GetId(), true);
    settings.EndStyleEdit();
    ASSERT_EQ(settings.GetOriginStyleId(), first->GetId());

    // Trying another style, then cancelling: the state before the edit comes back.
    settings.SetStyleEditState(second->GetId(), true);
    EXPECT_EQ(settings.GetStyle()->GetValue(S::ParamCursorColor), 0x000002);
    settings.SetStyleEditState(OrdersSheetSettings::kRestoreBackupStyleId, false);
    EXPECT_EQ(settings.GetStyle()->GetValue(S::ParamCursorColor), 0x000001);
    EXPECT_EQ(settings.GetOriginStyleId(), first->GetId());
    EXPECT_FALSE(settings.IsStyleEditing());

    // Choosing no named style ends with the module's window style.
    settings.SetStyleEditState(0, true);
    settings.EndStyleEdit();
    EXPECT_EQ(settings.GetOriginStyleId(), 0);
    EXPECT_EQ(settings.GetStyle()->GetValue(S::ParamCursorColor), 0x0000FF);
}

TEST_F(OrdersSheetSettingsTest, RestoreRowParameterFromOrigin)
{
    const auto origin = AddSheetStyle(0x000001);
    origin->GetOwnStyle(S::RelationCurrValueRow)->SetValue(StyleTextField::ParamBkColor, 0x0000AB);
    OrdersSheetSettings settings;
    settings.SetStyleEditState(origin->GetId(), true);
    settings.EndStyleEdit();
    const auto own = settings.GetOwnStyle();
    own->GetRelatedStyle(S::RelationCurrValueRow)->SetValue(StyleTextField::ParamBkColor, 0x000001);

    settings.RestoreStyleParameter(3, StyleTextField::ParamBkColor);
    EXPECT_EQ(own->GetRelatedStyle(S::RelationCurrValueRow)->GetValue(StyleTextField::ParamBkColor), 0x000001);
    settings.RestoreStyleParameter(4, StyleTextField::ParamBkColor);
    EXPECT_EQ(own->GetRelatedStyle(S::RelationCurrValueRow)->GetValue(StyleTextField::ParamBkColor), 0x0000AB);
    EXPECT_TRUE(own->GetRelatedStyle(S::RelationCurrValueRow)->IsChangedParameter(StyleTextField::ParamBkColor));
}
}
