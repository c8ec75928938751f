#pragma once
// The command target of every chart window: each ribbon command, update and control
// notification of the chart tabs goes to the active chart's container of active objects (or to
// the chart consumer for the consumer's own switches). It keeps no chart state of its own; only
// a colour chosen through "more colours" waits here from its preview to the next apply. Made
// once when the consumer libraries load, handed to the chart consumer's windows; main thread.

#include "charts/ui/CmdTargetChartProcessor.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "platform/ui/CmdTarget.h"

#include <memory>

class ActiveObjectsContainer;
class ChartConsumer;

class CmdTargetChart : public CmdTarget
{
public:
    // The chart library's consumer and the edition's processor from the application.
    CmdTargetChart();
    CmdTargetChart(ChartConsumer* consumer, std::shared_ptr<CmdTargetChartProcessor> processor);

    const std::shared_ptr<SpecialStylesInfo>& GetGalleryDescription() const { return m_galleryDescription; }

private:
    void Register();
    void RegisterPanelsAndAxes();
    void RegisterTimeAndData();
    void RegisterSeries();
    void RegisterIndicatorsAndRecords();
    void RegisterStyles();
    void RegisterDisplayParams();

    // Null without a consumer or an active chart.
    ActiveObjectsContainer* Active() const;
    // Runs the call on the active chart; nothing without one.
    void Forward(std::uint32_t id, void (ActiveObjectsContainer::*operation)());
    void EnableIf(std::uint32_t id, bool (ActiveObjectsContainer::*query)() const);
    void AlwaysEnabled(std::uint32_t id);
    void EmptyCommand(std::uint32_t id);

    void OnTimeAxisGalleryUpdate(CmdUI& cmdUI);
    void OnTimeAxisGalleryExecute(NotifyInfo& info);
    void OnAxisRangeExecute();
    void IndicatorPopupRule(CmdUI& cmdUI);
    void EditFormula();

    void StyleGallery(std::uint32_t id, int context);
    void ColorGallery(std::uint32_t id, int context, int parameter);
    void OnColorPreviewCancel();
    void OnColorPreviewApply();
    void FontCommand(std::uint32_t id, int context, int value);
    void RestoreCommand(std::uint32_t id, int context);
    void EditChartStyle(bool element);

    ChartConsumer* m_consumer = nullptr;
    std::shared_ptr<CmdTargetChartProcessor> m_processor;
    std::shared_ptr<SpecialStylesInfo> m_galleryDescription;
    bool m_customColorPending = false;
    int m_customColorContext = 0;
    int m_customColorParameter = 0;
};
