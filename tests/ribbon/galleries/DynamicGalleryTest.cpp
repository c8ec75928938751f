#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_POPUP = 500;
constexpr std::uint32_t ID_GALLERY = 501;

// Fills the series "now" has and records what the gallery asked.
class SeriesHelper : public IDynamicGalleryHelper
{
public:
    void Fill(DynamicGallery& gallery) override
    {
        ++fills;
        gallery.RemoveAll();
        for (const QString& name : series)
            gallery.AddItem(static_cast<std::uint32_t>(gallery.GetItemCount() + 1), name);
    }
    void OnItemExecute(DynamicGallery&, GalleryItem& item) override { executed.push_back(item.GetCaption()); }
    bool OnRButtonUp(DynamicGallery&, const QPoint&) override { return handlesRightClick; }

    QStringList series;
    int fills = 0;
    QStringList executed;
    bool handlesRightClick = false;
};

class DynamicGalleryTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }

    DynamicGallery* AddGallery(std::shared_ptr<IDynamicGalleryHelper> helper)
    {
        RibbonControl* popup = ribbon.group->Add(RibbonControlPopup, ID_POPUP, QStringLiteral("Serie"));
        bar = popup->SetCommandBar(std::make_unique<RibbonPopupBar>());
        return static_cast<DynamicGallery*>(bar->Add(std::make_unique<DynamicGallery>(std::move(helper)), ID_GALLERY));
    }

    TestRibbon ribbon;
    RibbonPopupBar* bar = nullptr;
};
}

TEST_F(DynamicGalleryTest, FillsOnEveryOpeningAndExecutesTheChosenItem)
{
    auto helper = std::make_shared<SeriesHelper>();
    DynamicGallery* gallery = AddGallery(helper);
    helper->series = {QStringLiteral("Kurs"), QStringLiteral("Wolumen")};

    ribbon.ribbon->OnPopupOpening(*bar);
    ASSERT_EQ(gallery->GetItemCount(), 2);
    helper->series << QStringLiteral("Średnia");
    ribbon.ribbon->OnPopupOpening(*bar);
    EXPECT_EQ(helper->fills, 2);
    EXPECT_EQ(gallery->GetItemCount(), 3) << "the second opening shows the series added since";

    gallery->ChooseItem(2);
    EXPECT_EQ(helper->executed, QStringList{QStringLiteral("Średnia")});
    EXPECT_EQ(ribbon.NotificationsOf(ID_GALLERY), std::vector<int>{NotifyCodes::Execute});
    EXPECT_EQ(ribbon.site.Closes(), 1) << "choosing closes the popup";

    gallery->SetSelectedItem(-1);
    gallery->OnExecute();
    EXPECT_EQ(helper->executed.size(), 1) << "nothing runs without a selected item";
}

TEST_F(DynamicGalleryTest, AGalleryWithoutHelperKeepsItsItemsAndStillRuns)
{
    DynamicGallery* gallery = AddGallery(nullptr);
    gallery->AddItem(7, QStringLiteral("Stała"));

    ribbon.ribbon->OnPopupOpening(*bar);
    EXPECT_EQ(gallery->GetItemCount(), 1);
    gallery->ChooseItem(0);
    EXPECT_EQ(ribbon.NotificationsOf(ID_GALLERY), std::vector<int>{NotifyCodes::Execute});
    EXPECT_FALSE(gallery->OnRButtonDown(QPoint(1, 1))) << "no helper: not handled";
    EXPECT_FALSE(gallery->OnRButtonUp(QPoint(1, 1)));
}

TEST_F(DynamicGalleryTest, ARightClickTheHelperDoesNotHandleOpensTheRibbonsMenu)
{
    ScopedFakeDialogs dialogs;
    auto helper = std::make_shared<SeriesHelper>();
    auto gallery = std::make_unique<DynamicGallery>(helper);
    DynamicGallery* shown = gallery.get();
    ribbon.group->Add(std::move(gallery), ID_GALLERY);
    RibbonHit hit;
    hit.code = RibbonHitClient;
    hit.control = shown;
    ribbon.site.SetHit(QPoint(40, 60), hit);

    ribbon.ribbon->OnRButtonUp(QPoint(40, 60));
    EXPECT_EQ(dialogs.MenuTracker().TimesShown(), 1);
    helper->handlesRightClick = true;
    ribbon.ribbon->OnRButtonUp(QPoint(40, 60));
    EXPECT_EQ(dialogs.MenuTracker().TimesShown(), 1) << "the helper took it";
}
