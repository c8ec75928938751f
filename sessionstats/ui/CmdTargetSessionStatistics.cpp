#include "sessionstats/ui/CmdTargetSessionStatistics.h"

#include "platform/modules/ISessionStatisticsModule.h"
#include "styles/engine/ObjectWithStyle.h"

CmdTargetSessionStatistics::CmdTargetSessionStatistics(std::function<ISessionStatisticsModule*()> module)
    : m_module(std::move(module))
{
    OnCommand(ID_STATISTICS_TOP_PANE, [this] {
        if (ISessionStatisticsModule* module = m_module())
            module->ToggleTopPane();
    });
    OnUpdate(ID_STATISTICS_TOP_PANE, [this](CmdUI& ui) {
        ISessionStatisticsModule* module = m_module();
        ui.Enable(true);
        ui.SetCheck(module && module->IsTopPaneVisible() ? 1 : 0);
    });
    OnCommand(ID_STATISTICS_BOTTOM_PANE, [this] {
        if (ISessionStatisticsModule* module = m_module())
            module->ToggleBottomPane();
    });
    OnUpdate(ID_STATISTICS_BOTTOM_PANE, [this](CmdUI& ui) {
        ISessionStatisticsModule* module = m_module();
        ui.Enable(true);
        ui.SetCheck(module && module->IsBottomPaneVisible() ? 1 : 0);
    });
    OnCommand(ID_FONT_LARGER, [this] { FontCommand(kFontLarger); });
    OnCommand(ID_FONT_SMALLER, [this] { FontCommand(kFontSmaller); });
    OnCommand(ID_FONT_RESTORE, [this] { FontCommand(kFontRestore); });
    for (std::uint32_t id : {ID_FONT_LARGER, ID_FONT_SMALLER, ID_FONT_RESTORE, ID_STATISTICS_STYLE, ID_STATISTICS_RESTORE})
        OnUpdate(id, [](CmdUI& ui) { ui.Enable(true); });
    // Nothing is left to it: the statistics' display is their style, panes and fonts.
    OnUpdate(ID_STATISTICS_MORE_OPTIONS, [](CmdUI& ui) { ui.Enable(false); });
}

void CmdTargetSessionStatistics::FontCommand(std::uint32_t command)
{
    // The four grid text styles first, then the bar's font; each change is applied on its own.
    const auto change = [this, command](int part, int parameter) {
        auto* module = dynamic_cast<ObjectWithStyle*>(m_module());
        if (!module)
            return;
        module->ChangeDSParam(part, parameter, qint32(command));
        module->ApplyDSParam();
        module->ForceStyleChangedNotification();
    };
    for (int part = 1; part <= 4; ++part)
        change(part, kTextFontParameter);
    change(0, kOverallFontParameter);
}
