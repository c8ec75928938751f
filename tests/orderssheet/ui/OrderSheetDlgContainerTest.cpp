#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/OrderSheetDlgContainer.h"
#include "orderssheet/ui/SummaryInfoDlg.h"
#include "core/engine/InvalidArgException.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
class OrderSheetDlgContainerTest : public ::testing::Test
{
protected:
    OrderSheetDlgContainerTest() { TestApplication::Ensure(); }

    OrdersSheetPaneData Pane(int kind, double fraction)
    {
        OrdersSheetPaneData pane;
        pane.settings = &settings;
        pane.priceLevelKind = kind;
        pane.priceLevelFraction = fraction;
        return pane;
    }

    OrdersSheetSettings settings;
};

TEST_F(OrderSheetDlgContainerTest, WithoutSettingsThereIsNoPane)
{
    EXPECT_THROW(OrderSheetDlgContainer(0, OrdersSheetPaneData{}), InvalidArgException);
}

TEST_F(OrderSheetDlgContainerTest, LayoutParts)
{
    struct Case
    {
        int height;
        int summary;
        int parts;
        int host;
    };
    const Case cases[] = {
        {49, 100, 0, 0}, {50, 100, 1, 51}, {99, 100, 1, 51}, {100, 100, 2, 100}, {400, 100, 2, 100}, {300, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        const int parts = OrderSheetDlgContainer::PartCount(c.height, c.summary);
        EXPECT_EQ(parts, c.parts) << c.height << " " << c.summary;
        EXPECT_EQ(OrderSheetDlgContainer::HostHeight(parts, c.summary), c.host) << c.height << " " << c.summary;
    }

    OrderSheetDlgContainer supply(0, Pane(0, 0.05));
    supply.resize(200, 1000);
    supply.show();
    const int summaryHeight = supply.GetSummary()->height();
    ASSERT_GT(summaryHeight, 0);
    EXPECT_EQ(supply.GetHost()->geometry().bottom(), 999) << "side 0 sits at the bottom";
    supply.resize(200, summaryHeight / 2 - 1);
    EXPECT_TRUE(supply.GetHost()->isHidden());
}

TEST_F(OrderSheetDlgContainerTest, HeadingsGroupsAndNumbers)
{
    // Price precisions of 9 are read as 0: the limit is written without decimals.
    settings.GetTableSettings().ApplySeriesPrecisions({DSProp(2, QStringLiteral("Kurs"), 9, 4, 9)});
    struct Case
    {
        int side;
        int kind;
        double fraction;
        int group;
        const char* heading;
    };
    const Case cases[] = {
        {0, 0, 0.05, SummaryInfoDlg::kGroupA, "Podaż 5.00%"},
        {1, 0, 0.05, SummaryInfoDlg::kGroupB, "Popyt 5.00%"},
        {0, 1, 0.05, SummaryInfoDlg::kGroupA, "Podaż do 13"},
        {1, 1, 0.05, SummaryInfoDlg::kGroupB, "Popyt do 13"},
    };
    OSSummaryValues summary;
    summary.orderCount = 4;
    summary.totalValue = 100;
    summary.count = 0;
    summary.value = 0;
    summary.limit = 12.5;
    for (const Case& c : cases)
    {
        OrderSheetDlgContainer container(c.side, Pane(c.kind, c.fraction));
        container.UpdateSummary(SummaryInfoDlg::kPriceLevelGroupKind, summary);
        const SummaryInfoDlg& dialog = *container.GetSummary();
        EXPECT_EQ(dialog.GroupText(c.group, 0), QString::fromUtf8(c.heading));
        EXPECT_EQ(dialog.GroupText(c.group, 3), QStringLiteral("0.00")) << "no orders: average 0 without dividing";

        container.UpdateSummary(SummaryInfoDlg::kTotalsGroupKind, summary);
        const int totals = c.group == SummaryInfoDlg::kGroupA ? SummaryInfoDlg::kGroupB : SummaryInfoDlg::kGroupA;
        EXPECT_EQ(dialog.GroupText(totals, 0), c.side == 0 ? QStringLiteral("Podaż") : QStringLiteral("Popyt"));
        EXPECT_EQ(dialog.GroupText(totals, 1), QStringLiteral("4"));
        EXPECT_EQ(dialog.GroupText(totals, 3), QStringLiteral("25.00")) << "values with the value column's (2, 2)";
        EXPECT_TRUE(dialog.IsGroupShown(SummaryInfoDlg::kGroupA) && dialog.IsGroupShown(SummaryInfoDlg::kGroupB));
    }
    OrderSheetDlgContainer demand(1, Pane(0, 0.05));
    EXPECT_EQ(demand.GetSummary()->GroupCaption(SummaryInfoDlg::kGroupA), QStringLiteral("Popyt"));
    EXPECT_EQ(demand.GetSummary()->GroupCaption(SummaryInfoDlg::kGroupB), QStringLiteral("Popyt realny"));
}
}
