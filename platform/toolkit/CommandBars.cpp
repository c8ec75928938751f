#include "platform/toolkit/CommandBars.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonCreateControlRequest.h"
#include "platform/ui/UiLog.h"
#include "platform/ui/Wnd.h"

CommandBars::CommandBars() = default;

CommandBars::~CommandBars() = default;

RibbonBarBase* CommandBars::AddRibbonBar(std::unique_ptr<RibbonBarBase> ribbon, const QString& name)
{
    if (!ribbon || m_ribbon)
    {
        qCWarning(lcUi) << "CommandBars: refused the ribbon" << name;
        return nullptr;
    }
    ribbon->SetName(name);
    ribbon->SetCommandBars(this);
    m_ribbon = std::move(ribbon);
    return m_ribbon.get();
}

std::unique_ptr<RibbonControl> CommandBars::RequestControl(std::uint32_t id)
{
    auto* frame = dynamic_cast<Wnd*>(m_target);
    if (frame == nullptr)
        return nullptr;
    RibbonCreateControlRequest request;
    request.id = id;
    const LResult made = frame->SendMessage(RibbonIds::CreateControlMessage, 0, reinterpret_cast<LParam>(&request));
    return made != 0 ? std::move(request.control) : nullptr;
}
