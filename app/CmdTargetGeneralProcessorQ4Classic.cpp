#include "app/CmdTargetGeneralProcessorQ4Classic.h"

#include <utility>

CmdTargetGeneralProcessorQ4Classic::CmdTargetGeneralProcessorQ4Classic(std::function<bool()> isOrdersSheetWindowVisible)
    : m_isOrdersSheetWindowVisible(std::move(isOrdersSheetWindowVisible))
{
}

void CmdTargetGeneralProcessorQ4Classic::UpdateOrdersSheetCommand(CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    cmdUI.SetCheck(m_isOrdersSheetWindowVisible && m_isOrdersSheetWindowVisible() ? 1 : 0);
}
