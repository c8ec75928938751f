#include "workspace/engine/ModuleWindowPlacement.h"

#include <gtest/gtest.h>

namespace
{
const ModuleWindowPlacement kPlacement({20, 4});
const QRect kArea(0, 0, 1000, 700);

QRect Outer(const QRect& client)
{
    return kPlacement.OuterOf(client);
}
}

TEST(ModuleWindowPlacementTest, TheFrameLiesAroundTheClientAndBack)
{
    const QRect client(100, 100, 300, 200);
    EXPECT_EQ(Outer(client), QRect(96, 76, 308, 228));
    EXPECT_EQ(kPlacement.ClientOf(Outer(client)), client);
}

TEST(ModuleWindowPlacementTest, ANewWindowTakesTheFirstFreeSpotRowByRow)
{
    const QSize natural(300, 200);
    const QRect first = kPlacement.PlaceNew(natural, kArea, {});
    EXPECT_EQ(Outer(first).topLeft(), kArea.topLeft());
    EXPECT_EQ(first.size(), natural);

    // Beside the first, then beside both, then a row lower when the row is full.
    const QRect second = kPlacement.PlaceNew(natural, kArea, {Outer(first)});
    EXPECT_EQ(Outer(second).topLeft(), QPoint(Outer(first).right() + 1, 0));
    const QRect third = kPlacement.PlaceNew(natural, kArea, {Outer(first), Outer(second)});
    EXPECT_EQ(Outer(third).topLeft(), QPoint(Outer(second).right() + 1, 0));
    const QRect fourth = kPlacement.PlaceNew(natural, kArea, {Outer(first), Outer(second), Outer(third)});
    EXPECT_EQ(Outer(fourth).topLeft(), QPoint(0, Outer(first).bottom() + 1));

    // A window narrower than its row's neighbours fills a gap between them.
    const QRect gapLeft(0, 0, 400, 300);
    const QRect gapRight(600, 0, 400, 300);
    const QRect small = kPlacement.PlaceNew(QSize(150, 100), kArea, {gapLeft, gapRight});
    EXPECT_EQ(Outer(small).topLeft(), QPoint(400, 0));
}

TEST(ModuleWindowPlacementTest, WithoutAFreeSpotWindowsCascadeByOneCaptionAndStayWhole)
{
    const std::vector<QRect> full{kArea};
    struct Case
    {
        int windows;
        QSize natural;
    } cases[] = {{1, {300, 200}}, {3, {300, 200}}, {40, {300, 200}}, {2, {990, 690}}, {5, {5000, 5000}}};
    for (const Case& item : cases)
    {
        std::vector<QRect> taken(item.windows, kArea);
        const QRect placed = kPlacement.PlaceNew(item.natural, kArea, taken);
        EXPECT_TRUE(kArea.contains(Outer(placed))) << item.windows << " " << item.natural.width();
        if (Outer(placed).width() < kArea.width() - 20 * item.windows)
            EXPECT_EQ(Outer(placed).topLeft(), QPoint(20 * item.windows, 20 * item.windows)) << item.windows;
    }
    // Larger than the area: as large as the area; never below the smallest size.
    EXPECT_EQ(Outer(kPlacement.PlaceNew({5000, 5000}, kArea, full)).size(), kArea.size());
    EXPECT_EQ(kPlacement.PlaceNew({10, 10}, kArea, {}).size(), kPlacement.MinimumClient());
}

TEST(ModuleWindowPlacementTest, AMovedWindowKeepsItsCaptionWithinReach)
{
    const QRect outer(0, 0, 400, 300);
    struct Case
    {
        QPoint to;
        QPoint expected;
    } cases[] = {
        {{100, 100}, {100, 100}},                                       // inside: kept
        {{-1000, 50}, {-400 + ModuleWindowPlacement::kReachableCaption, 50}},  // far left
        {{2000, 50}, {1000 - ModuleWindowPlacement::kReachableCaption, 50}},   // far right
        {{100, -50}, {100, 0}},                                         // above: caption in view
        {{100, 5000}, {100, 700 - 24}},                                 // below: caption still seen
        {{700, 500}, {700, 500}},                                       // partly out: allowed
    };
    for (const Case& item : cases)
        EXPECT_EQ(kPlacement.ClampMoved(outer.translated(item.to), kArea).topLeft(), item.expected) << item.to.x();
}
