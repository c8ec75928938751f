#include "tests/platform/toolkit/FakeTableHandler.h"
#include "tests/support/ui/TestApplication.h"

#include <QAccessible>
#include <QApplication>

#include <gtest/gtest.h>

namespace
{
class TableCtrlAccessibleTest : public ::testing::Test
{
protected:
    TableCtrlAccessibleTest() { ShowTestGrid(table, handler, 4, 200); }

    QAccessibleTableInterface* Grid()
    {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&table);
        return accessible ? accessible->tableInterface() : nullptr;
    }

    QApplication& application = TestApplication::Ensure();
    FakeTableHandler handler;
    TableCtrl table;
};
}

TEST_F(TableCtrlAccessibleTest, RowsAndCellsReadTheHandlersTextsInDisplayOrder)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&table);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Table);
    QAccessibleTableInterface* grid = Grid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->columnCount(), 2);  // the hidden column is not read
    EXPECT_EQ(accessible->childCount(), 8);
    EXPECT_EQ(grid->columnDescription(1), QStringLiteral("Kurs"));
    EXPECT_EQ(grid->rowDescription(2), QStringLiteral("r2c0 r2c2"));

    QAccessibleInterface* cell = grid->cellAt(3, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("r3c2"));
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 3);
    EXPECT_EQ(cell->parent(), accessible);
    EXPECT_EQ(accessible->indexOfChild(cell), 7);
    EXPECT_EQ(accessible->child(7), cell);
    EXPECT_EQ(cell->rect().size(), QSize(60, 20));
    EXPECT_EQ(grid->cellAt(4, 0), nullptr);

    table.MoveColumn(2, 0);
    EXPECT_EQ(grid->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("r0c2"));
    EXPECT_EQ(grid->columnDescription(0), QStringLiteral("Kurs"));
}

TEST_F(TableCtrlAccessibleTest, TheSelectionIsTheHandlersSelectedRow)
{
    QAccessibleTableInterface* grid = Grid();
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->selectedRows().isEmpty());
    EXPECT_TRUE(grid->selectRow(2));
    EXPECT_EQ(handler.selected, 2);
    EXPECT_EQ(grid->selectedRows(), QList<int>{2});
    EXPECT_EQ(grid->selectedCellCount(), 2);
    EXPECT_TRUE(grid->cellAt(2, 1)->tableCellInterface()->isSelected());
    EXPECT_TRUE(grid->cellAt(2, 1)->state().selected);
    EXPECT_FALSE(grid->cellAt(1, 1)->state().selected);
    EXPECT_FALSE(grid->selectRow(9));
    EXPECT_FALSE(grid->unselectRow(1));
    EXPECT_TRUE(grid->unselectRow(2));
    EXPECT_EQ(handler.selected, -1);

    // Rows that went are no longer read.
    QAccessibleInterface* last = grid->cellAt(3, 0);
    table.DeleteAllItems();
    EXPECT_FALSE(last->isValid());
    EXPECT_EQ(grid->rowCount(), 0);
}
