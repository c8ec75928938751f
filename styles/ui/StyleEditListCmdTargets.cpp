#include "styles/ui/StyleEditListCmdTargets.h"

#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/engine/StyleTransactionsMonitor.h"
#include "styles/ui/CmdTargetEditTableStyle.h"
#include "styles/ui/CmdTargetEditTextFieldStyle.h"
#include "styles/ui/CmdTargetEditTransactionsMonitorStyle.h"
#include "styles/ui/CmdTargetEditTransactionsStyle.h"
#include "styles/ui/StyleEditModeHandler.h"

namespace
{
template <typename Target, typename... Args>
StyleEditModeHandler::CmdTargetMaker Maker(Args... args)
{
    return [args...](const std::shared_ptr<StyleBase>& style, StyleEditModeHandler& handler) {
        return std::make_shared<Target>(style, handler, args...);
    };
}
}

void RegisterListStyleCmdTargets(StyleEditModeHandler& handler)
{
    handler.RegisterCmdTarget(StyleTextField::Type, Maker<CmdTargetEditTextFieldStyle>());
    handler.RegisterCmdTarget(StyleTable::Type, Maker<CmdTargetEditTableStyle>());
    // The transaction list module keeps no default style in its settings in this program.
    handler.RegisterCmdTarget(StyleTransactionList::Type,
                              Maker<CmdTargetEditTransactionsStyle>(CmdTargetEditTransactionsStyle::SaveAsDefault()));
    handler.RegisterCmdTarget(StyleTransactionsMonitor::Type, Maker<CmdTargetEditTransactionsMonitorStyle>());
}
