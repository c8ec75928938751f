#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/CmdTargetFormationCommon.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationTab.h"
#include "charts/ui/FormationsNumericValueEditControlPainter.h"
#include "charts/ui/FormationsRibbonTabsCreator.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/CmdUI.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/charts/ui/EmptyChartWindow.h"
#include "tests/support/ui/TestApplication.h"


#include <gtest/gtest.h>

using namespace FormationCommandIds;
using P = FormationParam;

namespace
{

constexpr std::uint32_t kTabStrings[] = {155, 123, 224, 156, 157, 263, 160, 243, 124, 249, 250, 251, 255, 254, 256, 103};

class FormationTabsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_chart = MakeActiveEmptyChart(m_consumer);
        m_creators->Set("formations", [this](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<FormationsRibbonTabsCreator>(factory, ribbonBar, &m_consumer);
        });
        ASSERT_TRUE(m_factory.CreateRibbon());
    }
    void TearDown() override { delete m_chart; }

    void Select(FormationType kind) { SelectNewFormation(*m_chart, kind); }
    std::vector<std::uint32_t> Available()
    {
        std::vector<std::uint32_t> available;
        for (const std::uint32_t id : kTabStrings)
            if (m_factory.FindTab(id)->IsAvailable())
                available.push_back(id);
        return available;
    }
    std::vector<std::uint32_t> ControlIds(std::uint32_t tab, std::uint32_t group)
    {
        std::vector<std::uint32_t> ids;
        if (const RibbonGroupBase* found = m_factory.FindTab(tab)->FindGroup(group))
            for (const auto& control : found->GetControls())
                ids.push_back(control->GetID());
        return ids;
    }

    ChartModuleConsumer m_consumer;
    ChartWindow* m_chart = nullptr;
    FakeRibbonsFactoryOwner m_owner;
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> m_creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    RibbonsFactory m_factory{m_owner, m_creators};
};

}

TEST_F(FormationTabsTest, SixteenHiddenOrangeTabsHeadedFormacja)
{
    for (const std::uint32_t id : kTabStrings)
    {
        QuorvantaTab* tab = m_factory.FindTab(id);
        ASSERT_NE(tab, nullptr) << id;
        EXPECT_EQ(tab->GetContextColor(), RibbonContextColorOrange);
        EXPECT_EQ(tab->GetContextCaption(), QStringLiteral("Formacja"));
        EXPECT_EQ(tab->GetLevel(), RibbonTabLevelSubContext);
        EXPECT_FALSE(tab->IsVisible());
    }
    EXPECT_EQ(m_factory.GetModuleTabs(&m_consumer).size(), 16u);
    EXPECT_EQ(static_cast<FormationTab*>(m_factory.FindTab(157))->GetSettingsGroupId(), GROUP_REGRESSION_CHANNEL);
}

TEST_F(FormationTabsTest, TheActiveFormationsKindOffersExactlyItsTab)
{
    const std::pair<FormationType, std::uint32_t> cases[] = {
        {P::kSegment, 155},       {P::kRay, 155},           {P::kLine, 155},          {P::kParallelChannel, 155},
        {P::kAngleLine, 123},     {P::kVertical, 224},      {P::kHorizontal, 224},    {P::kPitchfork, 156},
        {P::kRegressionChannel, 157}, {P::kTriangle, 263},  {P::kRectangle, 263},     {P::kEllipse, 263},
        {P::kFiboRetracement, 160}, {P::kFiboProjection, 160}, {P::kFiboTimeRange, 243}, {P::kFiboFan, 124},
        {P::kFiboArcs, 124},      {P::kFiboTimeZones, 249}, {P::kGannFan, 250},       {P::kGannLine, 251},
        {P::kGannGrid, 251},      {P::kCycleLines, 255},    {P::kFan, 256},           {P::kText, 103},
    };
    for (const auto& [kind, tab] : cases)
    {
        Select(kind);
        EXPECT_EQ(Available(), std::vector<std::uint32_t>{tab}) << kind;
    }
    Select(P::kSymbol);
    EXPECT_TRUE(Available().empty());
    // A series selected instead: no formation tab, whatever was active before.
    Select(P::kSegment);
    const_cast<ChartDocument&>(m_chart->Document()).activeFormation = -1;
    EXPECT_TRUE(Available().empty());
}

