#include "workspace/ui/PulpitFrameQ4Classic.h"

#include "platform/ui/Document.h"
#include "platform/ui/StringTable.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

PulpitFrameQ4Classic::PulpitFrameQ4Classic(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators, CmdTargetMakers makers)
    : PulpitFrame(std::move(tabsCreators), std::move(makers))
{
}

void PulpitFrameQ4Classic::OnUpdateCloseAllWindows(CmdUI& cmdUI)
{
    std::vector<ShownWindow> windows;
    GetShownWindows(windows);
    if (!windows.empty())
        cmdUI.Enable(true);
}

void PulpitFrameQ4Classic::GetShownWindows(std::vector<ShownWindow>& windows)
{
    if (!GetTabClient())
        return;
    for (ModuleWndBase* window : GetTabClient()->GetModuleWindows(false))
    {
        if (window->isVisibleTo(window->parentWidget()) && window->CanBeCloseOnCommand())
            windows.push_back({window, window->GetImage(), window->windowTitle()});
    }
}

PanelView* PulpitFrameQ4Classic::SetPanelTitle(PanelFrame& panel)
{
    // The screens' tabs show: a new screen is named after the new-screen command's caption.
    const QString name = StringTable::Instance().Caption(WorkspaceIds::ID_NEW_SCREEN);
    if (Document* document = panel.GetActiveDocument(); document && GetTabClient())
        document->SetTitle(GetTabClient()->GetWorkspace().MakeUniqueTabCaption(name, &panel));
    panel.UpdateFrameTitle();
    return panel.GetPanelView();
}

void PulpitFrameQ4Classic::RedrawModuleWindows()
{
    if (!GetTabClient())
        return;
    for (ModuleWndBase* window : GetTabClient()->GetModuleWindows(false))
        window->RedrawAfterLayoutMayChanged();
}

void PulpitFrameQ4Classic::ShowWorkspaceTabs()
{
    if (GetTabClient())
        GetTabClient()->ShowWorkspace(true);
}
