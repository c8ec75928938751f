#pragma once
// The ribbon commands of the session-statistics window: the two panes ("Aktywność" the grids,
// "Podsumowanie" the bar), the three font commands of its style, and the enabled state of the
// style commands that the style-editing targets carry out. The main frame makes it with its
// other command targets; it reaches the module through the mediator. Main thread only.

#include "platform/base/ColorRef.h"
#include "platform/ui/CmdTarget.h"

#include <cstdint>
#include <functional>

class ISessionStatisticsModule;

class CmdTargetSessionStatistics : public CmdTarget
{
public:
    static constexpr std::uint32_t ID_STATISTICS_TOP_PANE = 33067;
    static constexpr std::uint32_t ID_STATISTICS_BOTTOM_PANE = 33068;
    static constexpr std::uint32_t ID_FONT_LARGER = 956;
    static constexpr std::uint32_t ID_FONT_SMALLER = 957;
    static constexpr std::uint32_t ID_FONT_RESTORE = 958;
    static constexpr std::uint32_t ID_STATISTICS_STYLE = 33393;
    static constexpr std::uint32_t ID_STATISTICS_MORE_OPTIONS = 33917;
    static constexpr std::uint32_t ID_STATISTICS_RESTORE = 33919;

    // The font commands' values.
    static constexpr std::uint32_t kFontLarger = ColorRef::kOneStepLarger;
    static constexpr std::uint32_t kFontSmaller = ColorRef::kOneStepSmaller;
    static constexpr std::uint32_t kFontRestore = ColorRef::kStyleOwnValue;
    // The style parameter of a text style's font command, and that of the bar's font.
    static constexpr int kTextFontParameter = 12;
    static constexpr int kOverallFontParameter = 15;

    // module gives the module, null when there is none.
    explicit CmdTargetSessionStatistics(std::function<ISessionStatisticsModule*()> module);

private:
    void FontCommand(std::uint32_t command);

    std::function<ISessionStatisticsModule*()> m_module;
};
