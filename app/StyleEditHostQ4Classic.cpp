#include "app/StyleEditHostQ4Classic.h"

#include "core/app/ApplicationStylesIO.h"
#include "core/app/IApplicationStyles.h"
#include "core/mediator/AppMediator.h"
#include "platform/base/AppPaths.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/UpdateRibbonContext.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/TabClientWnd.h"

namespace
{
PulpitFrame* Frame()
{
    const AppMediator* mediator = AppMediator::Instance();
    return mediator ? dynamic_cast<PulpitFrame*>(mediator->GetMainFrame()) : nullptr;
}
}

StyleEditHostQ4Classic::StyleEditHostQ4Classic(std::shared_ptr<IApplicationStyles> styles)
    : m_styles(std::move(styles))
{
}

RibbonsFactory* StyleEditHostQ4Classic::GetRibbonsFactory()
{
    PulpitFrame* frame = Frame();
    return frame ? frame->GetRibbonsFactory().get() : nullptr;
}

ModuleWndBase* StyleEditHostQ4Classic::GetActiveModuleWnd()
{
    PulpitFrame* frame = Frame();
    return frame ? frame->GetActiveModuleWnd() : nullptr;
}

QWidget* StyleEditHostQ4Classic::GetMainWindow()
{
    return Frame();
}

void StyleEditHostQ4Classic::SetStyleEditFlag(bool on)
{
    const PulpitFrame* frame = Frame();
    if (TabClientWnd* tabs = frame ? frame->GetTabClient() : nullptr)
        tabs->SetStyleEditLock(on);
}

void StyleEditHostQ4Classic::UpdateFrameTitles()
{
    if (PulpitFrame* frame = Frame())
        frame->UpdateFrameTitles();
}

void StyleEditHostQ4Classic::SetStyleEditSystemMenu()
{
    if (PulpitFrame* frame = Frame())
        frame->SetStyleEditSystemMenu();
}

void StyleEditHostQ4Classic::SetMainSystemMenu()
{
    if (PulpitFrame* frame = Frame())
        frame->SetMainSystemMenu();
}

void StyleEditHostQ4Classic::UpdateRibbonContextWithoutModule()
{
    if (PulpitFrame* frame = Frame())
        frame->UpdateRibbonContext(::UpdateRibbonContext());
}

void StyleEditHostQ4Classic::RedrawModuleWindows()
{
    if (PulpitFrame* frame = Frame())
        frame->RedrawModuleWindows();
}

bool StyleEditHostQ4Classic::SaveApplicationStyles(bool clean)
{
    return m_styles && ApplicationStylesIO(*m_styles, QString::fromUtf8(AppPaths::kProductName)).SaveApplicationStyles(clean);
}
