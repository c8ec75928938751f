// The handlers of the statistics grids: highlights of changed rows over time, the cell cursor,
// hit-testing, filled rows and drags.

#include "StatisticsUiFixture.h"

#include "platform/toolkit/TableCtrl.h"
#include "sessionstats/ui/HighestGridObject.h"
#include "sessionstats/ui/HighestStatisticsGridHandler.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "sessionstats/ui/SummaryGridHandler.h"
#include "sessionstats/ui/SummaryGridObject.h"

#include <QImage>
#include <QMimeData>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace
{
constexpr std::uint32_t kChangeTick = 50000;

class StatisticsGridHandlersTest : public testing::Test, public StatisticsUiFixture
{
protected:
    void SetUp() override
    {
        for (int column = 0; column < 6; ++column)
            grid.InsertHeaderItem(column, QString(), 70);
        grid.SetTableHandler(&handler);
        handler.SetTable(&grid);
        handler.SetDataObject(&object);
        object.Initialise(&grid, 0, highest[0]);
    }

    void Fill(int kind, const QStringList& names) { highest[kind].Update(MakeList(names), kChangeTick); }

    // The row painted at the age of its change; the colour at x.
    QColor PaintedAt(std::uint32_t age, int x = 1)
    {
        clock.tick = kChangeTick + age;
        handler.OnRedrawn();
        QImage image(420, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        handler.DrawCell(painter, 0, QRect(0, 0, 420, 20));
        painter.end();
        return image.pixelColor(x, 2);
    }

    std::shared_ptr<StyleBase> Style() { return module->Style(); }

    std::array<AssetStatisticsContainer, 4> highest;
    TableCtrl grid;
    HighestGridObject object{*module};
    HighestStatisticsGridHandler handler{clock};
};

bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 && std::abs(a.blue() - b.blue()) <= 3;
}
}

TEST_F(StatisticsGridHandlersTest, AChangedRowIsHighlightedFadesAndAsksForRepaintsUntilFourSeconds)
{
    Fill(0, {QStringLiteral("KGHM")});
    object.RefreshTexts();
    const QColor white(255, 255, 255);
    const QColor green(0, 200, 0);
    struct Case
    {
        int type;
        std::uint32_t age;
        QColor colour;
        bool redraw;
    };
    const Case cases[] = {
        {1, 1000, green, true},
        {1, 3000, green, true},
        {3, 1000, green, true},
        {3, 2250, QColor(127, 227, 127), true},
        {3, 3000, white, true},
        {3, 4000, white, false},
        {0, 1000, white, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.type << " at " << c.age);
        Style()->SetValue(StyleSessionStatistics::ParamHighlightType, c.type);
        EXPECT_EQ(PaintedAt(c.age), c.colour);
        EXPECT_EQ(handler.IsRedrawRequired(), c.redraw);
    }
}

TEST_F(StatisticsGridHandlersTest, AChangeNewerThanTheLastRepaintIsNew)
{
    Fill(0, {QStringLiteral("KGHM")});
    clock.tick = kChangeTick - 10;
    handler.OnRedrawn();
    EXPECT_TRUE(handler.IsHighlightOn(*object.Row(0).slot));
    EXPECT_EQ(handler.AgeOf(*object.Row(0).slot), 0u);
}

TEST_F(StatisticsGridHandlersTest, TheGradientHasTheHighlightInTheMiddleAndTheBackgroundAtTheEdges)
{
    Fill(0, {QStringLiteral("KGHM")});
    Style()->SetValue(StyleSessionStatistics::ParamHighlightType, 1 | StyleSessionStatistics::kHighlightGradient);
    EXPECT_TRUE(Near(PaintedAt(500, 210), QColor(0, 200, 0)));
    EXPECT_TRUE(Near(PaintedAt(500, 0), QColor(255, 255, 255)));
}

