#include "platform/toolkit/ITableContextMenuHandler.h"
#include "platform/toolkit/TableCtrl.h"
#include "tests/platform/toolkit/FakeTableHandler.h"
#include "tests/support/ui/TestApplication.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace
{
constexpr int kRowHeight = 20;

// A shown grid of three columns (the second hidden by a negative width) over the fake handler.
class TableCtrlTest : public ::testing::Test
{
protected:
    TableCtrlTest() { ShowTestGrid(table, handler, 0, 200); }

    void AddRows(int count)
    {
        table.BeginFill();
        for (int row = 0; row < count; ++row)
            table.AddItem(static_cast<quintptr>(row + 1));
        table.EndFill();
    }

    void Send(QEvent::Type type, const QPoint& point, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPointF global(table.viewport()->mapToGlobal(point));
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(point), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(table.viewport(), &event);
    }

    void Key(int qtKey)
    {
        QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(&table, &event);
    }

    QImage Body() { return table.viewport()->grab().toImage(); }

    QApplication& application = TestApplication::Ensure();
    FakeTableHandler handler;
    TableCtrl table;
};

class RecordingMenu : public ITableContextMenuHandler
{
public:
    void OnTableContextMenu(TableCtrl& table, int row, const QPoint& globalPos) override
    {
        rows.push_back(row);
        tables.push_back(&table);
    }
    std::vector<int> rows;
    std::vector<TableCtrl*> tables;
};
}

TEST_F(TableCtrlTest, OnlyTheRowsInViewArePaintedThroughTheHandler)
{
    AddRows(10000);
    handler.drawn.clear();
    const QImage top = Body();
    ASSERT_FALSE(handler.drawn.empty());
    EXPECT_EQ(handler.drawn.front(), 0);
    EXPECT_LE(handler.drawn.size(), 11u);
    EXPECT_EQ(top.pixel(10, 5), FakeTableHandler::RowColor(0).rgb());
    EXPECT_EQ(top.pixel(10, kRowHeight + 5), FakeTableHandler::RowColor(1).rgb());
    // Every row is as wide as the body (the columns are narrower) and starts at its left.
    EXPECT_EQ(handler.rects.front(), QRect(0, 0, table.viewport()->width(), kRowHeight));
    ASSERT_EQ(handler.afterPaint.size(), 1u);

    table.SetFirstVisibleRow(5000);
    EXPECT_EQ(table.GetFirstVisibleRow(), 5000);
    handler.drawn.clear();
    const QImage middle = Body();
    EXPECT_EQ(handler.drawn.front(), 5000);
    EXPECT_LE(handler.drawn.size(), 11u);
    EXPECT_EQ(middle.pixel(10, 5), FakeTableHandler::RowColor(5000).rgb());
    EXPECT_EQ(table.GetAllItemsHeight(), 10000 * kRowHeight);
    EXPECT_EQ(table.GetItemData(4999), 5000u);
    EXPECT_EQ(table.GetItemData(10000), 0u);
}

TEST_F(TableCtrlTest, RowHeightsComeFromTheHandlerAndZeroHeightRowsAreSkipped)
{
    handler.rowHeight = [](int row) { return row == 1 ? 0 : 10 + row; };
    AddRows(4);
    EXPECT_EQ(handler.heightQueries, 4);  // once per row, at the end of the fill
    EXPECT_EQ(table.GetAllItemsHeight(), 10 + 0 + 12 + 13);
    EXPECT_EQ(table.GetItemHeight(1), 0);
    EXPECT_EQ(table.RowAt(QPoint(5, 9)), 0);
    EXPECT_EQ(table.RowAt(QPoint(5, 10)), 2);
    EXPECT_EQ(table.RowAt(QPoint(5, 35)), -1);
    handler.drawn.clear();
    Body();
    EXPECT_EQ(handler.drawn, (std::vector<int>{0, 2, 3}));

    handler.rowHeight = [](int) { return 30; };
    EXPECT_EQ(table.GetAllItemsHeight(), 35);  // kept until asked again
    table.UpdateAllHeights();
    EXPECT_EQ(table.GetAllItemsHeight(), 120);
    table.DeleteAllItems();
    EXPECT_EQ(table.GetItemCount(), 0);
    EXPECT_EQ(table.GetAllItemsHeight(), 0);
}

