#include "workspace/engine/ModuleWindowFit.h"

#include <gtest/gtest.h>

TEST(ModuleWindowFitTest, AWindowBeyondTheFramesReachComesBackUntilSixtyPixelsOfItAreReachable)
{
    const QRect frame(100, 50, 1000, 700);
    const QSize track(800, 600);
    const struct
    {
        QRect window;
        QSize track;
        QPoint offset;
    } cases[] = {
        // Far right: its left edge 900 px into the frame, the reach ends at 800 - 60.
        {QRect(1000, 100, 300, 200), track, QPoint(160, 0)},
        // Far bottom.
        {QRect(200, 700, 300, 200), track, QPoint(0, 110)},
        {QRect(1000, 700, 300, 200), track, QPoint(160, 110)},
        // Within reach, also exactly at its edge.
        {QRect(200, 100, 300, 200), track, QPoint()},
        {QRect(840, 590, 300, 200), track, QPoint()},
        // Without a tracking size nothing moves.
        {QRect(5000, 5000, 300, 200), QSize(), QPoint()},
    };
    for (const auto& item : cases)
        EXPECT_EQ(ModuleWindowFit::Offset(item.window, frame, item.track), item.offset)
            << item.window.x() << "," << item.window.y();
}