TEST_F(StatisticsGridHandlersTest, KeysMoveTheCursorRoundTheGridOnceItHasOne)
{
    struct Case
    {
        int row;
        int column;
        int key;
        int wantRow;
        int wantColumn;
    };
    const Case cases[] = {
        {3, 0, 37, 3, 5}, {3, 2, 37, 3, 1}, {0, 1, 38, 9, 1}, {9, 1, 40, 0, 1},
        {4, 5, 39, 4, 0}, {4, 1, 39, 4, 2}, {4, 1, 13, 4, 1},
    };
    EXPECT_EQ(handler.OnKeyDown(40), -1);
    EXPECT_EQ(handler.GetTopAndSelectedRow(), std::make_pair(-1, -1));
    for (const Case& c : cases)
    {
        handler.OnRowClick(c.row, QPoint(c.column * 70 + 5, 2), {});
        handler.OnKeyDown(c.key);
        EXPECT_EQ(handler.GetTopAndSelectedRow(), std::make_pair(c.wantColumn, c.wantRow)) << c.key;
    }

    TableCtrl empty;
    HighestStatisticsGridHandler emptyHandler(clock);
    emptyHandler.SetTable(&empty);
    emptyHandler.SetTopAndSelectedRow(0, 0);
    for (int key : {37, 38, 39, 40})
        emptyHandler.OnKeyDown(key);
    EXPECT_EQ(emptyHandler.GetTopAndSelectedRow(), std::make_pair(0, 0));
}

TEST_F(StatisticsGridHandlersTest, ClicksFindTheColumnPastZeroWidthColumns)
{
    grid.ShowColumn(1, false);
    EXPECT_EQ(handler.HitTestColumn(QPoint(75, 0)), std::make_pair(2, 0));
    EXPECT_EQ(handler.HitTestColumn(QPoint(69, 0)), std::make_pair(0, 0));
    EXPECT_EQ(handler.HitTestColumn(QPoint(1000, 0)), std::make_pair(-1, -1));

    handler.OnRowClick(2, QPoint(75, 0), {});
    handler.OnRowClick(4, QPoint(1000, 0), {});
    EXPECT_EQ(handler.GetTopAndSelectedRow(), std::make_pair(2, 4));
}

TEST_F(StatisticsGridHandlersTest, FilledRowsAndDragsFollowTheSlots)
{
    HighestStatisticsGridHandler unbound(clock);
    EXPECT_EQ(unbound.GetFilledRowCount(), -1);
    EXPECT_EQ(handler.GetFilledRowCount(), 0);

    Fill(0, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    EXPECT_EQ(handler.GetFilledRowCount(), 3);
    EXPECT_EQ(handler.GetRowAsset(2)->AssetName(), QStringLiteral("C"));
    EXPECT_EQ(handler.GetRowAsset(3), nullptr);
    EXPECT_EQ(handler.MakeDragData(5), nullptr);
    EXPECT_EQ(handler.MakeDragData(-1), nullptr);
    ASSERT_NE(handler.MakeDragData(1), nullptr);
    EXPECT_EQ(handler.MakeDragData(1)->text(), QStringLiteral("B"));
}

TEST_F(StatisticsGridHandlersTest, SummaryDragsTakeTheCursorsHalfOfAFullDataRow)
{
    Fill(0, {QStringLiteral("UP0"), QStringLiteral("UP1")});
    Fill(2, {QStringLiteral("TURN0")});
    TableCtrl summaryGrid;
    for (int column = 0; column < 7; ++column)
        summaryGrid.InsertHeaderItem(column, QString(), 70);
    SummaryGridObject summary(*module);
    SummaryGridHandler summaryHandler(clock);
    summaryHandler.SetTable(&summaryGrid);
    summaryHandler.SetDataObject(&summary);
    summary.Initialise(&summaryGrid, highest);

    summaryHandler.OnRowClick(1, QPoint(5, 0), {});
    ASSERT_NE(summaryHandler.MakeDragData(1), nullptr);
    EXPECT_EQ(summaryHandler.MakeDragData(1)->text(), QStringLiteral("UP0"));
    summaryHandler.OnRowClick(1, QPoint(4 * 70 + 5, 0), {});
    EXPECT_EQ(summaryHandler.MakeDragData(1)->text(), QStringLiteral("TURN0"));
    // A header, a row with one half empty, no row.
    EXPECT_EQ(summaryHandler.MakeDragData(0), nullptr);
    EXPECT_EQ(summaryHandler.MakeDragData(2), nullptr);
    EXPECT_EQ(summaryHandler.MakeDragData(-1), nullptr);
}
