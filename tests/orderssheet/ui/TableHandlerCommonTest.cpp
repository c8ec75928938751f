#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/OrderSheetTableContainer.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "orderssheet/ui/TableHandlerCommon.h"
#include "platform/modules/DDBaseDataObject.h"
#include "tests/orderssheet/SheetTestSupport.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace
{
// An instrument whose supply side holds a market order at any price, one at the market price and a
// limit order of a volume too wide for a narrow cell.
class TableHandlerCommonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        instance = std::make_unique<OrdersSheetAssetInstance>(
            std::make_shared<Asset>(&provider, QStringLiteral("PLTEST"), QStringLiteral("TST"), QStringLiteral("Test"),
                                    QStringLiteral("GPW")));
        ASSERT_TRUE(instance->Start());
        auto* window = new SheetTest::CountingWindow(std::make_shared<SheetTest::WindowLog>());
        instance->AddWindow(window);
        ASSERT_TRUE(instance->SubscribeReceiver(window));
        IOrdersSheetReceiver* receiver = provider.Receiver();
        ASSERT_NE(receiver, nullptr);
        receiver->OnSetCountItems(3);
        receiver->OnSetNewItem(SheetTest::Item(0, -100.0, 10, "a"));
        receiver->OnSetNewItem(SheetTest::Item(0, -20.0, 20, "b"));
        receiver->OnSetNewItem(SheetTest::Item(0, 10.5, 123456789, "c"));
        ASSERT_TRUE(SheetTest::ProcessEventsUntil([&] { return DataSet().GetRowCount(1) == 3; }));
        pane = std::make_unique<OrderSheetTableContainer>(settings, 1);
        pane->SetDataSet(&DataSet());
        pane->SetupColumns();
        pane->ReloadRows();
    }

    TableDataSetOrdersSheet& DataSet() const { return *instance->GetDataSet(0); }

    SheetTest::SheetProvider provider;
    std::unique_ptr<OrdersSheetAssetInstance> instance;
    OrdersSheetSettings settings;
    std::unique_ptr<OrderSheetTableContainer> pane;
};

TEST_F(TableHandlerCommonTest, CellTextsFollowTheMarketOrderCodesAndFitVolumesUnlessPointedAt)
{
    TableHandlerCommon& handler = pane->GetHandler();
    const QFont font = QApplication::font();
    std::set<QString> prices;
    int limitRow = -1;
    for (int row = 0; row < 3; ++row)
    {
        const QString price = handler.CellText(row, 1, 200, font);
        prices.insert(price);
        if (price != QStringLiteral("PKC") && price != QStringLiteral("PCR"))
            limitRow = row;
    }
    EXPECT_TRUE(prices.contains(QStringLiteral("PKC")));
    EXPECT_TRUE(prices.contains(QStringLiteral("PCR")));
    ASSERT_GE(limitRow, 0);

    // A volume too wide for its cell is shortened, and written in full while its row is pointed at.
    const QString fitted = handler.CellText(limitRow, 3, 40, font);
    EXPECT_NE(fitted, QStringLiteral("123456789"));
    handler.SetHoverRow(limitRow);
    EXPECT_EQ(handler.CellText(limitRow, 3, 40, font), QStringLiteral("123456789"));
    handler.SetHoverRow(TableHandlerCommon::kHoverAllRows);
    EXPECT_EQ(handler.CellText(limitRow, 3, 40, font), QStringLiteral("123456789"));
    // Cells outside the matrix say nothing.
    EXPECT_EQ(handler.CellText(7, 1, 200, font), QString());
}

