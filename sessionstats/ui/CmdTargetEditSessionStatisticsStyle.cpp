#include "sessionstats/ui/CmdTargetEditSessionStatisticsStyle.h"

#include "platform/ui/CmdUI.h"
#include "sessionstats/ui/SessionStatisticsStyleCmdIds.h"
#include "sessionstats/ui/StyleSessionStatistics.h"

#include <array>

using namespace SessionStatisticsStyleCmdIds;

namespace
{
using Style = StyleSessionStatistics;

QString OwnCopyName(int element)
{
    static const std::array<QString, 4> names = {QStringLiteral("Wzrosty"), QStringLiteral("Spadki"),
                                                 QStringLiteral("Obroty"), QStringLiteral("Transakcje")};
    return element >= 0 && element < 4 ? names[static_cast<std::size_t>(element)] : QString();
}
}

CmdTargetEditSessionStatisticsStyle::CmdTargetEditSessionStatisticsStyle(std::shared_ptr<StyleBase> style,
                                                                         StyleEditModeHandler& handler)
    : CmdTargetEditGridStyleBase(std::move(style), handler, OwnCopyName)
{
    if (GetEditedStyle() == nullptr)
        return;
    OnCommand(ID_DISCARD_AND_LEAVE, [this] { Discard(true); });
    AddToggle(ID_HORIZONTAL_GRID, Style::ParamHorzGridVisible);
    AddToggle(ID_VERTICAL_GRID, Style::ParamVertGridVisible);
    static const Command commands[] = {
        {ID_GRID_COLOUR, Edit::PenColour, Style::ParamGridPen},
        {ID_LINE_TYPE, Edit::PenType, Style::ParamGridPen},
        {ID_LINE_WIDTH, Edit::PenWidth, Style::ParamGridPen},
        {ID_HIGHLIGHT_COLOUR, Edit::Colour, Style::ParamHighlightColor},
        {ID_COPY_FROM, Edit::CopyFrom},
        {ID_STYLE_NAME, Edit::Name},
        {ID_BAR_RISES, Edit::Colour, Style::ParamOverallIncreaseColor},
        {ID_BAR_NO_CHANGE, Edit::Colour, Style::ParamOverallNoChangeColor},
        {ID_BAR_FALLS, Edit::Colour, Style::ParamOverallDecreaseColor},
        {ID_BAR_BACKGROUND, Edit::Colour, Style::ParamOverallBkColor},
        {ID_BAR_FONT, Edit::FontName, Style::ParamOverallFont},
        {ID_BAR_FONT_SIZE, Edit::FontSize, Style::ParamOverallFont},
        {ID_BAR_FONT_COLOUR, Edit::Colour, Style::ParamOverallFontColor},
    };
    AddCommands(commands);
    OnUpdate(ID_HIGHLIGHT_CHANGES, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    AddHighlightBit(ID_HIGHLIGHT_GRADIENT, kHighlightGradient);
    AddHighlightBit(ID_HIGHLIGHT_ANIMATE, kHighlightAnimate);
    AddHighlightBit(ID_HIGHLIGHT_BOLD, kHighlightBold);
    AddChangeCommands(ID_DISCARD, ID_SAVE);
    // Enabled with no command: the statistics keep no default style in their settings.
    OnUpdate(ID_SAVE_IN_SETTINGS, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    const std::array<std::uint32_t, 4> blocks = {ID_RISES_BLOCK, ID_FALLS_BLOCK, ID_TURNOVER_BLOCK,
                                                 ID_TRANSACTIONS_BLOCK};
    for (std::size_t element = 0; element < blocks.size(); ++element)
        AddTextFieldGroup(ConsecutiveGroup(static_cast<int>(element), blocks[element]));
}

void CmdTargetEditSessionStatisticsStyle::AddHighlightBit(std::uint32_t id, qint32 bit)
{
    OnCommand(id, [this, bit] {
        const std::shared_ptr<StyleBase>& style = GetEditedStyle();
        style->SetValue(Style::ParamHighlightType, style->GetValue(Style::ParamHighlightType) ^ bit);
        AfterChange();
    });
    OnUpdate(id, [this, bit](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck((GetEditedStyle()->GetValue(Style::ParamHighlightType) & bit) != 0 ? 1 : 0);
    });
}
