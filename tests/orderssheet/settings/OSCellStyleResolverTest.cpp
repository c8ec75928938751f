#include "SheetSettingsFixture.h"

#include "orderssheet/settings/OSCellStyleResolver.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "styles/engine/StyleTextField.h"

namespace
{
using S = StyleOrdersSheet;
using T = OrdersSheetTableSettings;

constexpr int kColour = StyleTextField::ParamFontColor;
constexpr qint32 kEven = 0x000010;    // own style 0: cells of even parity
constexpr qint32 kOdd = 0x000011;     // own style 1
constexpr qint32 kCurrent = 0x000012;  // the current-value row
constexpr qint32 kRow = 0x000020;
constexpr qint32 kColumn = 0x000030;

class OSCellStyleResolverTest : public SheetSettingsFixture
{
protected:
    OSCellStyleResolverTest()
    {
        const auto sheet = settings.GetStyle();
        sheet->GetOwnStyle(S::RelationOddRow)->SetValue(kColour, kEven);
        sheet->GetOwnStyle(S::RelationEvenRow)->SetValue(kColour, kOdd);
        sheet->GetOwnStyle(S::RelationCurrValueRow)->SetValue(kColour, kCurrent);
        settings.colorMode = 1;
        resolver.Reset();
    }

    // A row style at key "row" and a column style on display position 1, each changing the text colour.
    void AddRowAndColumnStyles()
    {
        auto rowStyle = settings.GetTableSettings().GetRowsStyleSet().GetStyleForPaint(0, QStringLiteral("row"));
        rowStyle->SetValue(kColour, kRow);
        rowStyle->SetChangedParameter(kColour);
        T::ColumnProperties& column = settings.GetTableSettings().GetColumnForDisplayPos(T::kOrdersMode, 1);
        T::SetColumnOwnStyle(column, StyleTextField::CreateInstance());
        column.ownStyle = true;
        column.style->SetValue(kColour, kColumn);
        column.style->SetChangedParameter(kColour);
    }

    qint32 Colour(int row, int second, int pos, const char* key, bool reduced = false)
    {
        return resolver.SetUp(row, second, pos, QString::fromLatin1(key), reduced).GetValue(kColour);
    }

    OrdersSheetSettings settings;
    OSCellStyleResolver resolver{settings};
};

TEST_F(OSCellStyleResolverTest, PrecedenceByColourMode)
{
    AddRowAndColumnStyles();
    struct Case
    {
        int colorMode;
        int pos;
        const char* key;
        qint32 colour;
    };
    const Case cases[] = {
        {1, 1, "row", kRow}, {0, 1, "row", kColumn}, {1, 0, "row", kRow}, {0, 0, "row", kRow},
        {1, 1, "", kColumn}, {0, 1, "", kColumn},    {1, 0, "", kEven},  {0, 0, "", kEven},
    };
    for (const Case& c : cases)
    {
        settings.colorMode = c.colorMode;
        resolver.Reset();
        EXPECT_EQ(Colour(2, 2, c.pos, c.key), c.colour) << c.colorMode << " " << c.pos << " " << c.key;
    }
    settings.colorMode = OrdersSheetSettings::kColorModeFromStyle;
    settings.GetStyle()->SetValue(S::ParamColorMode, S::ByColumns);
    EXPECT_EQ(Colour(2, 2, 1, "row"), kColumn) << "a style striping by columns is colour mode 0";
}

TEST_F(OSCellStyleResolverTest, CurrentValueRowIgnoresRowAndColumnStyles)
{
    AddRowAndColumnStyles();
    EXPECT_EQ(Colour(-1, 0, 1, "row"), kCurrent);
    EXPECT_FALSE(resolver.IsStyled());
}

TEST_F(OSCellStyleResolverTest, ParityFollowsRowInModeOneAndSecondIndexInModeZero)
{
    EXPECT_EQ(Colour(2, 1, 0, ""), kEven);
    EXPECT_EQ(Colour(3, 0, 0, ""), kOdd);
    EXPECT_EQ(Colour(-3, 0, 0, ""), kOdd) << "negative rows by their remainder";
    settings.colorMode = 0;
    resolver.Reset();
    EXPECT_EQ(Colour(2, 1, 0, ""), kOdd);
    EXPECT_EQ(Colour(3, 4, 0, ""), kEven);
}

TEST_F(OSCellStyleResolverTest, PlainCellsOfAPassComeFromTheCache)
{
    EXPECT_EQ(Colour(2, 0, 0, ""), kEven);
    settings.GetStyle()->GetOwnStyle(S::RelationOddRow)->SetValue(kColour, 0x0000FF);
    EXPECT_EQ(Colour(4, 0, 3, ""), kEven) << "the second plain even cell is the cached one";
    resolver.Reset();
    EXPECT_EQ(Colour(4, 0, 3, ""), 0x0000FF) << "a new pass resolves again";
}

TEST_F(OSCellStyleResolverTest, ReducedResolvesOnlyAlignmentAndFont)
{
    // Changed after the pass began: only what is resolved shows the change.
    const auto even = settings.GetStyle()->GetOwnStyle(S::RelationOddRow);
    even->SetValue(StyleTextField::ParamAlignment, StyleTextField::AlignLeft);
    even->SetValue(kColour, 0x0000EE);
    const StyleTextField& reduced = resolver.SetUp(2, 0, 0, QStringLiteral("k"), true);
    EXPECT_EQ(reduced.GetValue(StyleTextField::ParamAlignment), StyleTextField::AlignLeft);
    EXPECT_EQ(reduced.GetValue(kColour), kEven);
    EXPECT_EQ(resolver.SetUp(2, 0, 0, QStringLiteral("k"), false).GetValue(kColour), 0x0000EE);
}

TEST_F(OSCellStyleResolverTest, StyleEditUsesTheEditSourceAndIgnoresColumnChanges)
{
    AddRowAndColumnStyles();
    auto edited = S::CreateInstance();
    edited->GetOwnStyle(S::RelationOddRow)->SetValue(kColour, 0x000099);
    resolver.Reset(edited);
    EXPECT_EQ(Colour(2, 0, 1, ""), 0x000099);
    EXPECT_EQ(Colour(2, 0, 1, "row"), kRow) << "row styles still apply";
}
}
