// The data objects behind the statistics grids: their fixed rows, their texts and their style cache.

#include "StatisticsUiFixture.h"

#include "platform/toolkit/TableCtrl.h"
#include "sessionstats/ui/HighestGridObject.h"
#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "sessionstats/ui/SummaryGridObject.h"

#include <gtest/gtest.h>

#include <array>

namespace
{
class StatisticsGridObjectsTest : public testing::Test, public StatisticsUiFixture
{
protected:
    std::array<AssetStatisticsContainer, 4> highest;
};
}

TEST_F(StatisticsGridObjectsTest, TopTenGridsAlwaysHaveTenRowsFilledFromTheSlots)
{
    TableCtrl grid;
    for (int column = 0; column < 6; ++column)
        grid.InsertHeaderItem(column, QString(), 200);
    HighestGridObject object(*module);
    object.Initialise(&grid, 2, highest[2]);
    EXPECT_EQ(grid.GetItemCount(), 10);

    highest[2].Update(MakeList({QStringLiteral("PKOBP"), QStringLiteral("PZU")}), 1);
    object.RefreshTexts();
    EXPECT_EQ(object.Row(1).texts[0], QStringLiteral("PZU"));
    EXPECT_EQ(object.Row(1).texts[2], QStringLiteral("101.00"));
    EXPECT_EQ(object.Row(1).texts[5], QStringLiteral("51"));
    EXPECT_TRUE(object.Row(2).texts[0].isEmpty());

    // Sorted by name, the row order follows the names, not the provider's order.
    object.SortBy(0);
    object.RefreshTexts();
    EXPECT_EQ(object.Row(0).texts[0], QStringLiteral("PZU"));
    object.SortBy(-1);
    object.RefreshTexts();
    EXPECT_EQ(object.Row(0).texts[0], QStringLiteral("PKOBP"));
}

TEST_F(StatisticsGridObjectsTest, TheSummaryHasTwelveRowsWithItsHeadersAtZeroAndSix)
{
    TableCtrl grid;
    for (int column = 0; column < 7; ++column)
        grid.InsertHeaderItem(column, QString(), 200);
    SummaryGridObject summary(*module);
    summary.Initialise(&grid, highest);
    ASSERT_EQ(grid.GetItemCount(), 12);
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(summary.Row(row).IsHeader(), row == 0 || row == 6) << row;
    EXPECT_EQ(summary.Row(0).GetColumnText(0), QStringLiteral("Wzrosty"));
    EXPECT_EQ(summary.Row(6).GetColumnText(3), QStringLiteral("Transakcje"));
    EXPECT_EQ(summary.Row(6).GetAlignment(2), SummaryGridRowBase::kCentre);
    EXPECT_EQ(summary.Row(1).GetAlignment(3), SummaryGridRowBase::kLeft);
    EXPECT_EQ(summary.Row(1).GetAlignment(4), SummaryGridRowBase::kRight);

    // Column 4 is the turnover above, the transactions below.
    for (int kind = 0; kind < 4; ++kind)
        highest[kind].Update(MakeList({QStringLiteral("K%1").arg(kind)}), 1);
    summary.Update();
    EXPECT_EQ(summary.Row(1).GetColumnText(0), QStringLiteral("K0"));
    EXPECT_EQ(summary.Row(1).GetColumnText(3), QStringLiteral("K2"));
    EXPECT_EQ(summary.Row(1).GetColumnText(4), QStringLiteral("1000"));
    EXPECT_EQ(summary.Row(7).GetColumnText(0), QStringLiteral("K1"));
    EXPECT_EQ(summary.Row(7).GetColumnText(4), QStringLiteral("50"));
    EXPECT_EQ(summary.Row(7).GetColumnText(6), QStringLiteral("100.00"));
    EXPECT_TRUE(summary.Row(1).GetDisplayText(7).isEmpty());
    EXPECT_TRUE(summary.Row(2).GetColumnText(0).isEmpty());
}

TEST_F(StatisticsGridObjectsTest, AStyleChangeIsSeenOnlyAfterTheCacheGoesStale)
{
    HighestGridObject object(*module);
    EXPECT_EQ(object.GetGridLineManager().GetGridLineWidth(), 1);
    module->UpdateStyle(StyleBase::kOwnStyleId);
    module->GetOwnStyle()->SetValue(StyleSessionStatistics::ParamGridLineWidth, 5);
    EXPECT_EQ(object.GetGridLineManager().GetGridLineWidth(), 1);
    object.SetStale();
    EXPECT_EQ(object.GetGridLineManager().GetGridLineWidth(), 5);
}
