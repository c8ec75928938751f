#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/FormationCmdTargetsCollection.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationFiboTimzoneLevelsWindowManager.h"
#include "charts/ui/FormationGannFanLevelsWindowManager.h"
#include "platform/modules/FormationLevels.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "tests/charts/ui/EmptyChartWindow.h"
#include "tests/support/ui/TestApplication.h"

#include <QCheckBox>

#include <gtest/gtest.h>

using namespace FormationCommandIds;
using P = FormationParam;

namespace
{

class FormationLevelChecksTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_chart = MakeActiveEmptyChart(m_consumer);
        ChartRibbonLookup::SetFinders(
            [this](std::uint32_t, std::uint32_t id) -> RibbonControl* { return id == m_popup.GetID() ? &m_popup : nullptr; }, {});
    }
    void TearDown() override
    {
        ChartRibbonLookup::SetFinders({}, {});
        delete m_chart;
    }

    template <typename Manager>
    Manager& Open(std::uint32_t id)
    {
        m_popup.SetID(id);
        m_popup.SetPopupWindowManager(std::make_unique<Manager>(nullptr, &m_popup, &m_consumer));
        auto& manager = static_cast<Manager&>(*m_popup.GetPopupWindowManager());
        m_dialog.reset(manager.CreatePopupWindow(nullptr));
        manager.UpdatePopupWindow();
        return manager;
    }
    void PressOk()
    {
        NotifyInfo executed(m_popup.GetID(), NotifyCodes::Execute, &m_popup);
        m_targets.SendNotify(executed);
    }
    const ChartFormation& Active() const { return m_chart->Document().formations.back(); }

    ChartModuleConsumer m_consumer;
    ChartWindow* m_chart = nullptr;
    FormationCmdTargetsCollection m_targets{&m_consumer};
    RibbonControlPopupEx m_popup{0};
    std::unique_ptr<QWidget> m_dialog;
};

}

TEST_F(FormationLevelChecksTest, ClearingZone13SwitchesOffThatZoneOnly)
{
    SelectNewFormation(*m_chart, P::kFiboTimeZones);
    auto& manager = Open<FormationFiboTimzoneLevelsWindowManager>(ID_TIME_ZONE_LEVELS);
    QCheckBox* thirteen = manager.GetDialog()->BoxById(1060);
    ASSERT_NE(thirteen, nullptr);
    EXPECT_EQ(thirteen->text(), QStringLiteral("13"));
    thirteen->setChecked(false);
    PressOk();
    const auto levels = FormationLevels::Unwrap<FiboFormationParamValue>(Active().Get(P::FiboLevels))->Levels();
    for (std::size_t i = 0; i < levels->Size(); ++i)
        EXPECT_EQ(levels->Level(i).enabled, i != 6) << i;
}

TEST_F(FormationLevelChecksTest, WithoutAFormationEveryBoxIsOffAndOkWritesNothing)
{
    auto& manager = Open<FormationFiboTimzoneLevelsWindowManager>(ID_TIME_ZONE_LEVELS);
    for (std::size_t i = 0; i < 15; ++i)
        EXPECT_FALSE(manager.GetDialog()->Box(i)->isEnabled()) << i;
    EXPECT_EQ(manager.GetLevels(), nullptr);

    // Levels shorter than the fifteen boxes: the boxes past them stay disabled.
    SelectNewFormation(*m_chart, P::kFiboTimeZones);
    auto shortLevels = std::make_shared<FiboLevelsContainer>();
    shortLevels->AddLevel({0.0, true});
    shortLevels->AddLevel({1.0, false});
    auto& document = const_cast<ChartDocument&>(m_chart->Document());
    document.formations.back().Set(P::FiboLevels, FormationLevels::Wrap(std::make_shared<FiboFormationParamValue>(shortLevels)));
    manager.UpdatePopupWindow();
    EXPECT_TRUE(manager.GetDialog()->Box(1)->isEnabled());
    EXPECT_FALSE(manager.GetDialog()->Box(1)->isChecked());
    EXPECT_FALSE(manager.GetDialog()->Box(2)->isEnabled());
    // The formation goes while the popup is open: nothing to write.
    document.formations.clear();
    document.activeFormation = -1;
    shortLevels.reset();
    EXPECT_EQ(manager.GetLevels(), nullptr);
}

TEST_F(FormationLevelChecksTest, ClearingOneByOneHidesOnlyTheBaseLineOfTheGannFan)
{
    SelectNewFormation(*m_chart, P::kGannFan);
    auto& manager = Open<FormationGannFanLevelsWindowManager>(ID_GANN_LEVELS);
    QCheckBox* base = manager.GetDialog()->BoxById(1059);
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->text(), QStringLiteral("1x1"));
    EXPECT_TRUE(base->isChecked());
    base->setChecked(false);
    PressOk();
    const auto levels = FormationLevels::Unwrap<GannFanFormationLevelsParam>(Active().Get(P::GannLevels))->Levels();
    EXPECT_FALSE(levels->BaseLevel().visible);
    for (const GannLevel& level : levels->All())
        EXPECT_EQ(level.visible, level.ratio != 1.0);
}
