#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/FormationCmdTargetsCollection.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/IFiboFormationPopupManager.h"
#include "platform/modules/FormationLevels.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/popups/PopupWindowManager.h"
#include "tests/charts/ui/EmptyChartWindow.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

#include <map>

using namespace FormationCommandIds;
using P = FormationParam;

namespace
{

class AnsweringMessageBox : public IMessageBoxService
{
public:
    int Show(const QString&, const QString& text, std::uint32_t) override
    {
        asked = text;
        return answer;
    }
    int answer = IDNO;
    QString asked;
};

class FixedLevelsManager : public PopupWindowManager, public IFiboFormationPopupManager
{
public:
    QWidget* CreatePopupWindow(QWidget*) override { return nullptr; }
    void UpdatePopupWindow() override {}
    std::shared_ptr<FiboLevelsContainer> GetLevels() override { return levels; }
    std::shared_ptr<FiboLevelsContainer> levels;
};

class FormationCmdTargetsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_chart = MakeActiveEmptyChart(m_consumer);
        m_previousBox = DialogServices::SetMessageBox(m_box);
        ChartRibbonLookup::SetFinders(
            [this](std::uint32_t group, std::uint32_t id) -> RibbonControl* {
                const auto found = m_controls.find({group, id});
                return found == m_controls.end() ? nullptr : found->second;
            },
            [](std::uint32_t) -> RibbonControl* { return nullptr; });
    }
    void TearDown() override
    {
        ChartRibbonLookup::SetFinders({}, {});
        DialogServices::SetMessageBox(m_previousBox);
        delete m_chart;
    }

    ActiveObjectsContainer& Active() { return m_chart->ActiveObjects(); }
    void Draw(FormationType kind) { SelectNewFormation(*m_chart, kind); }
    CmdUI Update(std::uint32_t id)
    {
        CmdUI cmdUI(id);
        EXPECT_TRUE(m_targets.UpdateCommandUI(cmdUI)) << id;
        return cmdUI;
    }
    RibbonEditControl& Edit(std::uint32_t group, std::uint32_t id)
    {
        auto edit = std::make_unique<RibbonEditControl>(id);
        m_controls[{group, id}] = edit.get();
        m_owned.push_back(std::move(edit));
        return static_cast<RibbonEditControl&>(*m_owned.back());
    }
    void Enter(RibbonEditControl& edit, const QString& text)
    {
        edit.SetEditText(text);
        NotifyInfo info(edit.GetID(), NotifyCodes::Execute, &edit);
        m_targets.SendNotify(info);
    }

    ChartModuleConsumer m_consumer;
    FormationCmdTargetsCollection m_targets{&m_consumer};
    ChartWindow* m_chart = nullptr;
    std::shared_ptr<AnsweringMessageBox> m_box = std::make_shared<AnsweringMessageBox>();
    std::shared_ptr<IMessageBoxService> m_previousBox;
    std::map<std::pair<std::uint32_t, std::uint32_t>, RibbonControl*> m_controls;
    std::vector<std::unique_ptr<RibbonControl>> m_owned;
};

}

TEST_F(FormationCmdTargetsTest, AToolButtonArmsItsKindAndASecondPressDisarms)
{
    for (const ToolKind& tool : kToolKinds)
    {
        m_consumer.FormationToTurnOn(P::kSegment == tool.kind ? P::kLine : P::kSegment);
        m_targets.ExecuteCommand(tool.id);
        EXPECT_EQ(m_consumer.FormationToTurnOn(), tool.kind) << tool.id;
        const CmdUI armed = Update(tool.id);
        EXPECT_EQ(armed.Checked(), 1) << tool.id;
        EXPECT_EQ(armed.Enabled(), true) << tool.id;
        m_targets.ExecuteCommand(tool.id);
        EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kNoTool) << tool.id;
        EXPECT_EQ(Update(tool.id).Checked(), 0) << tool.id;
    }
    // The two "Linia" buttons are told apart by their ids only.
    m_targets.ExecuteCommand(33522);
    EXPECT_EQ(Update(33544).Checked(), 0);
    m_consumer.SetActiveChart(nullptr);
    EXPECT_EQ(Update(33522).Enabled(), false);
    EXPECT_EQ(Update(ID_PASTE).Enabled(), false);
}

TEST_F(FormationCmdTargetsTest, ModesLabelsAndTheSymbolGallery)
{
    const std::pair<std::uint32_t, int> modes[] = {{ID_MODE_SNAP, 1}, {ID_MODE_AUTO, 2}, {ID_MODE_FREE, 0}};
    for (const auto& [id, mode] : modes)
    {
        m_targets.ExecuteCommand(id);
        EXPECT_EQ(m_consumer.DrawingMode(), mode);
        EXPECT_EQ(Update(id).Checked(), 1);
    }
    m_targets.ExecuteCommand(ID_SHOW_LABELS);
    EXPECT_EQ(m_consumer.ShowLabelsOnFormations(), 1);
    EXPECT_EQ(Update(ID_SHOW_LABELS).Checked(), 1);

    GalleryControl symbols(ID_SYMBOLS_GALLERY);
    symbols.AddItem(1, QStringLiteral("W dół"));
    symbols.SetSelectedItem(0);
    m_consumer.FormationToTurnOn(P::kSymbol);
    NotifyInfo info(ID_SYMBOLS_GALLERY, NotifyCodes::GalleryPreviewApply, &symbols);
    m_targets.SendNotify(info);
    EXPECT_EQ(m_consumer.CurrentSymbolId(), 1);
    EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kSymbol);
}

