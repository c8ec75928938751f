#include "SheetSettingsFixture.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/settings/OrdersSheetTableSettings.h"
#include "platform/base/QuorvantaException.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

namespace
{
using T = OrdersSheetTableSettings;

class OrdersSheetTableSettingsTest : public SheetSettingsFixture
{
protected:
    OrdersSheetTableSettingsTest() { table.ApplyDefaults(); }

    std::vector<QString> Shown(int mode) const
    {
        std::vector<QString> captions;
        for (int pos = 0; pos < T::GetDisplayCount(mode); ++pos)
            captions.push_back(T::GetColumnCaption(mode, table.GetColumnForDisplayPos(mode, pos).kind));
        return captions;
    }

    T table;
};

TEST_F(OrdersSheetTableSettingsTest, OrdersModeNeverShowsTheSheetPriceAndMovesByDisplayPosition)
{
    EXPECT_EQ(Shown(T::kOrdersMode).size(), 9u);
    EXPECT_EQ(Shown(T::kOrdersMode)[1], QStringLiteral("Cena zlecenia"));
    EXPECT_EQ(Shown(T::kOrdersMode)[2], QStringLiteral("Wolumen"));
    EXPECT_THROW(table.GetColumnForDisplayPos(T::kOrdersMode, 9), InvalidArgException);
    EXPECT_THROW(table.GetColumnForDisplayPos(T::kOffersMode, 8), InvalidArgException);
    EXPECT_EQ(T::GetColumnCaption(T::kOffersMode, 8), QStringLiteral("Error"));

    ASSERT_TRUE(table.MoveColumn(0, 8));
    EXPECT_EQ(Shown(T::kOrdersMode).back(), QStringLiteral("Numer"));
    EXPECT_EQ(table.GetColumnPosition(T::kOrdersMode, T::kHiddenOrdersKind), 1);
    for (const QString& caption : Shown(T::kOrdersMode))
        EXPECT_NE(caption, QStringLiteral("Cena arkusza"));

    table.ApplyDefaults();
    ASSERT_TRUE(table.MoveColumn(2, 0));
    EXPECT_EQ(Shown(T::kOrdersMode)[0], QStringLiteral("Wolumen"));
    EXPECT_EQ(table.GetColumnPosition(T::kOrdersMode, T::kHiddenOrdersKind), 3);

    EXPECT_FALSE(table.MoveColumn(9, 0));
    EXPECT_FALSE(table.MoveColumn(0, 9));
    EXPECT_FALSE(table.MoveColumn(-1, 0));

    table.SetMode(T::kOffersMode);
    ASSERT_TRUE(table.MoveColumn(7, 0));
    EXPECT_EQ(Shown(T::kOffersMode)[0], QStringLiteral("Średnia cena"));
    EXPECT_EQ(Shown(T::kOrdersMode)[0], QStringLiteral("Wolumen")) << "the other mode keeps its layout";
}

TEST_F(OrdersSheetTableSettingsTest, MissingKindRaisesInvalidObjectState)
{
    table.Columns(T::kOffersMode).pop_back();
    try
    {
        table.GetColumnPropertiesForPos(T::kOffersMode, 7);
        FAIL();
    }
    catch (const QuorvantaException& error)
    {
        EXPECT_EQ(error.Text(), QStringLiteral("Invalid object state!"));
        EXPECT_EQ(error.Line(), 425);
    }
}

TEST_F(OrdersSheetTableSettingsTest, SeriesPrecisionsFollowTheKindNotThePosition)
{
    table.MoveColumn(0, 8);
    table.ApplySeriesPrecisions({DSProp(2, QStringLiteral("Kurs"), 4, 4, 1), DSProp(3, QStringLiteral("Wolumen"), 0),
                                 DSProp(15, QStringLiteral("Suma"), 9), DSProp(7, QStringLiteral("Inna"), 5)});
    struct Case
    {
        int mode;
        int kind;
        int min;
        int precision;
    };
    const Case cases[] = {
        {T::kOrdersMode, 1, 1, 4}, {T::kOrdersMode, 2, 1, 4}, {T::kOrdersMode, 9, 1, 1}, {T::kOrdersMode, 4, 2, 2},
        {T::kOrdersMode, 8, 2, 2}, {T::kOrdersMode, 3, 0, 0}, {T::kOrdersMode, 7, 0, 0}, {T::kOrdersMode, 0, 0, 0},
        {T::kOffersMode, 2, 1, 4}, {T::kOffersMode, 7, 1, 1}, {T::kOffersMode, 4, 2, 2}, {T::kOffersMode, 6, 2, 2},
        {T::kOffersMode, 5, 0, 0},
    };
    for (const Case& c : cases)
    {
        const T::ColumnPrecision& precision = table.GetColumnPrecision(c.mode, c.kind);
        EXPECT_EQ(precision.Min(), c.min) << c.mode << "/" << c.kind;
        EXPECT_EQ(precision.Value(), c.precision) << c.mode << "/" << c.kind;
    }
    EXPECT_EQ(table.GetColumnPrecision(T::kOrdersMode, 7).precision, 9) << "stored as given, read within 0..6";
    EXPECT_THROW(table.GetColumnPrecision(T::kOffersMode, 8), InvalidArgException);
}

TEST_F(OrdersSheetTableSettingsTest, RoundTripKeepsLayoutAndOwnStyles)
{
    const auto named = AddTextStyle(0x0000AA);
    table.MoveColumn(2, 0);
    table.SetMode(T::kOffersMode);
    T::ColumnProperties& first = table.GetColumnForDisplayPos(T::kOrdersMode, 0);
    first.width = 133;
    first.visible = false;
    T::SetColumnStyle(first, named->GetId(), false);
    T::ApplyEditedColumnStyle(first);
    first.style->SetValue(StyleTextField::ParamBkColor, 0x00EE00);
    ASSERT_EQ(T::GetColumnStyle(first), first.style);

    Settings node;
    table.Serialize(node);
    EXPECT_EQ(node[QStringLiteral("OrdersTabColStylId0")].ToInt(), named->GetId());
    StylesContainer::Instance().RemoveStyle(named->GetId());

    T read;
    read.ApplyDefaults();
    read.Unserialize(node);
    EXPECT_EQ(read.GetMode(), T::kOffersMode);
    const T::ColumnProperties& column = read.GetColumnForDisplayPos(T::kOrdersMode, 0);
    EXPECT_EQ(column.kind, 3);
    EXPECT_EQ(column.width, 133);
    EXPECT_FALSE(column.visible);
    const std::shared_ptr<StyleBase> painted = T::GetColumnStyle(column);
    ASSERT_NE(painted, nullptr) << "the own style survives its named style";
    EXPECT_EQ(painted->GetValue(StyleTextField::ParamBkColor), 0x00EE00);
}

TEST_F(OrdersSheetTableSettingsTest, ReadingAppliesStoredIdsAndVisibilityRules)
{
    const auto kept = AddTextStyle(0x000011);
    T::SelectColumnStyle(table.GetColumnForDisplayPos(T::kOrdersMode, 0), kept->GetId());
    Settings node;
    table.Serialize(node);
    node[QStringLiteral("OrdersTabColStylId0")] = std::int32_t(9999);
    node[QStringLiteral("OrdersTabColVisible1")] = std::int32_t(2);
    node[QStringLiteral("OrdersTabColVisible3")] = std::int32_t(1);
    table.Unserialize(node);
    EXPECT_EQ(table.Columns(T::kOrdersMode)[0].namedStyle, kept) << "an unknown id keeps the named style";
    EXPECT_FALSE(table.Columns(T::kOrdersMode)[1].visible);
    EXPECT_TRUE(table.Columns(T::kOrdersMode)[3].visible);
}

TEST_F(OrdersSheetTableSettingsTest, PartialOrBrokenLayoutsKeepValidColumns)
{
    Settings partial;
    partial[QStringLiteral("OrdersTabColWidth4")] = std::int32_t(55);
    table.Unserialize(partial);
    EXPECT_EQ(table.Columns(T::kOrdersMode)[4].width, 55);
    EXPECT_EQ(table.Columns(T::kOrdersMode)[4].kind, 4) << "absent keys keep the column";
    EXPECT_EQ(table.GetColumnPosition(T::kOrdersMode, T::kHiddenOrdersKind), 2);

    Settings duplicate;
    table.Serialize(duplicate);
    duplicate[QStringLiteral("OffersTabColKind1")] = std::int32_t(0);
    duplicate[QStringLiteral("OrdersTabColWidth0")] = std::int32_t(77);
    table.Unserialize(duplicate);
    for (int kind = 0; kind < T::kOffersColumnCount; ++kind)
        EXPECT_EQ(table.Columns(T::kOffersMode)[std::size_t(kind)].kind, kind) << "duplicate kinds: the default layout";
    EXPECT_EQ(table.Columns(T::kOrdersMode)[0].width, 77) << "the valid mode is read";
}

TEST_F(OrdersSheetTableSettingsTest, NextGenerationExportHasNoStyles)
{
    T::SetColumnOwnStyle(table.Columns(T::kOrdersMode)[0], StyleTextField::CreateInstance());
    table.GetRowsStyleSet().GetStyleForPaint(0, QStringLiteral("k"))->SetValue(StyleTextField::ParamBkColor, 1);
    Q5Settings node;
    table.SaveToQ5Format(node);
    const Settings read = ReadBack(node);
    EXPECT_EQ(read[QStringLiteral("Mode")].ToInt(), T::kOrdersMode);
    EXPECT_EQ(read[QStringLiteral("OrdersTabColKind9")].ToInt(), 9);
    EXPECT_TRUE(read[QStringLiteral("OffersTabColVisible7")].ToBool());
    EXPECT_FALSE(read.Exists(QStringLiteral("OrdersTabColStylId0")));
    EXPECT_FALSE(read.Exists(QStringLiteral("OrdersTabColStylOwn0")));
    EXPECT_FALSE(read.Exists(QStringLiteral("RowsStyles")));
}

TEST_F(OrdersSheetTableSettingsTest, ColumnStyleStates)
{
    const auto first = AddTextStyle(0x000001);
    const auto second = AddTextStyle(0x000002);
    T::ColumnProperties column(3, 80);
    EXPECT_EQ(T::GetColumnStyle(column), nullptr);

    T::SelectColumnStyle(column, first->GetId());
    EXPECT_EQ(column.styleId, first->GetId());
    EXPECT_EQ(T::GetColumnStyle(column), first);

    // Editing with keepOwn: the working copy comes from the own style, and the own style shows
    // the chosen named style.
    T::SetColumnStyle(column, second->GetId(), true);
    ASSERT_NE(column.editedStyle, nullptr);
    EXPECT_TRUE(column.ownStyle);
    EXPECT_EQ(column.editSourceId, second->GetId());
    EXPECT_EQ(T::GetColumnStyle(column)->GetValue(StyleTextField::ParamFontColor), 0x000002);

    T::ApplyEditedColumnStyle(column);
    EXPECT_EQ(column.styleId, second->GetId());
    EXPECT_EQ(column.editSourceId, 0);
    EXPECT_EQ(column.editedStyle, nullptr);
    EXPECT_TRUE(column.ownStyle);
    EXPECT_EQ(T::GetColumnStyle(column), column.style);

    // Editing towards no named style shows the working copy; leaving the edit gives the column
    // back what it showed before it, its own colour included.
    column.style->SetValue(StyleTextField::ParamFontColor, 0x000007);
    T::SetColumnStyle(column, 0, true);
    EXPECT_EQ(column.editSourceId, StyleBase::kOwnStyleId);
    EXPECT_EQ(T::GetColumnStyle(column)->GetValue(StyleTextField::ParamFontColor), 0x000007);
    T::SetColumnStyle(column, first->GetId(), true);
    EXPECT_EQ(T::GetColumnStyle(column)->GetValue(StyleTextField::ParamFontColor), 0x000001);
    T::SetColumnStyle(column, 0, false);
    EXPECT_EQ(column.editedStyle, nullptr);
    EXPECT_TRUE(column.ownStyle);
    EXPECT_EQ(column.styleId, second->GetId());
    EXPECT_EQ(column.namedStyle, second) << "the last style tried does not stay";
    EXPECT_EQ(T::GetColumnStyle(column)->GetValue(StyleTextField::ParamFontColor), 0x000007);

    // A column that showed its named style shows it again.
    T::ColumnProperties plain(4, 80);
    T::SelectColumnStyle(plain, second->GetId());
    T::SetColumnStyle(plain, first->GetId(), true);
    T::SetColumnStyle(plain, 0, false);
    EXPECT_FALSE(plain.ownStyle);
    EXPECT_EQ(T::GetColumnStyle(plain), second);

    column.style->SetValue(StyleTextField::ParamFontColor, 0x000009);
    T::CopyColumnStyleParameter(column, StyleTextField::ParamFontColor);
    EXPECT_EQ(column.style->GetValue(StyleTextField::ParamFontColor), 0x000002);
}
}
