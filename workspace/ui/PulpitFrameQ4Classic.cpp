#include "workspace/ui/PulpitFrameQ4Classic.h"

#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/ui/Document.h"
#include "platform/ui/Images.h"
#include "ribbon/RibbonCommandIds.h"
#include "platform/ui/StringTable.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

using namespace RibbonCommandIds;

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

QIcon PulpitFrameQ4Classic::ModuleImage(const ModuleWndBase& window)
{
    // A module library's window shows the picture of the command that opens its kind.
    const AppMediator* mediator = AppMediator::Instance();
    const ConsumerManager* consumers = mediator ? mediator->GetConsumerManager() : nullptr;
    const IGenericModule* module = window.GetModule();
    if (!consumers || !module)
        return {};
    const std::pair<const ConsumerBase*, std::uint32_t> kinds[] = {
        {consumers->GetChartConsumer(), ID_NEW_CHART},
        {consumers->GetTableConsumer(), ID_NEW_TABLE},
        {consumers->GetDetailsConsumer(), ID_NEW_DETAILS},
        {consumers->GetOffersConsumer(), ID_NEW_OFFERS},
        {consumers->GetTransListConsumer(), ID_NEW_TRANSLIST},
        {consumers->GetTransactionsMonitorConsumer(), ID_NEW_TRANSACTIONS_MONITOR},
        {consumers->GetFilesGeneratorConsumer(), ID_FILES_GENERATOR},
    };
    for (const auto& [consumer, commandId] : kinds)
        if (consumer && static_cast<const IGenericModule*>(consumer) == module)
            return Images::Instance().Icon(commandId);
    return {};
}

void PulpitFrameQ4Classic::GetShownWindows(std::vector<ShownWindow>& windows)
{
    if (!GetTabClient())
        return;
    for (ModuleWndBase* window : GetTabClient()->GetModuleWindows(false))
    {
        if (window->isVisibleTo(window->parentWidget()) && window->CanBeCloseOnCommand())
        {
            const QIcon image = window->GetImage();
            windows.push_back({window, image.isNull() ? ModuleImage(*window) : image, window->windowTitle()});
        }
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
