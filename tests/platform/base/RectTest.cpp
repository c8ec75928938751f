#include "platform/base/Rect.h"

#include <gtest/gtest.h>

TEST(RectTest, EdgesBehaveLikeWindowRectangles)
{
    Rect rect{10, 20, 110, 70};
    EXPECT_EQ(rect.Width(), 100);
    EXPECT_EQ(rect.Height(), 50);
    EXPECT_EQ(rect.GetSize(), (Size{100, 50}));
    EXPECT_TRUE(rect.Contains(Point{10, 20}));
    EXPECT_TRUE(rect.Contains(Point{109, 69}));
    EXPECT_FALSE(rect.Contains(Point{110, 20}));  // right and bottom edges lie outside
    EXPECT_FALSE(rect.Contains(Point{10, 70}));

    Rect swapped{110, 70, 10, 20};
    EXPECT_TRUE(swapped.IsEmpty());
    EXPECT_FALSE(swapped.Contains(Point{50, 50}));
    swapped.Normalize();
    EXPECT_EQ(swapped, rect);
    EXPECT_TRUE((Rect{5, 5, 5, 9}).IsEmpty());
}

TEST(RectTest, ConvertsToAndFromQRectKeepingTheArea)
{
    const Rect rect{10, 20, 110, 70};
    const QRect qrect = rect.ToQRect();
    EXPECT_EQ(qrect, QRect(10, 20, 100, 50));
    EXPECT_EQ(qrect.right(), 109);  // QRect's right edge is inclusive
    EXPECT_EQ(Rect::FromQRect(qrect), rect);
    EXPECT_EQ(Rect::FromQRect(QRect()), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(Size::FromQSize(QSize(3, 4)).ToQSize(), QSize(3, 4));
    EXPECT_EQ(Point::FromQPoint(QPoint(-3, 4)).ToQPoint(), QPoint(-3, 4));
}

TEST(RectTest, TextFormsReadBackAndRejectOtherTexts)
{
    const Rect rect{-10, 20, 110, 70};
    EXPECT_EQ(rect.ToString(), QStringLiteral("-10,20,110,70"));
    EXPECT_EQ(Rect::FromString(rect.ToString()), rect);
    EXPECT_EQ(Rect::FromString(QStringLiteral(" 1, 2 ,3,4")), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(Size::FromString(Size{640, 480}.ToString()), (Size{640, 480}));
    for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "1,2,x,4", "1;2;3;4", "1,2,3,", "-2147483648,0,2147483647,0"})
        EXPECT_FALSE(Rect::FromString(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(Size::FromString(QStringLiteral("640")));
}
