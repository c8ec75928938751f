#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/details/RibbonDetailsTabsQ4Classic.h"
#include "ribbon/details/RibbonOffersTabsQ4Classic.h"
#include "ribbon/galleries/ConnectedTableGaleryHalper.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
class RibbonDetailsOffersTabsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        creators->Set("details", [this](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<RibbonDetailsTabsQ4Classic>(factory, ribbonBar, GetDetailsConsumer(), &tables);
        });
        creators->Set("offers", [this](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<RibbonOffersTabsQ4Classic>(factory, ribbonBar, GetOffersConsumer(), &tables);
        });
        ASSERT_TRUE(factory.CreateRibbon());
    }

    TableModuleConsumer tables;
    FakeRibbonsFactoryOwner owner;
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    RibbonsFactory factory{owner, creators};
};
}

TEST_F(RibbonDetailsOffersTabsTest, EachWindowKindHasAGreenContextTabWithContentLinkAndStyleGroups)
{
    const struct
    {
        std::uint32_t tab;
        IGenericModule* module;
        QString context;
        std::uint32_t content;
        std::uint32_t display;
        std::uint32_t link;
        std::uint32_t style;
        std::vector<std::uint32_t> controls;
    } cases[] = {
        {101, GetDetailsConsumer(), QStringLiteral("Szczegóły"), 328, 94, 33678, 33071, {32942, 33678, 32953, 32954}},
        {92, GetOffersConsumer(), QStringLiteral("Oferty"), 326, 93, 33679, 33075, {32937, 33689, 33679}},
    };
    for (const auto& c : cases)
    {
        QuorvantaTab* tab = factory.FindTab(c.tab);
        ASSERT_NE(tab, nullptr) << c.tab;
        EXPECT_EQ(tab->GetContextColor(), RibbonContextColorGreen);
        EXPECT_EQ(tab->GetContextCaption(), c.context);
        EXPECT_EQ(tab->GetLevel(), RibbonTabLevelContext);
        EXPECT_EQ(factory.GetModuleTabs(c.module).size(), 1u);
        ASSERT_TRUE(tab->Prepare()) << c.tab;
        RibbonGroupBase* content = tab->FindGroup(c.content);
        ASSERT_NE(content, nullptr);
        for (const std::uint32_t id : c.controls)
            EXPECT_NE(content->FindControl(id), nullptr) << id;
        RibbonPopupBar* popup = content->FindControl(c.link)->GetCommandBar();
        ASSERT_NE(popup, nullptr);
        auto* gallery = qobject_cast<DynamicGallery*>(popup->FindControl(c.link));
        ASSERT_NE(gallery, nullptr) << c.link;
        EXPECT_NE(dynamic_cast<ConnectedTableGaleryHalper*>(gallery->GetHelper()), nullptr);
        // The display options come after the content group, whatever its hook answered.
        RibbonGroupBase* display = tab->FindGroup(c.display);
        ASSERT_NE(display, nullptr) << c.display;
        RibbonControl* change = display->FindControl(c.style);
        ASSERT_NE(change, nullptr);
        EXPECT_EQ(change->GetCaption(), QStringLiteral("Zmień"));
    }
}

TEST(RibbonDetailsOffersTabsCreatorTest, WithoutTheModuleNoTabIsMade)
{
    TestApplication::Ensure();
    FakeRibbonsFactoryOwner owner;
    RibbonsFactory factory(owner, std::make_shared<FakeRibbonTabsCreatorsFactory>());
    ASSERT_TRUE(factory.CreateRibbon());
    RibbonDetailsTabsQ4Classic details(factory, *factory.GetRibbonBar(), nullptr, nullptr);
    RibbonOffersTabsQ4Classic offers(factory, *factory.GetRibbonBar(), nullptr, nullptr);
    EXPECT_FALSE(details.CreateTabs());
    EXPECT_FALSE(offers.CreateTabs());
    EXPECT_EQ(factory.FindTab(101), nullptr);
    EXPECT_EQ(factory.FindTab(92), nullptr);
}
