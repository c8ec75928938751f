#include "orderssheet/engine/MatrixDataBufor.h"

#include <gtest/gtest.h>

TEST(MatrixDataBuforTest, FindsEveryRowByKeyAndTheLastOfEqualKeys)
{
    MatrixDataBufor matrix;
    EXPECT_EQ(matrix.FindRow(QStringLiteral("a")), -1);
    constexpr int kRows = 3000;
    matrix.MakeRows(kRows + 1, 8);
    for (int i = 0; i < kRows; ++i)
    {
        matrix.Rows()[static_cast<std::size_t>(i)].rowKey = QString::number(i % 1000 * 7919);
        matrix.Rows()[static_cast<std::size_t>(i)].rowIndex = i;
    }
    matrix.Rows()[kRows].rowIndex = kRows;
    matrix.RebuildKeyIndex();
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(matrix.FindRow(QString::number(i * 7919)), 2000 + i);
    EXPECT_EQ(matrix.FindRow(QStringLiteral("1")), -1);
    EXPECT_EQ(matrix.FindRow(QString()), -1);
    EXPECT_EQ(matrix.Row(kRows)->Cells().size(), 8u);
    EXPECT_EQ(matrix.Row(kRows + 1), nullptr);
    EXPECT_EQ(matrix.Row(-1), nullptr);

    matrix.Clear();
    EXPECT_EQ(matrix.FindRow(QStringLiteral("0")), -1);
}
