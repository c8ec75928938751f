#pragma once
// The style edit mode's command target for the session-statistics window's style: grid lines
// and their pen, the highlighting of changes (gradient, animation and bold changes as bits of
// one value) and its colour, the text-field styles of rises, falls, turnover and transactions,
// and the overall bar's colours and font. Main thread only.

#include "styles/ui/CmdTargetEditGridStyleBase.h"

class CmdTargetEditSessionStatisticsStyle : public CmdTargetEditGridStyleBase
{
public:
    // The bits of the highlighting value.
    static constexpr qint32 kHighlightGradient = 4;
    static constexpr qint32 kHighlightAnimate = 2;
    static constexpr qint32 kHighlightBold = 1;

    CmdTargetEditSessionStatisticsStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler);

private:
    void AddHighlightBit(std::uint32_t id, qint32 bit);
};