TEST_F(FormationCmdTargetsTest, RemoveAllDisarmsFirstAndRemovesOnlyOnYes)
{
    Draw(P::kSegment);
    Draw(P::kGannFan);
    m_consumer.FormationToTurnOn(P::kRay);
    m_targets.ExecuteCommand(ID_REMOVE_ALL);
    EXPECT_EQ(m_box->asked, QStringLiteral("Czy na pewno chcesz usunąć wszystkie formacje z wykresu?"));
    EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kNoTool);
    EXPECT_EQ(m_chart->Document().formations.size(), 2u);
    m_box->answer = IDYES;
    m_targets.ExecuteCommand(ID_REMOVE_ALL);
    EXPECT_TRUE(m_chart->Document().formations.empty());
    EXPECT_EQ(Update(ID_REMOVE_ALL).Enabled(), false);
}

TEST_F(FormationCmdTargetsTest, WithoutAnActiveFormationOnlyCopyStyleAndTimeZoneLevelsStayEnabled)
{
    for (const std::uint32_t id : {ID_NAME, ID_ANGLE, ID_CYCLE_LENGTH, ID_TIME_ZONE_MULTIPLIER, ID_GANN_INCREMENT, ID_DEVIATION})
        Edit(0, id);
    m_controls[{GROUP_FORMATION, ID_NAME}] = m_controls[{0, ID_NAME}];
    const std::uint32_t enabled[] = {ID_COPY, ID_STYLE_POPUP, ID_TIME_ZONE_LEVELS};
    const std::uint32_t disabled[] = {
        ID_NAME, ID_SHOW_LABEL, ID_EXTEND_TO_END, ID_EXTEND_TO_END_SECOND, ID_EXTEND_TO_BEGIN, ID_REMOVE, ID_DUPLICATE,
        ID_ATTACH, ID_MORE_OPTIONS, ID_BASE_LINE_COLOR, ID_EXTENSION_COLOR, ID_ANGLE, ID_CYCLE_LENGTH, ID_FIBO_LEVELS,
        ID_FIBO_PERCENT, ID_FIBO_NUMERIC, ID_TIME_RANGE_DESCRIPTION, ID_TIME_RANGE_LEVELS, ID_FAN_DESCRIPTION,
        ID_TIME_ZONE_MULTIPLIER, ID_GANN_DESCRIPTION, ID_GANN_LEVELS, ID_GANN_INCREMENT, ID_DEVIATION, ID_PRICE_OPEN,
        ID_PRICE_LOW, ID_PRICE_HIGH, ID_PRICE_CLOSE, ID_CHANNEL_RAFF, ID_CHANNEL_DEVIATION, ID_CHANNEL_AVERAGE,
        ID_CHANNEL_PRICE_POPUP, ID_CHANNEL_TYPE_POPUP, ID_FILL, ID_PITCHFORK_CONNECTOR, ID_SHOW_VALUE};
    for (const std::uint32_t id : enabled)
        EXPECT_EQ(Update(id).Enabled(), true) << id;
    for (const std::uint32_t id : disabled)
        EXPECT_EQ(Update(id).Enabled(), false) << id;
    // An id none of the targets knows goes on to the frame's next target.
    EXPECT_FALSE(m_targets.ExecuteCommand(32847));
}

TEST_F(FormationCmdTargetsTest, AFlagToggleIsReadBackFromTheChart)
{
    struct Case
    {
        FormationType kind;
        std::uint32_t id;
        P::Type type;
    };
    const Case cases[] = {
        {P::kSegment, ID_SHOW_LABEL, P::ShowLabel},          {P::kSegment, ID_EXTEND_TO_END, P::ExtendToEnd},
        {P::kSegment, ID_EXTEND_TO_END_SECOND, P::ExtendToEnd}, {P::kRay, ID_EXTEND_TO_BEGIN, P::ExtendToBegin},
        {P::kFiboRetracement, ID_FIBO_PERCENT, P::ShowDescriptions},
        {P::kFiboRetracement, ID_FIBO_NUMERIC, P::NumericDescriptions},
        {P::kFiboTimeRange, ID_TIME_RANGE_DESCRIPTION, P::ShowDescriptions},
        {P::kFiboArcs, ID_FAN_DESCRIPTION, P::ShowDescriptions},
        {P::kGannFan, ID_GANN_DESCRIPTION, P::GannDescriptions},   {P::kRectangle, ID_FILL, P::Fill},
        {P::kPitchfork, ID_PITCHFORK_CONNECTOR, P::PitchforkConnector}, {P::kHorizontal, ID_SHOW_VALUE, P::ShowValue},
    };
    for (const Case& one : cases)
    {
        Draw(one.kind);
        const bool before = Active().GetActiveFormationParameter(one.type).toBool();
        EXPECT_EQ(Update(one.id).Checked(), before ? 1 : 0) << one.id;
        m_targets.ExecuteCommand(one.id);
        EXPECT_EQ(Active().GetActiveFormationParameter(one.type).toBool(), !before) << one.id;
        EXPECT_EQ(Update(one.id).Checked(), before ? 0 : 1) << one.id;
    }
}

