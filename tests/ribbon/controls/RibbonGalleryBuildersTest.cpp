#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/galleries/ControlGalleryEx.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
class StylesHelper : public IDynamicGalleryHelper
{
public:
    void Fill(DynamicGallery& gallery) override
    {
        gallery.RemoveAll();
        gallery.AddItem(1, QStringLiteral("Klasyczny"));
    }
    void OnItemExecute(DynamicGallery&, GalleryItem&) override {}
};

class RibbonGalleryBuildersTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }
    void TearDown() override
    {
        SetStylePreviewGalleryHelperMaker({});
        SetGlobalRibbonsFactory(nullptr);
    }

    TestRibbon ribbon;
};
}

TEST_F(RibbonGalleryBuildersTest, AGalleryGoesIntoThePopupOfItsControl)
{
    RibbonControl* sort = ribbon.group->Add(RibbonControlSplitButtonPopup, 32786, QStringLiteral("Sortuj"));
    RibbonGalleryList galleries;
    EXPECT_EQ(AddRibbonGallery(nullptr, nullptr, 32857, &galleries), nullptr);

    GalleryControl* made = AddRibbonGallery(nullptr, sort, 32857, &galleries);
    ASSERT_NE(qobject_cast<ControlGalleryEx*>(made), nullptr) << "a ControlGalleryEx when none is given";
    ASSERT_NE(sort->GetCommandBar(), nullptr) << "the control got a popup";
    EXPECT_EQ(sort->GetCommandBar()->FindControl(32857), made);
    EXPECT_EQ(QSize(made->GetWidth(), made->GetHeight()), QSize(128, 145));
    EXPECT_TRUE(made->GetShowLabels() && made->GetShowScrollBar());
    EXPECT_EQ(made->GetParentBar(), sort->GetCommandBar());

    auto helper = std::make_shared<StylesHelper>();
    DynamicGallery* dynamic = AddDynamicGallery(sort, &galleries, helper, 32858);
    ASSERT_NE(dynamic, nullptr);
    EXPECT_EQ(dynamic->GetHelper(), helper.get());
    EXPECT_EQ(helper.use_count(), 2) << "the gallery shares the helper";
    ASSERT_EQ(galleries.size(), 2u);
    EXPECT_EQ(galleries[1], dynamic);
}

TEST_F(RibbonGalleryBuildersTest, StylePopupsAskTheEditionForTheirGallerysHelper)
{
    std::vector<std::pair<int, QString>> asked;
    SetStylePreviewGalleryHelperMaker([&asked](int kind, const QString& text) {
        asked.emplace_back(kind, text);
        return std::make_shared<StylesHelper>();
    });
    FakeRibbonsFactoryOwner owner;
    auto factory = std::make_shared<RibbonsFactory>(owner, std::make_shared<FakeRibbonTabsCreatorsFactory>());
    ASSERT_TRUE(factory->CreateRibbonBar());
    SetGlobalRibbonsFactory(factory);

    RibbonControl* popup = AddRibbonPopupButton(ribbon.group, 33300, 7, QStringLiteral("Tabela"));
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetType(), RibbonControlPopup);
    EXPECT_EQ(asked, (std::vector<std::pair<int, QString>>{{7, QStringLiteral("Tabela")}}));
    auto* gallery = qobject_cast<DynamicGallery*>(popup->GetCommandBar()->FindControl(33300));
    ASSERT_NE(gallery, nullptr);
    ASSERT_NE(gallery->GetHelper(), nullptr);
    ribbon.ribbon->OnPopupOpening(*popup->GetCommandBar());
    EXPECT_EQ(gallery->GetItemCount(), 1);
    const RibbonImageManager& images = owner.GetCommandBars()->GetImageManager();
    EXPECT_TRUE(images.HasIcon(33300, RibbonImageManager::kSmall));
    EXPECT_TRUE(images.HasIcon(33300, RibbonImageManager::kLarge));

    SetStylePreviewGalleryHelperMaker({});
    RibbonControl* withoutEdition = AddStylePopupControl(ribbon.group, 33301, 7, QStringLiteral("Tabela"));
    auto* empty = qobject_cast<DynamicGallery*>(withoutEdition->GetCommandBar()->FindControl(33301));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->GetHelper(), nullptr) << "an empty gallery rather than none";
    EXPECT_EQ(AddStylePopupButtonSmall(nullptr, 33302, 7, QString()), nullptr);
}
