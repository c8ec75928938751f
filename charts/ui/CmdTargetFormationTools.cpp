#include "charts/ui/CmdTargetFormationTools.h"

#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationParamValues.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/StringTable.h"

using namespace FormationCommandIds;
using P = FormationParam;

#define Q4_DEFAULT_CONSUMER(Name)                                                                                      \
    Name::Name()                                                                                                       \
        : Name(GetChartConsumer())                                                                                     \
    {                                                                                                                  \
    }

Q4_DEFAULT_CONSUMER(CmdTargetFormationAndrewsPitchfork)
Q4_DEFAULT_CONSUMER(CmdTargetFormationRegressionChannel)
Q4_DEFAULT_CONSUMER(CmdTargetFormationShape)
Q4_DEFAULT_CONSUMER(CmdTargetFormationFibo)
Q4_DEFAULT_CONSUMER(CmdTargetFormationFiboTimeRange)
Q4_DEFAULT_CONSUMER(CmdTargetFormationFiboAngleAndFan)
Q4_DEFAULT_CONSUMER(CmdTargetFormationFiboTimeZone)
Q4_DEFAULT_CONSUMER(CmdTargetFormationGannFan)
Q4_DEFAULT_CONSUMER(CmdTargetFormationGannLine)
Q4_DEFAULT_CONSUMER(CmdTargetFormationCycleLines)
Q4_DEFAULT_CONSUMER(CmdTargetFormationVerticalHorizontalLine)
Q4_DEFAULT_CONSUMER(CmdTargetFormationAngleLine)

#undef Q4_DEFAULT_CONSUMER

CmdTargetFormationAndrewsPitchfork::CmdTargetFormationAndrewsPitchfork(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    FlagControl(ID_PITCHFORK_CONNECTOR, P::PitchforkConnector);
}

CmdTargetFormationRegressionChannel::CmdTargetFormationRegressionChannel(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    NumericEditCommand(ID_DEVIATION, P::Deviation, GROUP_REGRESSION_CHANNEL, false);
    // The deviation applies to the channels measured by it, not to Raff's.
    OnUpdate(ID_DEVIATION, [this](CmdUI& cmdUI) {
        if (ShowInEdit(cmdUI, GROUP_REGRESSION_CHANNEL, P::Deviation, kDefaultPrecision))
            cmdUI.Enable(Active()->GetActiveFormationParameter(P::ChannelType).toUInt() != 0);
    });
    const std::pair<std::uint32_t, unsigned> prices[] = {
        {ID_PRICE_OPEN, 0}, {ID_PRICE_LOW, 3}, {ID_PRICE_HIGH, 2}, {ID_PRICE_CLOSE, 1}};
    for (const auto& [id, value] : prices)
    {
        ValueItem(id, P::ChannelPrice, value);
        OnUpdate(id, [this, value](CmdUI& cmdUI) {
            const ActiveObjectsContainer* active = Active();
            if (!active || !active->IsFormationActive())
            {
                cmdUI.Enable(false);
                return;
            }
            cmdUI.Enable(value == 1 || active->GetActiveFormationParameter(P::OtherPricesAvailable).toBool());
            cmdUI.SetCheck(active->GetActiveFormationParameter(P::ChannelPrice).toUInt() == value ? 1 : 0);
        });
    }
    const std::pair<std::uint32_t, unsigned> types[] = {{ID_CHANNEL_RAFF, 0}, {ID_CHANNEL_DEVIATION, 1}, {ID_CHANNEL_AVERAGE, 2}};
    for (const auto& [id, value] : types)
    {
        ValueItem(id, P::ChannelType, value);
        OnUpdate(id, [this, value](CmdUI& cmdUI) {
            const ActiveObjectsContainer* active = Active();
            if (!active || !active->IsFormationActive())
            {
                cmdUI.Enable(false);
                return;
            }
            cmdUI.Enable(true);
            cmdUI.SetCheck(active->GetActiveFormationParameter(P::ChannelType).toUInt() == value ? 1 : 0);
        });
    }
    ActiveOnly(ID_CHANNEL_PRICE_POPUP);
    ActiveOnly(ID_CHANNEL_TYPE_POPUP);
}

CmdTargetFormationShape::CmdTargetFormationShape(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    FlagControl(ID_FILL, P::Fill);
}