TEST_F(TableCtrlTest, ColumnsKeepWidthsOrderVisibilityAndMinimums)
{
    QAbstractItemModelTester tester(table.Header()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(table.GetColumnCount(), 3);
    EXPECT_FALSE(table.IsColumnVisible(1));
    EXPECT_EQ(table.GetColumnWidth(1), 0);
    EXPECT_EQ(table.GetColumnRealWidth(1), 80.0);
    EXPECT_EQ(table.GetTotalColumnsWidth(), 160);
    table.ShowColumn(1, true);
    EXPECT_EQ(table.GetColumnWidth(1), 80);
    EXPECT_EQ(table.Header()->sectionSize(1), 80);

    table.SetHeaderItemCaption(2, QStringLiteral("Kurs (zł)"));
    EXPECT_EQ(table.GetHeaderItemCaption(2), QStringLiteral("Kurs (zł)"));
    EXPECT_EQ(table.Header()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Kurs (zł)"));

    table.MoveColumn(2, 0);
    EXPECT_EQ(table.GetColumnId(0), 2);
    EXPECT_EQ(table.GetColumnId(1), 0);
    EXPECT_EQ(table.GetColumnId(3), -1);
    table.UpdateOrderArray();
    EXPECT_EQ(table.GetColumnId(0), 0);

    // The user cannot make a column narrower than its minimum.
    table.SetColumnMinWidth(0, 40);
    QSignalSpy resized(&table, &TableCtrl::ColumnResized);
    table.Header()->resizeSection(0, 25);
    EXPECT_EQ(table.GetColumnWidth(0), 40);
    table.Header()->resizeSection(0, 120);
    EXPECT_EQ(table.GetColumnWidth(0), 120);
    ASSERT_EQ(resized.count(), 2);
    EXPECT_EQ(resized.last().at(1).toInt(), 120);
    EXPECT_GT(handler.viewChanges, 0);

    EXPECT_EQ(table.GetMinWidthVisibleColumns(), 40 + 8 + 8);
    table.LockColumns(true);
    EXPECT_TRUE(table.AreColumnsLocked());
    EXPECT_EQ(table.Header()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(table.GetMinWidthVisibleColumns(), 120 + 80 + 60);
    table.UpdateMinWidth();
    EXPECT_GE(table.minimumWidth(), 260);

    table.DeleteHeaderItem(1);
    EXPECT_EQ(table.GetColumnCount(), 2);
    EXPECT_EQ(table.GetHeaderItemCaption(1), QStringLiteral("Kurs (zł)"));
    table.DeleteAllHeaderItems();
    EXPECT_EQ(table.GetColumnCount(), 0);
}

TEST_F(TableCtrlTest, UserMovesAndClicksOnTheHeaderAreReported)
{
    table.EnableMouseMovingColumns(true);
    EXPECT_TRUE(table.Header()->sectionsMovable());
    QSignalSpy moved(&table, &TableCtrl::ColumnMoved);
    table.Header()->moveSection(2, 0);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.first().at(0).toInt(), 2);
    EXPECT_EQ(moved.first().at(1).toInt(), 0);
    EXPECT_EQ(table.GetColumnId(0), 2);

    QSignalSpy clicked(&table, &TableCtrl::HeaderItemClicked);
    QWidget* header = table.Header()->viewport();
    const QPoint onCaption(table.Header()->sectionViewportPosition(0) + 10, 5);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(onCaption), QPointF(header->mapToGlobal(onCaption)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(onCaption), QPointF(header->mapToGlobal(onCaption)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(header, &release);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.first().at(0).toInt(), 0);

    // A double click on a divider fits the column to what the handler measures.
    handler.fitWidth = 133;
    emit table.Header()->sectionHandleDoubleClicked(2);
    EXPECT_EQ(table.GetColumnWidth(2), 133);
    table.LockColumns(true);
    handler.fitWidth = 50;
    emit table.Header()->sectionHandleDoubleClicked(2);
    EXPECT_EQ(table.GetColumnWidth(2), 133);

    table.ShowHeader(false);
    EXPECT_EQ(table.GetHeaderHeight(), 0);
}

TEST_F(TableCtrlTest, KeysReachTheHandlerAsVirtualKeysAndTheRowComesIntoView)
{
    AddRows(100);
    const std::vector<std::pair<int, int>> keys{{Qt::Key_Left, 37}, {Qt::Key_Up, 38},   {Qt::Key_Right, 39},
                                                {Qt::Key_Down, 40}, {Qt::Key_Delete, 46}, {Qt::Key_A, 65},
                                                {Qt::Key_Return, 13}};
    for (const auto& [qtKey, virtualKey] : keys)
    {
        handler.keys.clear();
        Key(qtKey);
        EXPECT_EQ(handler.keys, std::vector<int>{virtualKey}) << qtKey;
    }
    handler.selected = 0;
    Key(Qt::Key_Up);
    EXPECT_EQ(handler.selected, 99);
    EXPECT_EQ(table.verticalScrollBar()->value(), table.verticalScrollBar()->maximum());
    Key(Qt::Key_Down);
    EXPECT_EQ(handler.selected, 0);
    EXPECT_EQ(table.verticalScrollBar()->value(), 0);
}

TEST_F(TableCtrlTest, ClicksHoverAndDoubleClicksGiveTheRowAndThePointInTheRowArea)
{
    AddRows(50);
    table.SetFirstVisibleRow(10);
    Send(QEvent::MouseButtonPress, QPoint(30, 5));
    Send(QEvent::MouseButtonRelease, QPoint(30, 5));
    ASSERT_EQ(handler.clicks.size(), 1u);
    EXPECT_EQ(handler.clicks[0].first, 10);
    EXPECT_EQ(handler.clicks[0].second, QPoint(30, 10 * kRowHeight + 5));
    EXPECT_EQ(handler.selected, 10);

    Send(QEvent::MouseButtonDblClick, QPoint(30, kRowHeight + 2));
    EXPECT_EQ(handler.doubleClicks, std::vector<int>{11});

    Send(QEvent::MouseMove, QPoint(40, 2 * kRowHeight + 1), Qt::NoButton);
    EXPECT_EQ(handler.hovered, std::vector<int>{12});
    EXPECT_GT(handler.cursorSets, 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(table.viewport(), &leave);
    EXPECT_EQ(handler.leaves, 1);

    table.DeleteAllItems();
    AddRows(2);
    Send(QEvent::MouseButtonPress, QPoint(30, 150));
    EXPECT_EQ(handler.clicks.back().first, -1);
}

TEST_F(TableCtrlTest, DraggingACellHandsTheHandlersPayloadToTheDrag)
{
    AddRows(5);
    std::vector<QString> dragged;
    table.SetDragStarter([&dragged](QWidget&, std::unique_ptr<QMimeData> payload) {
        dragged.push_back(QString::fromUtf8(payload->data(QStringLiteral("application/x-quorvanta-alert-argument"))));
    });
    handler.beginDrag = [this] {
        auto payload = std::make_unique<QMimeData>();
        payload->setData(QStringLiteral("application/x-quorvanta-alert-argument"),
                         QStringLiteral("Arkusz zlecen|%1").arg(handler.selected).toUtf8());
        table.StartDrag(std::move(payload));
    };
    Send(QEvent::MouseButtonPress, QPoint(10, kRowHeight + 3));
    Send(QEvent::MouseMove, QPoint(11, kRowHeight + 4));
    EXPECT_EQ(handler.drags, 0);  // not far enough to be a drag
    Send(QEvent::MouseMove, QPoint(10 + QApplication::startDragDistance() + 5, kRowHeight + 4));
    Send(QEvent::MouseMove, QPoint(10 + QApplication::startDragDistance() + 9, kRowHeight + 4));
    Send(QEvent::MouseButtonRelease, QPoint(40, kRowHeight + 4));
    EXPECT_EQ(handler.drags, 1);
    EXPECT_EQ(dragged, std::vector<QString>{QStringLiteral("Arkusz zlecen|1")});

    // Without a payload nothing is dragged.
    table.StartDrag(nullptr);
    EXPECT_EQ(dragged.size(), 1u);
}

TEST_F(TableCtrlTest, TheContextMenuHandlerHearsTheRowUnderTheMouseOrTheSelectedOne)
{
    AddRows(3);
    RecordingMenu menu;
    table.SetContextMenuHandler(&menu);
    const QPoint onSecond(10, kRowHeight + 5);
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, onSecond, table.viewport()->mapToGlobal(onSecond));
    QApplication::sendEvent(table.viewport(), &byMouse);
    handler.selected = 2;
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(0, 0), table.viewport()->mapToGlobal(QPoint()));
    QApplication::sendEvent(table.viewport(), &byKey);
    EXPECT_EQ(menu.rows, (std::vector<int>{1, 2}));
    EXPECT_EQ(menu.tables, (std::vector<TableCtrl*>{&table, &table}));
}

TEST_F(TableCtrlTest, TheScrollStaysAtTheBottomUntilTheUserScrollsAway)
{
    table.KeepVScrollToBottomSide(true);
    AddRows(30);
    QScrollBar* bar = table.verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum());
    table.AddItem(31);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(0);
    table.AddItem(32);
    EXPECT_EQ(bar->value(), 0);

    table.SetVScrollAlwaysVisible(true);
    EXPECT_EQ(table.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    table.ShowScrollbar(false);
    EXPECT_FALSE(table.IsScrollbarShown());
    EXPECT_EQ(table.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    table.ShowScrollbar(true);
    EXPECT_EQ(table.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(TableCtrlTest, ARedrawLetsTheHandlerStampTheTimeBeforeTheRowsArePainted)
{
    AddRows(3);
    Body();
    handler.drawn.clear();
    handler.RequestRedraw();
    table.Redraw();
    EXPECT_EQ(handler.redrawn, 1);
    EXPECT_TRUE(handler.redrawnBeforePaint);
    EXPECT_FALSE(handler.IsRedrawRequired());
    Body();
    EXPECT_EQ(handler.drawn, (std::vector<int>{0, 1, 2}));

    // Without a handler nothing is asked and the body is plain.
    table.SetTableHandler(nullptr);
    handler.drawn.clear();
    const QImage plain = Body();
    EXPECT_TRUE(handler.drawn.empty());
    EXPECT_EQ(plain.pixel(5, 5), table.palette().base().color().rgb());
}
