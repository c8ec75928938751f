#include "app/CmdTargetChartProcessorQ4Classic.h"

#include "charts/ui/ChangeIntervalWindowManagerQ4Classic.h"
#include "charts/ui/ChartCommandIds.h"
#include "charts/ui/ChartRibbonLookup.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

void CmdTargetChartProcessorQ4Classic::ApplyIntervalChange()
{
    auto* manager = ChartRibbonLookup::FindManager<ChangeIntervalWindowManagerQ4Classic>(ChartCommandIds::GROUP_DATA,
                                                                                        ChartCommandIds::ID_INTERVAL);
    ChartConsumer* charts = manager ? GetChartConsumer() : nullptr;
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    if (!active)
        return;
    // The library has no way to see the popup, so the choice is handed over first.
    active->SetChosenInterval(manager->GetChosenInterval());
    active->ChangeRangeAndIntervalForRightRequests();
}