TEST_F(TableHandlerCommonTest, TheCursorMovesWithinTheRowsAndFollowsItsOrder)
{
    TableHandlerCommon& handler = pane->GetHandler();
    // Side 0's table has the empty first row: the data rows are one lower.
    EXPECT_EQ(pane->Table().GetItemCount(), 4);
    EXPECT_FALSE(pane->SetCursorCell(0, 3));
    EXPECT_FALSE(pane->SetCursorCell(9, 0));
    EXPECT_FALSE(pane->SetCursorCell(-1, 0));
    ASSERT_TRUE(pane->SetCursorCell(0, 0));
    const QString key = handler.GetCursorRowKey();
    EXPECT_FALSE(key.isEmpty());

    constexpr int up = 38;
    constexpr int down = 40;
    constexpr int right = 39;
    EXPECT_EQ(handler.OnKeyDown(up), 1) << "side 0 answers the table row";
    EXPECT_EQ(handler.GetCursorRow(), 0);
    EXPECT_EQ(handler.OnKeyDown(down), 2);
    EXPECT_EQ(handler.OnKeyDown(down), 3);
    EXPECT_EQ(handler.OnKeyDown(down), 3);
    for (int step = 0; step < 20; ++step)
        handler.OnKeyDown(right);
    EXPECT_EQ(handler.GetCursorColumn(), pane->Table().GetColumnCount() - 1);

    // The cursor stays on its order when the rows are made again.
    pane->SetCursorCell(0, 1);
    const QString followed = handler.GetCursorRowKey();
    handler.RefindCursorRow();
    EXPECT_EQ(DataSet().GetRowKey(handler.GetCursorRow(), 1), followed);

    // With the cursor hidden the keys do nothing.
    settings.cursorVisible = false;
    EXPECT_EQ(handler.OnKeyDown(up), 0);
    EXPECT_EQ(handler.OnKeyDown(65), 0);
}

TEST_F(TableHandlerCommonTest, RowHeightsAndTheEmptyFirstRow)
{
    TableHandlerCommon& handler = pane->GetHandler();
    EXPECT_EQ(handler.GetRowHeight(0), pane->Table().GetDefaultRowHeight());
    EXPECT_GE(handler.GetRowHeight(1), TableHandlerCommon::kMinRowHeight);
    // Painting the rows reaches every cell without a fault, the first row in the theme colour.
    QImage image(800, 20, QImage::Format_ARGB32);
    QPainter painter(&image);
    for (int row = 0; row < pane->Table().GetItemCount(); ++row)
        handler.DrawCell(painter, row, QRect(0, 0, 800, 20));
    handler.OnAfterPaint(painter, QRect(0, 0, 800, 20));
}

TEST_F(TableHandlerCommonTest, ADragCarriesTheCursorCellsArgumentOfTheInstrumentAndNothingWithoutOne)
{
    std::vector<AlertExprArgDesc> dragged;
    pane->SetArgumentDragStarter(
        [&](QWidget&, const DDBaseDataObject& object) { dragged.push_back(object.GetAlertArgDescription()); });
    TableHandlerCommon& handler = pane->GetHandler();
    const auto& table = settings.GetTableSettings();
    const auto positionOf = [&](int kind) {
        for (int pos = 0; pos < OrdersSheetTableSettings::GetDisplayCount(1); ++pos)
            if (table.GetColumnForDisplayPos(1, pos).kind == kind)
                return pos;
        return -1;
    };
    ASSERT_GE(positionOf(0), 0);
    struct Case
    {
        int column;
        int row;
        const char* name;
    };
    const Case cases[] = {
        {positionOf(1), 0, "Cena zlecenia"},
        {positionOf(3), 2, "Wolumen (zlecenia)"},
        {positionOf(4), 1, "Wartość (zlecenia)"},
        // A column that is no argument, no cursor, and a cursor below the rows start nothing.
        {positionOf(0), 0, nullptr},
        {-1, -1, nullptr},
        {positionOf(3), 3, nullptr},
        {positionOf(3), 40, nullptr},
        {40, 0, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.column << " " << c.row);
        dragged.clear();
        handler.SetCursorCell(c.column, c.row);
        handler.OnBeginDrag();
        if (!c.name)
        {
            EXPECT_TRUE(dragged.empty());
            continue;
        }
        ASSERT_EQ(dragged.size(), 1u);
        EXPECT_EQ(dragged[0].GetSourceModuleName(), QStringLiteral("Arkusz zlecen"));
        EXPECT_EQ(dragged[0].GetArgumentName(), QStringLiteral("TST ") + QString::fromUtf8(c.name));
        EXPECT_EQ(dragged[0].GetInstrument(), QStringLiteral("TST"));
    }
}
}
