#pragma once
// The command target of the chart window style's tabs in the style edit mode: the header and
// axis fonts, the grid lines and their pen, the background, label, indicator, marker, alert and
// highlight colours, the six indicator colours, the related styles of the price series, volume,
// LOP and formations with their "Style lokalne" galleries, "Skopiuj z...", the name, "Odrzuć"
// and "Zapisz". The chart library draws its windows in the edited style, so every change shows
// in the chart at once; the chart is rebuilt when editing begins. The buy and sell alert
// colours change only when chosen: hovering them previews nothing. Main thread only.

#include "styles/ui/CmdTargetEditChartStyleBase.h"

#include <QIcon>

class CmdTargetEditChartWindowStyle : public CmdTargetEditChartStyleBase
{
public:
    CmdTargetEditChartWindowStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                  ActiveObjects activeObjects);
    ~CmdTargetEditChartWindowStyle() override;

    // Also shows each indicator's colour on its button.
    void OnStyleCopied() override;
    // The 16 px swatch of a colour: a 13 px square outlined in the theme's colour 53.
    static QIcon IndicatorIcon(qint32 colour);

private:
    void SetIndicatorIcons(bool shown);

    void AddChecks();
    void AddRelatedStyle(std::uint32_t id, int relation, StyleType kind);
};
