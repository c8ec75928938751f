#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/galleries/ControlGalleryEx.h"
#include "ribbon/galleries/ControlGalleryUndo.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_STYLES = 700;

// The owner that answers the checked-item query with the item of the current style, or not at all.
class StylesTarget : public RecordingCommandTarget
{
public:
    bool OnCmdMsg(std::uint32_t id, int code, void* extra) override
    {
        if (code == NotifyCodes::CheckedItemQuery)
        {
            if (answers)
                static_cast<NotifyInfo*>(extra)->result = current;
            return answers;
        }
        return RecordingCommandTarget::OnCmdMsg(id, code, extra);
    }
    bool answers = true;
    std::intptr_t current = 3;
};
}

TEST(ControlGalleryExTest, TheExpandButtonWorksOnlyOnceTheItemsWrap)
{
    TestApplication::Ensure();
    TestRibbon ribbon;
    auto made = std::make_unique<ControlGalleryEx>();
    made->SetItemSize(QSize(20, 20));
    for (std::uint32_t id = 1; id <= 4; ++id)
        made->AddItem(id, QString::number(id));
    made->SetCommandBar(std::make_unique<RibbonPopupBar>());
    auto* gallery = static_cast<ControlGalleryEx*>(ribbon.group->Add(std::move(made), ID_STYLES));

    gallery->SetRect(QRect(0, 0, 100, 20));
    EXPECT_FALSE(gallery->IsMultiRow());
    EXPECT_FALSE(gallery->IsScrollButtonEnabled(ControlGalleryEx::ScrollExpand));
    gallery->OnExpandButton();
    EXPECT_TRUE(ribbon.site.Popups().empty()) << "all items show already";

    gallery->SetRect(QRect(0, 0, 50, 20));
    EXPECT_TRUE(gallery->IsMultiRow());
    EXPECT_FALSE(gallery->IsScrollButtonEnabled(ControlGalleryEx::ScrollUp));
    EXPECT_TRUE(gallery->IsScrollButtonEnabled(ControlGalleryEx::ScrollDown));
    gallery->OnExpandButton();
    ASSERT_EQ(ribbon.site.Popups().size(), 1u);
    EXPECT_EQ(ribbon.site.Popups().front(), gallery);

    gallery->SetScrollPos(20);
    EXPECT_TRUE(gallery->IsScrollButtonEnabled(ControlGalleryEx::ScrollUp));
    EXPECT_FALSE(gallery->IsScrollButtonEnabled(ControlGalleryEx::ScrollDown)) << "the last row shows";
}

TEST(ControlGalleryExTest, TheOwnerSaysWhichItemShowsChecked)
{
    TestApplication::Ensure();
    StylesTarget target;
    CommandBars commandBars;
    commandBars.SetCommandTarget(&target);
    RibbonBarBase* ribbon = commandBars.AddRibbonBar(std::make_unique<RibbonBarBase>(), QStringLiteral("Wstążka"));
    RibbonGroupBase* group = ribbon->InsertTab(0, QStringLiteral("Karta"), 1)->AddGroup(QStringLiteral("Grupa"), 2);
    auto* gallery = static_cast<ControlGalleryEx*>(group->Add(std::make_unique<ControlGalleryEx>(), ID_STYLES));

    gallery->OnCalcDynamicSize();
    EXPECT_EQ(gallery->GetCheckedItem(), 3u);
    target.answers = false;
    gallery->OnCalcDynamicSize();
    EXPECT_EQ(gallery->GetCheckedItem(), 3u) << "without an answer the checked item stays";
}

TEST(ControlGalleryUndoTest, TheStaticOfTheSameIdCountsTheActions)
{
    TestApplication::Ensure();
    TestRibbon ribbon;
    RibbonControl* undo = ribbon.group->Add(RibbonControlSplitButtonPopup, ID_STYLES, QStringLiteral("Cofnij"));
    RibbonPopupBar* bar = undo->SetCommandBar(std::make_unique<RibbonPopupBar>());
    auto* gallery = static_cast<ControlGalleryUndo*>(bar->Add(std::make_unique<ControlGalleryUndo>(), ID_STYLES));
    RibbonControl* label = bar->Add(RibbonControlLabel, ID_STYLES, QStringLiteral("Cofnij"));
    for (std::uint32_t id = 1; id <= 4; ++id)
        gallery->AddItem(id, QString::number(id));

    gallery->HoverItem(2);
    EXPECT_EQ(label->GetCaption(), QStringLiteral("Undo 3 Actions"));
    gallery->HoverItem(-1);
    EXPECT_EQ(label->GetCaption(), QStringLiteral("Cancel"));
    gallery->HideSelection(true);
    gallery->HoverItem(0);
    EXPECT_EQ(label->GetCaption(), QStringLiteral("Cancel")) << "a hidden selection counts as none";

    ControlGalleryUndo alone(ID_STYLES);
    alone.AddItem(1, QStringLiteral("1"));
    alone.HoverItem(0);
    EXPECT_EQ(label->GetCaption(), QStringLiteral("Cancel")) << "a gallery on no bar changes nothing";
}
