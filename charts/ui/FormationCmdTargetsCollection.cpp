#include "charts/ui/FormationCmdTargetsCollection.h"

#include "charts/ui/CmdTargetFormationCommon.h"
#include "charts/ui/CmdTargetFormationMainTab.h"
#include "charts/ui/CmdTargetFormationTools.h"
#include "modulelibs/chart/ChartModule.h"

FormationCmdTargetsCollection::FormationCmdTargetsCollection()
    : FormationCmdTargetsCollection(GetChartConsumer())
{
}

FormationCmdTargetsCollection::FormationCmdTargetsCollection(ChartConsumer* consumer)
    : m_targets{
          std::make_shared<CmdTargetFormationMainTab>(consumer),
          std::make_shared<CmdTargetFormationCommon>(consumer),
          std::make_shared<CmdTargetFormationAndrewsPitchfork>(consumer),
          std::make_shared<CmdTargetFormationRegressionChannel>(consumer),
          std::make_shared<CmdTargetFormationShape>(consumer),
          std::make_shared<CmdTargetFormationFibo>(consumer),
          std::make_shared<CmdTargetFormationFiboTimeRange>(consumer),
          std::make_shared<CmdTargetFormationFiboAngleAndFan>(consumer),
          std::make_shared<CmdTargetFormationFiboTimeZone>(consumer),
          std::make_shared<CmdTargetFormationGannFan>(consumer),
          std::make_shared<CmdTargetFormationGannLine>(consumer),
          std::make_shared<CmdTargetFormationCycleLines>(consumer),
          std::make_shared<CmdTargetFormationVerticalHorizontalLine>(consumer),
          std::make_shared<CmdTargetFormationAngleLine>(consumer),
      }
{
}

bool FormationCmdTargetsCollection::OnCmdMsg(std::uint32_t id, int code, void* extra)
{
    for (const std::shared_ptr<CmdTarget>& target : m_targets)
        if (target->OnCmdMsg(id, code, extra))
            return true;
    return false;
}
