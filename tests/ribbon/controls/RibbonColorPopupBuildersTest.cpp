#include "platform/toolkit/GalleryGeometry.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/galleries/ControlGalleryEx.h"
#include "ribbon/galleries/GalleryItemFontColor.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_GRID_COLOR = 33147;

ControlGalleryEx* GalleryOf(RibbonControl* button)
{
    if (button == nullptr || button->GetCommandBar() == nullptr || button->GetCommandBar()->GetControls().empty())
        return nullptr;
    return qobject_cast<ControlGalleryEx*>(button->GetCommandBar()->GetControls().front().get());
}
}

TEST(RibbonColorPopupBuildersTest, TheColourGalleryWithAndWithoutItsDefaultEntry)
{
    TestApplication::Ensure();
    TestRibbon ribbon;
    EXPECT_EQ(AddColorPopupButton(nullptr, ID_GRID_COLOR), nullptr);

    struct Case
    {
        RibbonControl* button;
        int height;
        QString firstCaption;
    };
    const Case cases[] = {
        {AddColorPopupButton(ribbon.group, ID_GRID_COLOR), 163, QStringLiteral("Kolory motywu")},
        {AddColorPopupButtonWithDefault(ribbon.group, ID_GRID_COLOR + 1), 180, QStringLiteral("Domyślny")},
        {AddColorPopupButtonWithDefault(ribbon.group, ID_GRID_COLOR + 2, QStringLiteral("Przezroczysty")), 180,
         QStringLiteral("Przezroczysty")},
    };
    for (const Case& c : cases)
    {
        ASSERT_NE(c.button, nullptr);
        EXPECT_EQ(c.button->GetType(), RibbonControlButtonPopup);
        EXPECT_TRUE(c.button->GetFlags() & RibbonColorPopupIds::kColorButtonFlag);
        ControlGalleryEx* gallery = GalleryOf(c.button);
        ASSERT_NE(gallery, nullptr);
        EXPECT_EQ(gallery->GetID(), c.button->GetID());
        EXPECT_EQ(QSize(gallery->GetWidth(), gallery->GetHeight()), QSize(171, c.height));
        EXPECT_LE(GalleryGeometry::ContentSize(*gallery, gallery->GetWidth()).height(), c.height)
            << "every colour shows without scrolling";
        EXPECT_EQ(gallery->GetItem(0)->GetCaption(), c.firstCaption);

        const GalleryItem* more = gallery->GetItem(gallery->GetItemCount() - 1);
        EXPECT_EQ(more->GetCaption(), QStringLiteral("Więcej kolorów"));
        EXPECT_EQ(more->GetID(), ColorMarkers::ItemId(ColorMarkers::kMore));
        int cells = 0;
        for (int index = 0; index < gallery->GetItemCount(); ++index)
            cells += dynamic_cast<const GalleryItemFontColor*>(gallery->GetItem(index)) ? 1 : 0;
        EXPECT_EQ(cells, 70) << "sixty theme colours and ten standard ones";
    }
    const ControlGalleryEx* withDefault = GalleryOf(cases[1].button);
    EXPECT_EQ(withDefault->GetItem(0)->GetID(), ColorMarkers::ItemId(ColorMarkers::kDefault));
    EXPECT_EQ(withDefault->GetItemCount(), GalleryOf(cases[0].button)->GetItemCount() + 1);
    const auto* white = dynamic_cast<const GalleryItemFontColor*>(withDefault->GetItem(2));
    ASSERT_NE(white, nullptr) << "the theme colours follow their label";
    EXPECT_EQ(white->GetColor(), 0xFFFFFF);
}
