#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonBarView.h"
#include "platform/toolkit/RibbonControl.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/controls/RibbonGroup.h"
#include "ribbon/controls/RibbonToolTipsManagement.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <gtest/gtest.h>

namespace
{
// "Pokazuje tylko nazwy zakładek\nMinimalizuj Wstążkę" in the program's string table.
constexpr std::uint32_t ID_WITH_DESCRIPTION = 33633;
const QString kCaption = QStringLiteral("Minimalizuj Wstążkę");
const QString kDescription = QStringLiteral("Pokazuje tylko nazwy zakładek");
constexpr std::uint32_t ID_NO_TEXT = 34999;

class RibbonControlBuildersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        SetGlobalRibbonToolTipsManagement(toolTips);
    }
    void TearDown() override
    {
        SetGlobalRibbonToolTipsManagement(nullptr);
        SetGlobalRibbonsFactory(nullptr);
    }

    TestRibbon ribbon;
    std::shared_ptr<RibbonToolTipsManagement> toolTips = std::make_shared<RibbonToolTipsManagement>();
};
}

TEST_F(RibbonControlBuildersTest, NothingIsBuiltOnNothing)
{
    EXPECT_EQ(AddRibbonControl(nullptr, RibbonControlButton, ID_WITH_DESCRIPTION), nullptr);
    EXPECT_EQ(AddRibbonControlObject(nullptr, std::make_unique<RibbonControl>(RibbonControlButton, 0), 1), nullptr);
    EXPECT_EQ(AddRibbonControlObject(ribbon.group, nullptr, 1), nullptr);
    EXPECT_EQ(AddRibbonButton(nullptr, ID_WITH_DESCRIPTION), nullptr);
    EXPECT_EQ(InsertRibbonGroup(nullptr, ID_WITH_DESCRIPTION), nullptr);
    EXPECT_EQ(InsertRibbonGroup(ribbon.tab, ID_NO_TEXT), nullptr) << "no string, no group";
    AddControlToolTip(nullptr);
    SetGalleryItemToolTip(nullptr, ID_WITH_DESCRIPTION);
    ReplaceCaptionUnderscores(nullptr);
    EXPECT_EQ(ribbon.group->GetCount(), 0);
    EXPECT_EQ(ribbon.tab->GetGroups().size(), 1u);
}

TEST_F(RibbonControlBuildersTest, TooltipsComeFromTheStringTableWithTheCaptionInBold)
{
    RibbonControl* made = AddRibbonControlObject(
        ribbon.group, std::make_unique<RibbonControl>(RibbonControlButton, 0), ID_WITH_DESCRIPTION);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetTooltip(), kCaption);
    EXPECT_EQ(made->GetDescription(), kDescription);

    GalleryItem item(1, QStringLiteral("Stary"));
    SetGalleryItemToolTip(&item, ID_WITH_DESCRIPTION);
    const QString html = QStringLiteral("<b>%1</b><br>%2").arg(kCaption, kDescription);
    EXPECT_EQ(item.GetToolTip(), html);
    EXPECT_EQ(item.GetCaption(), kCaption);
    EXPECT_EQ(item.GetDescription(), kDescription);

    RibbonBarView view(*ribbon.ribbon);
    view.resize(800, view.sizeHint().height());
    view.show();
    const RibbonLayout::ControlItem* placed = view.Layout().FindControl(made);
    ASSERT_NE(placed, nullptr);
    QHelpEvent help(QEvent::ToolTip, placed->rect.center(), view.mapToGlobal(placed->rect.center()));
    QApplication::sendEvent(&view, &help);
    EXPECT_EQ(QToolTip::text(), html) << "the ribbon shows the same rich text";
    QToolTip::hideText();

    SetGlobalRibbonToolTipsManagement(nullptr);
    RibbonControl* withoutFrame = AddRibbonControlObject(
        ribbon.group, std::make_unique<RibbonControl>(RibbonControlButton, 0), ID_WITH_DESCRIPTION);
    EXPECT_TRUE(withoutFrame->GetTooltip().isEmpty()) << "no main frame, no tooltip";
}

TEST_F(RibbonControlBuildersTest, AGroupIsCaptionedFromItsStringAndAppended)
{
    struct Case
    {
        std::uint32_t id;
        QString caption;
    };
    const Case cases[] = {
        {ID_WITH_DESCRIPTION, kCaption},
        {9, QStringLiteral("&Tabela")}, // no line break: the whole entry
        {34101, QStringLiteral("Nowe okna, pulpity i moduły\nGłówna\nG")}, // after the first break only
    };
    for (const Case& c : cases)
    {
        RibbonGroupBase* group = InsertRibbonGroup(ribbon.tab, c.id);
        ASSERT_NE(dynamic_cast<RibbonGroup*>(group), nullptr);
        EXPECT_EQ(group->GetCaption(), c.caption);
        EXPECT_EQ(group->GetID(), c.id);
        EXPECT_EQ(ribbon.tab->GetGroups().back().get(), group);
    }
}

