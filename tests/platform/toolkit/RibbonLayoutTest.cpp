#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonLayout.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

TEST(RibbonLayoutTest, CaptionsShowWithoutMnemonicMarkersAndShortcuts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"&Tabela", "Tabela"},
        {"Ko&mórka", "Komórka"},
        {"Zysk && strata", "Zysk & strata"},
        {"Zapisz okno...\tCtrl+S", "Zapisz okno..."},
        {"Koniec&", "Koniec&"},
    };
    for (const auto& [caption, shown] : cases)
        EXPECT_EQ(RibbonLayout::DisplayText(QString::fromUtf8(caption)), QString::fromUtf8(shown)) << caption;
}

TEST(RibbonImageManagerTest, KnowsWhichSizesACommandHasAndMapsStripsByPosition)
{
    TestApplication::Ensure();
    RibbonImageManager images;
    EXPECT_FALSE(images.SetIcon(1, 500, 24)) << "only 16 and 32 px";
    EXPECT_TRUE(images.SetIcon(1, 500, RibbonImageManager::kSmall));
    EXPECT_TRUE(images.SetIcons(700, {0, 2, 3}, RibbonImageManager::kLarge));

    EXPECT_TRUE(images.HasIcon(1, RibbonImageManager::kSmall));
    EXPECT_FALSE(images.HasIcon(1, RibbonImageManager::kLarge));
    EXPECT_FALSE(images.HasIcon(0, RibbonImageManager::kLarge)) << "position without a command";
    EXPECT_EQ(images.ResourceId(3, RibbonImageManager::kLarge), 700u);
    EXPECT_FALSE(images.Icon(1, RibbonImageManager::kLarge).isNull()) << "the other size stands in";
    EXPECT_FALSE(images.Icon(99, RibbonImageManager::kSmall).isNull()) << "never blank";
}
