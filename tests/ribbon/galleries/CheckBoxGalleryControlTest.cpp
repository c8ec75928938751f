#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "ribbon/galleries/CheckBoxGalleryControlItem.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_GALLERY = 32844;

// Hidden instruments, each a box ticked while it shows.
class InstrumentsHelper : public IDynamicGalleryHelper
{
public:
    void Fill(DynamicGallery& gallery) override
    {
        gallery.RemoveAll();
        gallery.AddItem(std::make_unique<CheckBoxGalleryControlItem>(1, QStringLiteral("KGHM"), true));
        gallery.AddItem(std::make_unique<CheckBoxGalleryControlItem>(2, QStringLiteral("PKO")));
        gallery.AddItem(3, QStringLiteral("Zwykła pozycja"));
    }
    void OnItemExecute(DynamicGallery&, GalleryItem& item) override
    {
        reported.push_back({item.GetID(), static_cast<CheckBoxGalleryControlItem&>(item).IsChecked()});
    }
    bool IsClosingOnClick() const override { return closing; }

    std::vector<std::pair<std::uint32_t, bool>> reported;
    bool closing = false;
};

class CheckBoxGalleryControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        RibbonControl* popup = ribbon.group->Add(RibbonControlPopup, 32809, QStringLiteral("Pokaż"));
        bar = popup->SetCommandBar(std::make_unique<RibbonPopupBar>());
        gallery = static_cast<CheckBoxGalleryControl*>(bar->Add(
            std::make_unique<CheckBoxGalleryControl>(helper, CheckBoxGalleryControl::kUncheckedImageId,
                                                     CheckBoxGalleryControl::kCheckedImageId),
            ID_GALLERY));
        ribbon.ribbon->OnPopupOpening(*bar);
    }

    std::vector<std::uint32_t> CheckedIds() const
    {
        std::vector<std::uint32_t> ids;
        for (const CheckBoxGalleryControlItem* item : gallery->GetCheckedItems())
            ids.push_back(item->GetID());
        return ids;
    }

    TestRibbon ribbon;
    std::shared_ptr<InstrumentsHelper> helper = std::make_shared<InstrumentsHelper>();
    RibbonPopupBar* bar = nullptr;
    CheckBoxGalleryControl* gallery = nullptr;
};
}

TEST_F(CheckBoxGalleryControlTest, TickingKeepsThePopupOpenAndReportsTheBoxes)
{
    EXPECT_FALSE(gallery->GetUncheckedImage().isNull());
    EXPECT_FALSE(gallery->GetCheckedImage().isNull());
    EXPECT_EQ(CheckedIds(), std::vector<std::uint32_t>{1});

    gallery->ChooseItem(1);
    gallery->ChooseItem(0);
    using Report = std::pair<std::uint32_t, bool>;
    EXPECT_EQ(helper->reported, (std::vector<Report>{{2, true}, {1, false}}));
    EXPECT_EQ(CheckedIds(), std::vector<std::uint32_t>{2});
    EXPECT_EQ(ribbon.site.Closes(), 0) << "several boxes can be ticked in one go";
    EXPECT_TRUE(ribbon.NotificationsOf(ID_GALLERY).empty());

    gallery->ChooseItem(2);
    EXPECT_EQ(helper->reported.size(), 2u) << "an item that is no check box is ignored";
}

TEST_F(CheckBoxGalleryControlTest, AHelperThatClosesOnClickEndsThePopup)
{
    helper->closing = true;
    gallery->ChooseItem(1);
    EXPECT_EQ(CheckedIds(), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(ribbon.site.Closes(), 1);
    EXPECT_EQ(ribbon.NotificationsOf(ID_GALLERY), std::vector<int>{NotifyCodes::Execute});
}