TEST_F(FormationCmdTargetsTest, NumericEditsWriteWhatCanBeDrawnAndShowWhatTheChartHolds)
{
    Draw(P::kCycleLines);
    RibbonEditControl& cycle = Edit(GROUP_CYCLE_LINES, ID_CYCLE_LENGTH);
    Enter(cycle, QStringLiteral("12.9"));
    EXPECT_EQ(Active().GetActiveFormationParameter(P::CycleLength).toUInt(), 12u);
    cycle.SetEditText(QString());
    EXPECT_EQ(Update(ID_CYCLE_LENGTH).Enabled(), true);
    EXPECT_EQ(cycle.GetEditText(), QStringLiteral("12"));
    for (const QString& refused : {QStringLiteral("-4"), QStringLiteral("0.5"), QStringLiteral("1e20"), QStringLiteral("abc")})
    {
        Enter(cycle, refused);
        EXPECT_EQ(Active().GetActiveFormationParameter(P::CycleLength).toUInt(), 12u) << refused.toStdString();
    }

    Draw(P::kAngleLine);
    RibbonEditControl& angle = Edit(GROUP_ANGLE_LINE, ID_ANGLE);
    Enter(angle, QStringLiteral("30,5"));
    EXPECT_EQ(Active().GetActiveFormationParameter(P::Angle).toDouble(), 30.5);
    Enter(angle, QStringLiteral("abc"));
    EXPECT_EQ(Active().GetActiveFormationParameter(P::Angle).toDouble(), 30.5);

    Draw(P::kFiboTimeZones);
    RibbonEditControl& multiplier = Edit(GROUP_TIME_ZONES, ID_TIME_ZONE_MULTIPLIER);
    Enter(multiplier, QStringLiteral("0"));
    EXPECT_EQ(Active().GetActiveFormationParameter(P::TimeZoneMultiplier).toDouble(), 1.0);
}

TEST_F(FormationCmdTargetsTest, RegressionChannelItemsFollowTheChannel)
{
    Draw(P::kRegressionChannel);
    RibbonEditControl& deviation = Edit(GROUP_REGRESSION_CHANNEL, ID_DEVIATION);
    m_targets.ExecuteCommand(ID_CHANNEL_RAFF);
    EXPECT_EQ(Update(ID_CHANNEL_RAFF).Checked(), 1);
    // Raff's channel has no deviation: the edit shows it but is disabled.
    EXPECT_EQ(Update(ID_DEVIATION).Enabled(), false);
    EXPECT_EQ(deviation.GetEditText(), QStringLiteral("2"));
    m_targets.ExecuteCommand(ID_CHANNEL_AVERAGE);
    EXPECT_EQ(Update(ID_DEVIATION).Enabled(), true);

    const std::pair<std::uint32_t, unsigned> prices[] = {{ID_PRICE_OPEN, 0}, {ID_PRICE_LOW, 3}, {ID_PRICE_HIGH, 2}, {ID_PRICE_CLOSE, 1}};
    for (const auto& [id, value] : prices)
    {
        m_targets.ExecuteCommand(id);
        EXPECT_EQ(Active().GetActiveFormationParameter(P::ChannelPrice).toUInt(), value);
        const CmdUI cmdUI = Update(id);
        EXPECT_EQ(cmdUI.Checked(), 1);
        EXPECT_EQ(cmdUI.Enabled(), true);
    }
}

TEST_F(FormationCmdTargetsTest, LevelsFromThePopupReachTheFormationAndAnEmptyPopupWritesNothing)
{
    Draw(P::kFiboRetracement);
    auto popup = std::make_unique<RibbonControlPopupEx>(ID_FIBO_LEVELS);
    auto manager = std::make_unique<FixedLevelsManager>();
    FixedLevelsManager* levels = manager.get();
    popup->SetPopupWindowManager(std::move(manager));
    m_controls[{GROUP_FIBO, ID_FIBO_LEVELS}] = popup.get();
    NotifyInfo info(ID_FIBO_LEVELS, NotifyCodes::Execute, popup.get());

    m_targets.SendNotify(info);
    const auto nested = FormationLevels::Unwrap<FiboFormationParamValue>(Active().GetActiveFormationParameter(P::FiboLevels));
    ASSERT_TRUE(nested && nested->Levels());
    EXPECT_EQ(nested->Levels()->Size(), 7u);

    levels->levels = std::make_shared<FiboLevelsContainer>();
    levels->levels->AddLevel({50.0, true});
    m_targets.SendNotify(info);
    const auto written = FormationLevels::Unwrap<FiboFormationParamValue>(Active().GetActiveFormationParameter(P::FiboLevels));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->Levels(), levels->levels);
}
