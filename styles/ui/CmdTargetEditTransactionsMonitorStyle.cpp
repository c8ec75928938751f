#include "styles/ui/CmdTargetEditTransactionsMonitorStyle.h"

#include "platform/ui/CmdUI.h"
#include "styles/engine/StyleTransactionsMonitor.h"
#include "styles/ui/StyleEditListCmdIds.h"

using namespace StyleEditListCmdIds;

CmdTargetEditTransactionsMonitorStyle::CmdTargetEditTransactionsMonitorStyle(std::shared_ptr<StyleBase> style,
                                                                             StyleEditModeHandler& handler)
    : CmdTargetEditGridStyleBase(std::move(style), handler, [](int relation) {
        return relation == StyleTransactionsMonitor::RelationOdd ? QStringLiteral("Nieparzysty")
                                                                 : QStringLiteral("Parzysty");
    })
{
    if (GetEditedStyle() == nullptr)
        return;
    OnCommand(ID_DISCARD_AND_LEAVE, [this] { Discard(true); });
    static const Command commands[] = {
        {ID_MONITOR_GRID_COLOUR, Edit::PenColour, StyleTransactionsMonitor::ParamGridPen},
        {ID_MONITOR_LINE_TYPE, Edit::PenType, StyleTransactionsMonitor::ParamGridPen},
        {ID_MONITOR_LINE_WIDTH, Edit::PenWidth, StyleTransactionsMonitor::ParamGridPen},
        {ID_MONITOR_COPY_FROM, Edit::CopyFrom},
        {ID_MONITOR_STYLE_NAME, Edit::Name},
    };
    AddCommands(commands);
    OnUpdate(ID_MONITOR_COLOURING, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    AddTextFieldGroup(SplitGroup(StyleTransactionsMonitor::RelationOdd, ID_MONITOR_ODD_STYLE, ID_MONITOR_ODD_COPY_FROM,
                            ID_MONITOR_ODD_FONT));
    AddTextFieldGroup(SplitGroup(StyleTransactionsMonitor::RelationEven, ID_MONITOR_EVEN_STYLE, ID_MONITOR_EVEN_COPY_FROM,
                            ID_MONITOR_EVEN_FONT));
    AddChangeCommands(ID_MONITOR_DISCARD, ID_MONITOR_SAVE);
    AddToggle(ID_MONITOR_HORIZONTAL_GRID, StyleTransactionsMonitor::ParamHorizontalGrid);
    AddToggle(ID_MONITOR_VERTICAL_GRID, StyleTransactionsMonitor::ParamVerticalGrid);
    AddChoice(ID_MONITOR_COLUMNS, StyleTransactionsMonitor::ParamColouring, 1);
    AddChoice(ID_MONITOR_ROWS, StyleTransactionsMonitor::ParamColouring, 0);
}
