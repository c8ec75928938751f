#pragma once
// Makes the sixteen contextual tabs of the drawing tools, one per kind family, each recorded
// under the chart module so that selecting a formation on a chart shows its tab (orange,
// headed "Formacja"), and builds each tab's groups the first time it is shown: the formation's
// name, remove and duplicate, and the tool's "Ustawienia" group of switches and values.

#include "ribbon/RibbonTabsCreator.h"

#include <cstdint>

class ChartConsumer;
class FormationTab;

class FormationsRibbonTabsCreator : public RibbonTabsCreator
{
public:
    // The chart consumer from the application mediator.
    FormationsRibbonTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
    FormationsRibbonTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, ChartConsumer* charts);

    // False without the chart module, or at the first tab that cannot be added (those before stay).
    bool CreateTabs() override;
    bool HandleFrameRequest(RibbonCreateControlRequest&) override { return false; }

private:
    ChartConsumer* m_charts;
};
