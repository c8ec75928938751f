#include "orderssheet/ui/CmdTargetOrdersSheet.h"

#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "platform/ui/CmdUI.h"

using namespace OrdersSheetCommandIds;

void CmdTargetOrdersSheet::AddLinkCommand()
{
    // The popup's gallery links the window; the button only needs a table to link with.
    OnUpdate(ID_LINK_TABLE, [this](CmdUI& cmdUI) { cmdUI.Enable(m_services.canLink && m_services.canLink()); });
}

void CmdTargetOrdersSheet::AddArrangementCommands()
{
    using namespace OrdersSheetPanesArrangement;
    static constexpr struct
    {
        std::uint32_t id;
        Arrangement arrangement;
    } kCommands[] = {
        {ID_ARRANGE_AUTOMATIC, kAutomatic},
        {ID_ARRANGE_COLUMNS, kColumns},
        {ID_ARRANGE_ROWS, kRows},
    };
    for (const auto& command : kCommands)
    {
        const Arrangement arrangement = command.arrangement;
        OnCommand(command.id, [this, arrangement] {
            if (OrderSheetMainDlg* window = m_window())
                window->Panes().SetPanesArrangement(arrangement);
        });
        // Without a window the buttons stay as they were.
        OnUpdate(command.id, [this, arrangement](CmdUI& cmdUI) {
            if (const OrderSheetMainDlg* window = m_window())
                cmdUI.SetCheck(window->Panes().GetPanesArrangement() == arrangement ? 1 : 0);
        });
    }
}
