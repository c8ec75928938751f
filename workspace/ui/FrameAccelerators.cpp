#include "workspace/ui/FrameAccelerators.h"

#include "platform/ui/CmdTarget.h"
#include "platform/ui/CmdUI.h"
#include "ribbon/RibbonCommandIds.h"

#include <QShortcut>
#include <QWidget>

using namespace RibbonCommandIds;

const std::vector<FrameAccelerators::Accelerator>& FrameAccelerators::Table()
{
    static const std::vector<Accelerator> table = {
        {Qt::Key_F2, ID_NEW_CHART},      {Qt::Key_F3, ID_NEW_TABLE},         {Qt::Key_F4, ID_ORDERS_SHEET},
        {Qt::Key_F5, ID_NEW_DETAILS},    {Qt::Key_F6, ID_NEW_OFFERS},        {Qt::Key_F7, ID_NEW_TRANSLIST},
        {Qt::Key_F8, ID_NEW_TRANSACTIONS_MONITOR}, {Qt::Key_F9, ID_SESSION_STATISTICS},
    };
    return table;
}

bool FrameAccelerators::IsCommandEnabled(CmdTarget& frame, std::uint32_t commandId)
{
    CmdUI state(commandId);
    state.DoUpdate(frame, true);
    return state.Enabled().value_or(true);
}

void FrameAccelerators::Install(QWidget& frame, CmdTarget& target, const std::function<void(std::uint32_t)>& run)
{
    for (const Accelerator& accelerator : Table())
    {
        auto* shortcut = new QShortcut(QKeySequence(accelerator.key), &frame);
        shortcut->setContext(Qt::ApplicationShortcut);
        const std::uint32_t id = accelerator.commandId;
        QObject::connect(shortcut, &QShortcut::activated, &frame, [&target, run, id] {
            if (IsCommandEnabled(target, id))
                run(id);
        });
    }
}
