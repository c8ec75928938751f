#include "platform/ui/CommandActions.h"

#include "platform/ui/ActionCmdUI.h"
#include "platform/ui/Images.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/Wnd.h"

#include <algorithm>

CommandActions::CommandActions(Wnd& owner, QObject* parent)
    : QObject(parent)
    , m_owner(owner.GetSafeHwnd())
{
    connect(&m_updateTimer, &QTimer::timeout, this, &CommandActions::UpdateAll);
}

QAction* CommandActions::Create(std::uint32_t id, QObject* actionParent)
{
    const StringTable& strings = StringTable::Instance();
    const QString caption = strings.Caption(id);
    auto* action = new QAction(Images::Instance().Icon(id), caption.isEmpty() ? strings.Description(id) : caption,
                               actionParent);
    action->setStatusTip(strings.Description(id));
    Bind(action, id);
    return action;
}

void CommandActions::Bind(QAction* action, std::uint32_t id)
{
    m_bindings.push_back({action, id});
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
}

void CommandActions::UpdateAll()
{
    // The owner is looked up again on every pass: the actions may outlive their window.
    Wnd* owner = Wnd::FromHandle(m_owner);
    if (owner == nullptr)
        return;
    std::erase_if(m_bindings, [](const Binding& binding) { return binding.action.isNull(); });
    for (const Binding& binding : m_bindings)
    {
        ActionCmdUI cmdUI(binding.id, binding.action);
        owner->UpdateCommandUI(cmdUI);
    }
}

void CommandActions::StartUpdates(int milliseconds)
{
    m_updateTimer.start(milliseconds);
}

void CommandActions::StopUpdates()
{
    m_updateTimer.stop();
}

void CommandActions::Execute(std::uint32_t id)
{
    if (Wnd* owner = Wnd::FromHandle(m_owner))
        owner->SendMessage(WM_COMMAND, MakeCommandWParam(id), 0);
}