TEST_F(FormationTabsTest, TheCaptionFollowsTheActiveKindOfTheTab)
{
    QuorvantaTab* line = m_factory.FindTab(155);
    Select(P::kRay);
    ASSERT_TRUE(line->Prepare());
    EXPECT_EQ(line->GetCaption(), QStringLiteral("Półprosta"));
    Select(P::kSegment);
    ASSERT_TRUE(line->Prepare());
    EXPECT_EQ(line->GetCaption(), QStringLiteral("Linia"));
}

TEST_F(FormationTabsTest, EachTabBuildsTheFormationGroupAndItsSettings)
{
    using Ids = std::vector<std::uint32_t>;
    const std::pair<std::uint32_t, Ids> settings[] = {
        {155, {33662, 33482, 33512, 33483, 33484, 33683}},
        {123, {33664, 33482, 33512, 33483, 33484, 33683}},
        {157, {33662, 33482, 33512, 33483, 33484, 33492, 33493, 33494, 33683}},
        {160, {33662, 33482, 33495, 33559, 33560, 33683}},
        {249, {33662, 33482, 33498, 33497, 33683}},
        {250, {33566, 33662, 33482, 33568, 33683}},
        {251, {33501, 33482, 33683}},
        {256, {33662, 33482, 33570, 33683}},
        {254, {33683}},
        {103, {33683}},
    };
    for (const auto& [tab, ids] : settings)
    {
        auto* formationTab = static_cast<FormationTab*>(m_factory.FindTab(tab));
        ASSERT_TRUE(formationTab->Prepare()) << tab;
        EXPECT_EQ(ControlIds(tab, GROUP_FORMATION), (Ids{ID_NAME, ID_REMOVE, ID_DUPLICATE})) << tab;
        const std::uint32_t group = formationTab->GetSettingsGroupId() ? formationTab->GetSettingsGroupId() : 214;
        EXPECT_EQ(ControlIds(tab, group), ids) << tab;
        EXPECT_EQ(m_factory.FindTab(tab)->FindGroup(group)->GetCaption(), QStringLiteral("Ustawienia"));
    }
    EXPECT_EQ(m_factory.FindTab(251)->FindControl(ID_SHOW_LABEL)->GetCaption(), QStringLiteral("Etykieta"));
    EXPECT_EQ(m_factory.FindTab(155)->FindControl(ID_SHOW_LABEL)->GetCaption(), QStringLiteral("Etykietę"));
    EXPECT_EQ(m_factory.FindTab(155)->FindGroup(GROUP_FORMATION)->GetCaption(), QStringLiteral("Formacja"));
    EXPECT_NE(m_factory.FindTab(157)->FindControl(ID_CHANNEL_AVERAGE), nullptr);
    // The numeric edits draw their value as a link, the angle's widest.
    const std::pair<std::uint32_t, int> valueWidths[] = {{ID_ANGLE, 35}, {ID_GANN_INCREMENT, 25}, {ID_DEVIATION, 25},
                                                         {ID_TIME_ZONE_MULTIPLIER, 20}, {ID_CYCLE_LENGTH, 20}};
    for (const auto& [id, width] : valueWidths)
    {
        RibbonEditControl* edit = nullptr;
        for (const std::uint32_t tab : {123u, 157u, 249u, 251u, 255u})
        {
            ASSERT_TRUE(static_cast<FormationTab*>(m_factory.FindTab(tab))->Prepare()) << tab;
            if (RibbonControl* found = m_factory.FindTab(tab)->FindControl(id); found && !edit)
                edit = qobject_cast<RibbonEditControl*>(found);
        }
        ASSERT_NE(edit, nullptr) << id;
        const auto* painter = dynamic_cast<const FormationsNumericValueEditControlPainter*>(edit->GetCustomPainter().get());
        ASSERT_NE(painter, nullptr) << id;
        EXPECT_EQ(painter->ValueRect(QRect(0, 0, 100, 20)).width(), width) << id;
    }
}