CmdTargetFormationFibo::CmdTargetFormationFibo(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    OnNotify(ID_FIBO_LEVELS, NotifyCodes::Execute,
             [this](NotifyInfo&) { FormationParamValues::ApplyFiboLevelsFromPopup(Active(), GROUP_FIBO, ID_FIBO_LEVELS); });
    ActiveOnly(ID_FIBO_LEVELS);
    FlagControl(ID_FIBO_PERCENT, P::ShowDescriptions);
    FlagControl(ID_FIBO_NUMERIC, P::NumericDescriptions);
}

CmdTargetFormationFiboTimeRange::CmdTargetFormationFiboTimeRange(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    FlagControl(ID_TIME_RANGE_DESCRIPTION, P::ShowDescriptions);
    OnNotify(ID_TIME_RANGE_LEVELS, NotifyCodes::Execute, [this](NotifyInfo&) {
        FormationParamValues::ApplyFiboLevelsFromPopup(Active(), GROUP_TIME_RANGE, ID_TIME_RANGE_LEVELS);
    });
    ActiveOnly(ID_TIME_RANGE_LEVELS);
}

CmdTargetFormationFiboAngleAndFan::CmdTargetFormationFiboAngleAndFan(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    OnCommand(ID_FAN_DESCRIPTION, [this] { FormationParamValues::ToggleFormationFlag(Active(), P::ShowDescriptions); });
    OnUpdate(ID_FAN_DESCRIPTION, [this](CmdUI& cmdUI) {
        const ActiveObjectsContainer* active = Active();
        const FormationType type = active ? active->GetActiveFormationType() : P::kNoTool;
        RibbonControl* control = ChartRibbonLookup::FindControl(GROUP_FIBO_FAN, ID_FAN_DESCRIPTION);
        // Arcs and the fan share the control; its tooltip speaks of the one selected.
        if (control && (type == P::kFiboArcs || type == P::kFiboFan))
        {
            const QString tooltip = StringTable::Instance().Get(type == P::kFiboArcs ? ID_FAN_ARCS_DESCRIPTION : ID_FAN_DESCRIPTION);
            control->SetTooltip(tooltip.section(QLatin1Char('\n'), 0, 0));
            control->SetCaption(StringTable::Instance().Get(IDS_DESCRIPTION_CAPTION).section(QLatin1Char('\n'), -1));
        }
        FormationParamValues::UpdateFormationFlagCommand(active, cmdUI, P::ShowDescriptions);
    });
}

CmdTargetFormationFiboTimeZone::CmdTargetFormationFiboTimeZone(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    NumericEdit(ID_TIME_ZONE_MULTIPLIER, P::TimeZoneMultiplier, GROUP_TIME_ZONES, 0);
    OnNotify(ID_TIME_ZONE_LEVELS, NotifyCodes::Execute, [this](NotifyInfo&) {
        FormationParamValues::ApplyFiboLevelsFromPopup(Active(), GROUP_TIME_ZONES, ID_TIME_ZONE_LEVELS);
    });
    AlwaysEnabled(ID_TIME_ZONE_LEVELS);
}

CmdTargetFormationGannFan::CmdTargetFormationGannFan(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    FlagControl(ID_GANN_DESCRIPTION, P::GannDescriptions);
    OnNotify(ID_GANN_LEVELS, NotifyCodes::Execute, [this](NotifyInfo&) {
        FormationParamValues::ApplyGannLevelsFromPopup(Active(), GROUP_GANN_FAN, ID_GANN_LEVELS);
    });
    ActiveOnly(ID_GANN_LEVELS);
}

CmdTargetFormationGannLine::CmdTargetFormationGannLine(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    NumericEdit(ID_GANN_INCREMENT, P::GannIncrement, GROUP_GANN_LINE, kDefaultPrecision);
}

CmdTargetFormationCycleLines::CmdTargetFormationCycleLines(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    NumericEdit(ID_CYCLE_LENGTH, P::CycleLength, GROUP_CYCLE_LINES, 0, true);
}

CmdTargetFormationVerticalHorizontalLine::CmdTargetFormationVerticalHorizontalLine(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    FlagControl(ID_SHOW_VALUE, P::ShowValue);
}

CmdTargetFormationAngleLine::CmdTargetFormationAngleLine(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    NumericEdit(ID_ANGLE, P::Angle, GROUP_ANGLE_LINE, kDefaultPrecision);
}
