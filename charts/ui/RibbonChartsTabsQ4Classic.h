#pragma once
// The chart windows' tab creator: the contextual tabs "Wykres", "Oś wartości", "Seria danych" and "Formacje"
// (orange, captioned with the active chart's title), their groups, the interval, value-range,
// margins, day-range and base-level popups, the series galleries and the "Powiąż" gallery of the
// quote tables a chart can follow.

#include "ribbon/RibbonTabsCreator.h"

#include <cstdint>
#include <memory>

class ChartConsumer;
class QuorvantaTab;
class TableConsumer;

class RibbonChartsTabsQ4Classic : public RibbonTabsCreator
{
public:
    // The chart and table consumers from the application mediator.
    RibbonChartsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
    // Without tables the "Powiąż" gallery lists none.
    RibbonChartsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, ChartConsumer* charts,
                              TableConsumer* tables = nullptr);

    // False without the chart module or when a tab could not be added.
    bool CreateTabs() override;
    // Qt builds every control up front, so no control is made on request.
    bool HandleFrameRequest(RibbonCreateControlRequest& request) override { return false; }

    bool CreateMainTabGroups(QuorvantaTab& tab);
    bool CreateAxisValueTabGroups(QuorvantaTab& tab);
    bool CreateSeriesTabGroups(QuorvantaTab& tab);
    ChartConsumer* GetCharts() const { return m_charts; }

private:
    bool AddTab(std::uint32_t stringId, std::unique_ptr<QuorvantaTab> tab);

    ChartConsumer* m_charts;
    TableConsumer* m_tables;
};