TEST(FormationsRibbonTabsCreatorTest, WithoutTheChartModuleNoTabIsMade)
{
    TestApplication::Ensure();
    FakeRibbonsFactoryOwner owner;
    RibbonsFactory factory(owner, std::make_shared<FakeRibbonTabsCreatorsFactory>());
    ASSERT_TRUE(factory.CreateRibbon());
    FormationsRibbonTabsCreator creator(factory, *factory.GetRibbonBar(), nullptr);
    EXPECT_FALSE(creator.CreateTabs());
    EXPECT_EQ(factory.FindTab(155), nullptr);
}

// Every formation tab ends with "Opcje wyświetlania": its two colour popups and "Więcej opcji";
// only in extended mode does the formation styles' popup (whose gallery is 33574) come first.
TEST(FormationsRibbonTabsCreatorTest, ExtendedModeAddsOnlyTheStylePopup)
{
    TestApplication::Ensure();
    for (const bool extended : {false, true})
    {
        SCOPED_TRACE(extended);
        ChartModuleConsumer consumer;
        ChartWindow* chart = MakeActiveEmptyChart(consumer);
        FakeRibbonsFactoryOwner owner;
        owner.SetExtendedMode(extended);
        auto creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
        creators->Set("formations", [&consumer](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<FormationsRibbonTabsCreator>(factory, ribbonBar, &consumer);
        });
        RibbonsFactory factory(owner, creators);
        ASSERT_TRUE(factory.CreateRibbon());
        for (const std::uint32_t tabId : {155u, 103u})
        {
            auto* tab = static_cast<FormationTab*>(factory.FindTab(tabId));
            ASSERT_TRUE(tab->Prepare()) << tabId;
            const RibbonGroupBase* group = tab->FindGroup(330);
            ASSERT_NE(group, nullptr) << tabId;
            EXPECT_EQ(group->GetCaption(), QStringLiteral("Opcje wyświetlania"));
            std::vector<std::uint32_t> ids;
            for (const auto& control : group->GetControls())
                ids.push_back(control->GetID());
            std::vector<std::uint32_t> expected{ID_BASE_LINE_COLOR, ID_EXTENSION_COLOR, ID_MORE_OPTIONS};
            if (extended)
                expected.insert(expected.begin(), ID_STYLE_POPUP);
            EXPECT_EQ(ids, expected);
            const RibbonControl* popup = tab->FindControl(ID_STYLE_POPUP);
            if (!extended)
            {
                EXPECT_EQ(popup, nullptr);
                continue;
            }
            ASSERT_NE(popup->GetCommandBar(), nullptr);
            EXPECT_NE(popup->GetCommandBar()->FindControl(ID_STYLE_GALLERY), nullptr);
            EXPECT_EQ(popup->GetCaption(), QStringLiteral("Styl"));
        }
        delete chart;
    }
}

TEST_F(FormationTabsTest, TheNameEditFollowsOnlyTheSelectedFormationTab)
{
    RibbonTabBase* selected = nullptr;
    ChartRibbonLookup::SetSelectedTabFinder([&selected] { return selected; });
    CmdTargetFormationCommon target(&m_consumer);
    const auto update = [&target](bool before) {
        CmdUI cmdUI(ID_NAME);
        cmdUI.Enable(before);
        target.UpdateCommandUI(cmdUI);
        return cmdUI.Enabled();
    };
    QuorvantaTab* line = m_factory.FindTab(155);
    Select(P::kSegment);
    ASSERT_TRUE(line->Prepare());

    selected = line;
    EXPECT_EQ(update(false), true);
    // Another tab holding a group of the same id must not lend its edit.
    RibbonTabBase plain;
    selected = &plain;
    EXPECT_EQ(update(true), false);
    selected = nullptr;
    EXPECT_EQ(update(true), false);
    // A formation tab whose groups are not built yet leaves the edit as it was.
    selected = m_factory.FindTab(250);
    EXPECT_EQ(update(true), true);
    EXPECT_EQ(update(false), false);
    ChartRibbonLookup::SetSelectedTabFinder({});
}
