#pragma once
// A chart window of the simulated market's "KLV" with no bars, made active in the consumer: what
// the formation tests select and edit formations on. The caller deletes it.

#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartWindow.h"

inline ChartWindow* MakeActiveEmptyChart(ChartModuleConsumer& consumer)
{
    auto* chart = new ChartWindow(consumer,
                                  ChartDocument::Standard(QStringLiteral("Kelvora OnLine"), QStringLiteral("KLV"), QString(),
                                                          DataRequestParams(DataRequestParams::kMinute, 1, 0), ShowedRange(), 3),
                                  nullptr);
    consumer.SetActiveChart(chart);
    return chart;
}

// Adds a formation of the kind and makes it the active one.
inline void SelectNewFormation(ChartWindow& chart, FormationType kind)
{
    auto& document = const_cast<ChartDocument&>(chart.Document());
    document.formations.push_back(ChartFormation::Make(kind, {{45000.0, 10.0}, {45001.0, 12.0}}));
    document.activeFormation = static_cast<int>(document.formations.size()) - 1;
}
