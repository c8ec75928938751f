#include "charts/ui/FormationCmdTargetsCollection.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationSymbolsGalleryHelper.h"
#include "modulelibs/chart/FormationSymbolsContainer.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "tests/charts/ui/EmptyChartWindow.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

using namespace FormationCommandIds;

TEST(FormationSymbolsGalleryTest, EverySymbolStandsInOneRowUnderItsId)
{
    TestApplication::Ensure();
    auto helper = std::make_shared<FormationSymbolsGalleryHelper>();
    DynamicGallery gallery(helper, ID_SYMBOLS_GALLERY);
    gallery.AddItem(99, QStringLiteral("stary"));
    helper->Fill(gallery);
    const auto& symbols = GetFormationSymbolsContainerInstance().Symbols();
    ASSERT_EQ(gallery.GetItemCount(), static_cast<int>(symbols.size()));
    int index = 0;
    for (const auto& [id, image] : symbols)
    {
        GalleryItem* item = gallery.GetItem(index++);
        EXPECT_EQ(item->GetID(), static_cast<std::uint32_t>(id));
        // A 16 x 16 symbol makes a 32 x 32 item.
        EXPECT_EQ(item->GetSize(), QSize(32, 32));
    }
    EXPECT_EQ(gallery.GetWidth(), 32 * static_cast<int>(symbols.size()));
    EXPECT_EQ(gallery.GetHeight(), 32);
    EXPECT_FALSE(gallery.GetShowScrollBar());
    EXPECT_EQ(FormationSymbolsGalleryHelper::SymbolItem::ImageTopLeft(QRect(0, 0, 32, 32), QSize(16, 16)), QPoint(8, 8));
    EXPECT_EQ(FormationSymbolsGalleryHelper::SymbolItem::ImageTopLeft(QRect(40, 10, 33, 32), QSize(16, 16)), QPoint(48, 18));
}

TEST(FormationSymbolsGalleryTest, ChoosingASymbolArmsTheSymbolTool)
{
    TestApplication::Ensure();
    ChartModuleConsumer consumer;
    ChartWindow* chart = MakeActiveEmptyChart(consumer);
    FormationCmdTargetsCollection targets(&consumer);
    auto helper = std::make_shared<FormationSymbolsGalleryHelper>();
    DynamicGallery gallery(helper, ID_SYMBOLS_GALLERY);
    helper->Fill(gallery);
    gallery.SetSelectedItem(2);
    NotifyInfo applied(ID_SYMBOLS_GALLERY, NotifyCodes::GalleryPreviewApply, &gallery);
    targets.SendNotify(applied);
    EXPECT_EQ(consumer.CurrentSymbolId(), FormationSymbolsContainer::Circle);
    EXPECT_EQ(consumer.FormationToTurnOn(), FormationParam::kSymbol);
    delete chart;
}