TEST_F(RibbonControlBuildersTest, ButtonsBecomeTheGroupsOwnUnlessKeptPlain)
{
    auto* group = static_cast<RibbonGroup*>(InsertRibbonGroup(ribbon.tab, ID_WITH_DESCRIPTION));
    RibbonControl* own = AddRibbonButton(group, 601);
    RibbonControl* plain = AddRibbonButton(group, 602, true);
    ASSERT_TRUE(own && plain);
    EXPECT_EQ(group->GetOwnControls(), std::vector<RibbonControl*>{own});
    EXPECT_NE(AddRibbonButton(ribbon.group, 603), nullptr) << "any group takes buttons";
}

TEST_F(RibbonControlBuildersTest, UnderscoresOfACaptionBecomeNoBreakSpacesEverywhere)
{
    const QString nbsp(QChar(0x00A0));
    struct Case
    {
        QString caption;
        QString tooltip;
        QString description;
        QString expectedCaption;
        QString expectedTooltip;
        QString expectedDescription;
    };
    const Case cases[] = {
        {QStringLiteral("Skopiuj_z_..."), QStringLiteral("Skopiuj_z_..."), QStringLiteral("Kopiuje: Skopiuj_z_..."),
         "Skopiuj" + nbsp + "z" + nbsp + "...", "Skopiuj" + nbsp + "z" + nbsp + "...",
         "Kopiuje: Skopiuj" + nbsp + "z" + nbsp + "..."},
        {QStringLiteral("Bez"), QStringLiteral("Bez tytułu"), QStringLiteral("Bez"), QStringLiteral("Bez"),
         QStringLiteral("Bez tytułu"), QStringLiteral("Bez")},
        // An empty caption would otherwise be "replaced" between every two characters.
        {QString(), QStringLiteral("Opis"), QStringLiteral("Opis"), QString(), QStringLiteral("Opis"),
         QStringLiteral("Opis")},
    };
    for (const Case& c : cases)
    {
        RibbonControl control(RibbonControlButton, 1);
        control.SetCaption(c.caption);
        control.SetTooltip(c.tooltip);
        control.SetDescription(c.description);
        ReplaceCaptionUnderscores(&control);
        EXPECT_EQ(control.GetCaption(), c.expectedCaption);
        EXPECT_EQ(control.GetTooltip(), c.expectedTooltip);
        EXPECT_EQ(control.GetDescription(), c.expectedDescription);
    }
}

TEST_F(RibbonControlBuildersTest, IconsGoUnderTheirIdsInTheRibbonsImageManager)
{
    const std::uint32_t ids[] = {RibbonBuilderIds::ID_ICON_PLACEHOLDER, 501, RibbonBuilderIds::ID_ICON_PLACEHOLDER, 502};
    EXPECT_FALSE(SetBitmapIcons(900, ids, false)) << "no ribbon yet";

    FakeRibbonsFactoryOwner owner;
    auto factory = std::make_shared<RibbonsFactory>(owner, std::make_shared<FakeRibbonTabsCreatorsFactory>());
    ASSERT_TRUE(factory->CreateRibbonBar());
    SetGlobalRibbonsFactory(factory);
    const RibbonImageManager& images = owner.GetCommandBars()->GetImageManager();

    EXPECT_TRUE(SetBitmapIcons(900, ids, false));
    EXPECT_EQ(images.ResourceId(501, RibbonImageManager::kSmall), 900u);
    EXPECT_EQ(images.ResourceId(502, RibbonImageManager::kSmall), 900u);
    EXPECT_FALSE(images.HasIcon(RibbonBuilderIds::ID_ICON_PLACEHOLDER, RibbonImageManager::kSmall));
    EXPECT_FALSE(images.HasIcon(501, RibbonImageManager::kLarge));

    SetRibbonIcons(601, 710, 0);
    EXPECT_TRUE(images.HasIcon(601, RibbonImageManager::kSmall));
    EXPECT_FALSE(images.HasIcon(601, RibbonImageManager::kLarge)) << "bitmap32 0 sets only the small image";
    SetRibbonIcons(602, 710, 711);
    EXPECT_EQ(images.ResourceId(602, RibbonImageManager::kLarge), 711u);

    SetSharedBitmapIcons(603);
    EXPECT_EQ(images.ResourceId(603, RibbonImageManager::kSmall), RibbonBuilderIds::IDB_SHARED_SMALL);
    EXPECT_EQ(images.ResourceId(603, RibbonImageManager::kLarge), RibbonBuilderIds::IDB_SHARED_LARGE);

    factory.reset();
    EXPECT_FALSE(SetBitmapIcons(900, ids, false)) << "the frame's factory is gone";
}
