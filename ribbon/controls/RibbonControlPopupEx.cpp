#include "ribbon/controls/RibbonControlPopupEx.h"

#include "platform/toolkit/RibbonDefs.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/popups/PopupWindowManager.h"

RibbonControlPopupEx::RibbonControlPopupEx(std::uint32_t id, int type)
    : RibbonControl(type, id)
{
}

RibbonControlPopupEx::~RibbonControlPopupEx() = default;

void RibbonControlPopupEx::SetPopupWindowManager(std::unique_ptr<PopupWindowManager> manager)
{
    m_manager = std::move(manager);
}

bool RibbonControlPopupEx::ShowPopupWindow(const QRect& anchor)
{
    if (!m_manager || !GetEnabled())
        return m_manager != nullptr;
    m_manager->ShowAtAnchor(anchor);
    return true;
}

bool RibbonControlPopupEx::ClosePopupBar(bool apply)
{
    if (m_manager)
        m_manager->ClosePopup();
    return apply && Notify(NotifyCodes::Execute);
}

bool RibbonControlPopupEx::ClosePopupWithNotify(int code)
{
    if (m_manager)
        m_manager->ClosePopup();
    return Notify(code);
}
