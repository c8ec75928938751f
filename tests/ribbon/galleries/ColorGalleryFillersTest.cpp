#include "platform/toolkit/GalleryControl.h"
#include "ribbon/galleries/ColorGalleryFillers.h"
#include "ribbon/galleries/GalleryItemFontColor.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
struct Entry
{
    int color;
    QString name;
    int row;
    int column;
};

std::vector<Entry> ThemeColors()
{
    std::vector<Entry> entries;
    AddThemeColorItems([&entries](int color, const QString& name, int row, int column) {
        entries.push_back({color, name, row, column});
    });
    return entries;
}

const Entry& At(const std::vector<Entry>& entries, int row, int column)
{
    return entries.at(static_cast<std::size_t>(row * kThemeColorColumns + column));
}
}

TEST(ColorGalleryFillersTest, ThemeColorsAreTheBaseColoursAndTheirShadesRowByRow)
{
    const std::vector<Entry> entries = ThemeColors();
    ASSERT_EQ(entries.size(), 60u);
    for (std::size_t index = 0; index < entries.size(); ++index)
    {
        EXPECT_EQ(entries[index].row, int(index) / kThemeColorColumns);
        EXPECT_EQ(entries[index].column, int(index) % kThemeColorColumns);
    }
    const int base[] = {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F,
                        0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7};
    for (int column = 0; column < kThemeColorColumns; ++column)
        EXPECT_EQ(At(entries, 0, column).color, base[column]) << column;

    struct Shade
    {
        int row;
        int column;
        int expected;
    };
    // Lightness changed in HSL, hue and saturation kept (rounding may move a channel by one).
    const Shade shades[] = {{1, 0, 0xF2F2F2}, {1, 1, 0x808080}, {1, 4, 0xF2E6DC},
                            {4, 5, 0x353795}, {5, 2, 0x111C1E}, {3, 9, 0x90C0FA}};
    for (const Shade& shade : shades)
    {
        const int color = At(entries, shade.row, shade.column).color;
        for (int shift : {0, 8, 16})
            EXPECT_NEAR((color >> shift) & 0xFF, (shade.expected >> shift) & 0xFF, 1) << shade.row << "," << shade.column;
    }

    EXPECT_EQ(At(entries, 0, 0).name, QStringLiteral("White, Background 1"));
    EXPECT_EQ(At(entries, 1, 0).name, QStringLiteral("White, Background 1, Darker 5%"));
    EXPECT_EQ(At(entries, 1, 4).name, QStringLiteral("Blue, Accent 1, Lighter 80%"));
}

TEST(ColorGalleryFillersTest, GalleriesGetEdgedCellsWhoseIdIsTheColour)
{
    TestApplication::Ensure();
    GalleryControl gallery;
    AddThemeColorItems(gallery);
    AddStandardColorItems(gallery);
    ASSERT_EQ(gallery.GetItemCount(), 70);

    struct Edges
    {
        int index;
        bool top;
        bool bottom;
    };
    const Edges edges[] = {{0, true, true}, {10, true, false}, {25, false, false}, {55, false, true}, {60, true, true}};
    for (const Edges& edge : edges)
    {
        const auto* cell = dynamic_cast<const GalleryItemFontColor*>(gallery.GetItem(edge.index));
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->HasTopBorder(), edge.top) << edge.index;
        EXPECT_EQ(cell->HasBottomBorder(), edge.bottom) << edge.index;
        EXPECT_EQ(cell->GetID(), static_cast<std::uint32_t>(cell->GetColor()));
        EXPECT_EQ(cell->GetSize(), QSize(17, 17));
    }
    const auto* darkRed = static_cast<const GalleryItemFontColor*>(gallery.GetItem(60));
    EXPECT_EQ(darkRed->GetColor(), 0x0000C0);
    EXPECT_EQ(darkRed->GetToolTip(), QStringLiteral("Dark Red"));
    EXPECT_EQ(static_cast<const GalleryItemFontColor*>(gallery.GetItem(69))->GetColor(), 0xA03070);
}
