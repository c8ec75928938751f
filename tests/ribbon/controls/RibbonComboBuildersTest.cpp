#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonControlEditors.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/galleries/LineTypeGalleryItem.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/TestApplication.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QStyledItemDelegate>

#include <gtest/gtest.h>

namespace
{
const GalleryControl* GalleryOf(const RibbonComboBoxControl* combo)
{
    return qobject_cast<const GalleryControl*>(combo->GetCommandBar()->GetControls().front().get());
}

class RibbonComboBuildersTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }

    TestRibbon ribbon;
};
}

TEST_F(RibbonComboBuildersTest, EachComboHasItsWidthItemsAndGallery)
{
    struct Case
    {
        RibbonComboBoxControl* combo;
        std::uint32_t id;
        int width;
        int itemHeight;
        QStringList firstCaptions;
        int count;
        bool dropDownList;
    };
    const Case cases[] = {
        {AddFontSizeCombo(ribbon.group, 33161), 33161, 48, 18, {"4", "6", "8"}, 23, false},
        {AddLineWidthCombo(ribbon.group, 33108), 33108, 32, 18, {"1", "2", "3"}, 7, true},
        {AddChartElementWidthCombo(ribbon.group), 33347, 48, 18, {"1", "2", "5"}, 8, true},
        {AddLineTypeCombo(ribbon.group, 33148, false), 33148, 80, 16, {"0", "1", "2"}, 5, true},
        {AddLineTypeCombo(ribbon.group, 33149, true), 33149, 48, 16, {"0", "1", "2"}, 5, true},
    };
    for (const Case& c : cases)
    {
        ASSERT_NE(c.combo, nullptr);
        EXPECT_EQ(c.combo->GetID(), c.id);
        EXPECT_EQ(c.combo->GetWidth(), c.width) << c.id;
        EXPECT_EQ(c.combo->IsDropDownList(), c.dropDownList) << c.id;
        ASSERT_EQ(c.combo->GetCount(), c.count) << c.id;
        const GalleryControl* gallery = GalleryOf(c.combo);
        ASSERT_EQ(gallery->GetItemCount(), c.count);
        EXPECT_EQ(gallery->GetItemSize().height(), c.itemHeight);
        for (int index = 0; index < c.count; ++index)
        {
            EXPECT_EQ(c.combo->GetItem(index).caption, gallery->GetItem(index)->GetCaption());
            EXPECT_EQ(c.combo->GetItem(index).data, static_cast<std::intptr_t>(gallery->GetItem(index)->GetID()));
            EXPECT_EQ(gallery->GetItem(index)->GetData(), c.combo->GetItem(index).data) << "item id = item data";
        }
        for (int index = 0; index < c.firstCaptions.size(); ++index)
            EXPECT_EQ(c.combo->GetItem(index).caption, c.firstCaptions[index]);
    }
    EXPECT_EQ(cases[0].combo->GetItem(22).data, 150);
    EXPECT_EQ(cases[2].combo->GetItem(7).data, 100);
    EXPECT_NE(dynamic_cast<const LineTypeGalleryItem*>(GalleryOf(cases[3].combo)->GetItem(4)), nullptr);
    EXPECT_EQ(AddFontSizeCombo(nullptr, 1), nullptr);
    EXPECT_EQ(AddLineTypeCombo(nullptr, 1, true), nullptr);
}

TEST_F(RibbonComboBuildersTest, TheFontComboListsTheFamiliesAndIsFollowedByASpacer)
{
    RibbonComboBoxControl* fonts = AddFontNameCombo(ribbon.group, 33160);
    ASSERT_NE(fonts, nullptr);
    EXPECT_EQ(fonts->GetCount(), QFontDatabase::families().size());
    EXPECT_EQ(fonts->GetWidth(), 150);
    const GalleryControl* gallery = GalleryOf(fonts);
    EXPECT_EQ(QSize(gallery->GetWidth(), gallery->GetHeight()), QSize(290, 508));
    const RibbonControl* spacer = ribbon.group->GetControls().back().get();
    EXPECT_EQ(spacer->GetID(), RibbonComboIds::ID_SPACER_LABEL);
    EXPECT_EQ(spacer->GetType(), RibbonControlLabel);
    EXPECT_EQ(spacer->GetWidth(), 2);
    EXPECT_TRUE(spacer->GetCaption().isEmpty());
}

TEST_F(RibbonComboBuildersTest, ChoosingInTheComboRunsItsId)
{
    RibbonComboBoxControl* widths = AddLineWidthCombo(ribbon.group, 33108);
    widths->SetTooltip(QStringLiteral("Grubość linii"));
    widths->SetDescription(QStringLiteral("Grubość linii siatki"));
    std::unique_ptr<QWidget> editor(RibbonControlEditors::Create(*widths, nullptr));
    EXPECT_EQ(editor->toolTip(), QStringLiteral("<b>Grubość linii</b><br>Grubość linii siatki"));
    auto* combo = qobject_cast<QComboBox*>(editor.get());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 7);
    EXPECT_NE(qobject_cast<QStyledItemDelegate*>(combo->itemDelegate()), nullptr);
    EXPECT_EQ(combo->itemDelegate()->metaObject()->className(), QByteArray("GalleryItemDelegate"))
        << "the list is drawn by the gallery's items";

    emit combo->activated(3);
    EXPECT_EQ(widths->GetCurSel(), 3);
    EXPECT_EQ(widths->GetItem(widths->GetCurSel()).data, 4);
    EXPECT_EQ(ribbon.NotificationsOf(33108), std::vector<int>{NotifyCodes::Execute});
}
