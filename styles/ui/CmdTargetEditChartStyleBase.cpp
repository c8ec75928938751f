#include "styles/ui/CmdTargetEditChartStyleBase.h"

#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"

#include <cstdint>

CmdTargetEditChartStyleBase::CmdTargetEditChartStyleBase(std::shared_ptr<StyleBase> style,
                                                         StyleEditModeHandler& handler, ActiveObjects activeObjects)
    : CmdTargetEditStyleBase(std::move(style), handler)
    , m_activeObjects(std::move(activeObjects))
{
}

void CmdTargetEditChartStyleBase::OnStyleCopied()
{
    CmdTargetEditStyleBase::OnStyleCopied();
    if (ActiveObjectsContainer* active = Active())
        active->RedrawDialogAfterStyleChanged(1);
}

ActiveObjectsContainer* CmdTargetEditChartStyleBase::Active() const
{
    return m_activeObjects ? m_activeObjects() : nullptr;
}

void CmdTargetEditChartStyleBase::AddCopyFromInfo(std::uint32_t id)
{
    OnNotify(id, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) {
        auto galleryInfo = std::make_shared<SpecialStylesInfo>();
        if (const ActiveObjectsContainer* active = Active())
            galleryInfo->background = active->GetActiveViewBackgroundColor();
        Answer(info, std::move(galleryInfo));
    });
}

void CmdTargetEditChartStyleBase::Answer(NotifyInfo& info, std::shared_ptr<SpecialStylesInfo> galleryInfo)
{
    m_galleryInfo = std::move(galleryInfo);
    info.result = reinterpret_cast<std::intptr_t>(m_galleryInfo.get());
}
