#pragma once
// The command target of the chart element style's tab in the style edit mode: the width and
// its type, the line colour and type, the frame and body colours of rising and falling candles,
// "Skopiuj z...", the name, "Odrzuć" and "Zapisz"; and the chart type the chart shows the
// element in while it is edited (bars and candles only for the main series). The chart type
// the chart had when editing began comes back when the mode is left, however it is left.
// Main thread only.

#include "styles/ui/CmdTargetEditChartStyleBase.h"

class CmdTargetEditChartElementStyle : public CmdTargetEditChartStyleBase
{
public:
    // The preview types that need the main series' open, high, low and close.
    static constexpr int kBarType = 2;
    static constexpr int kCandleType = 3;

    CmdTargetEditChartElementStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                   ActiveObjects activeObjects);
    ~CmdTargetEditChartElementStyle() override;

    int GetStartChartType() const { return m_startType; }
    int GetChosenChartType() const { return m_chosenType; }
    int GetShownChartType() const { return m_shownType; }

private:
    void AddPreviewType();
    void AddWidth();
    void AddLineType();
    void ShowChartType(int type);
    void RestoreChartType();

    int m_startType = 0;
    int m_chosenType = 0;
    int m_shownType = 0;
    bool m_restored = false;
};
