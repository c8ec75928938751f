#include "platform/toolkit/TableCellText.h"
#include "tests/support/ui/TestApplication.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace
{
// The columns where the cell has ink, as [first, last].
std::pair<int, int> InkSpan(const QImage& image)
{
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
    {
        for (int y = 0; y < image.height(); ++y)
        {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
            {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

QImage Cell(const QString& text, Qt::Alignment alignment, QString* drawn = nullptr)
{
    QImage image(120, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    const QString shown = TableCellText::Draw(painter, image.rect(), text, alignment, 4);
    if (drawn)
        *drawn = shown;
    return image;
}
}

TEST(TableCellTextTest, TextIsAlignedInsideTheMarginsAndShortenedWhenTooLong)
{
    TestApplication::Ensure();
    EXPECT_EQ(TableCellText::FromRowAlignment(0), Qt::AlignLeft);
    EXPECT_EQ(TableCellText::FromRowAlignment(1), Qt::AlignHCenter);
    EXPECT_EQ(TableCellText::FromRowAlignment(2), Qt::AlignRight);

    const auto [leftFirst, leftLast] = InkSpan(Cell(QStringLiteral("12,50"), Qt::AlignLeft));
    EXPECT_GE(leftFirst, 4);
    EXPECT_LT(leftFirst, 10);
    const auto [rightFirst, rightLast] = InkSpan(Cell(QStringLiteral("12,50"), Qt::AlignRight));
    EXPECT_LE(rightLast, 120 - 4);
    EXPECT_GT(rightLast, 120 - 10);
    EXPECT_GT(rightFirst, leftLast);

    QString drawn;
    Cell(QStringLiteral("1234567890 1234567890 1234567890 1234567890"), Qt::AlignRight, &drawn);
    EXPECT_TRUE(drawn.endsWith(QChar(0x2026)));
    Cell(QStringLiteral("PKC"), Qt::AlignRight, &drawn);
    EXPECT_EQ(drawn, QStringLiteral("PKC"));
    const auto [emptyFirst, emptyLast] = InkSpan(Cell(QString(), Qt::AlignLeft));
    EXPECT_EQ(emptyLast, -1);
}
