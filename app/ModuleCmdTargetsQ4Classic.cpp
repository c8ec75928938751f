#include "app/ModuleCmdTargetsQ4Classic.h"

#include "alerts/ui/CmdTargetAlerts.h"
#include "app/AlertModuleEx.h"
#include "app/CloudAlertsCommandsQ4Classic.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "workspace/ui/PulpitFrame.h"

#include "charts/ui/CmdTargetChart.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/translist/TransListModule.h"
#include "core/mediator/ChooseManyAssetDlg.h"
#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"
#include "platform/modules/TableConsumer.h"
#include "workspace/targets/CmdTargetDetails.h"
#include "workspace/targets/CmdTargetOffers.h"
#include "workspace/targets/CmdTargetTransList.h"
#include "workspace/targets/ModuleCmdTargetIds.h"
#include "workspace/targets/CmdTargetTransactionsMonitor.h"
#include "core/mediator/QuickAddInstrumentDlg.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/popups/DatePickerPopupWindowManager.h"
#include "ribbon/translist/RibbonTransListsTabsQ4Classic.h"
#include "modulelibs/filesgen/FilesGenModule.h"
#include "workspace/targets/CmdTargetFilesGenerator.h"
#include "workspace/ui/CmdTargetTable.h"

namespace
{
DisplayParamsCmdTarget::Services Services()
{
    DisplayParamsCmdTarget::Services services;
    services.beginEditStyle = [](const std::shared_ptr<StyleBase>& style, const QString& title) {
        AppMediator* mediator = AppMediator::Instance();
        IStyleEditModeHandler* handler = mediator ? mediator->GetStyleEditModeHandler() : nullptr;
        if (handler && style)
            handler->BeginEditStyle(style, title);
        else if (mediator)
            mediator->WriteWarning(QStringLiteral("Quorvanta 4"), QStringLiteral("ModuleCmdTargets::BeginEditStyle"),
                                   __LINE__, QStringLiteral("Nie rozpoczęto edycji stylu: program nie edytuje stylów."));
    };
    services.canLink = [] {
        AppMediator* mediator = AppMediator::Instance();
        TableConsumer* tables = mediator ? mediator->GetConsumerManager()->GetTableConsumer() : nullptr;
        return tables && tables->IsOpenedAtLeastOneTable();
    };
    return services;
}

std::shared_ptr<CmdTarget> MakeTransactionsMonitorTarget()
{
    auto* monitor = static_cast<TransMonitorModuleConsumer*>(GetTransactionsMonitorConsumer());
    monitor->SetAssetsChooser([](std::set<Asset>& assets) {
        AppMediator* mediator = AppMediator::Instance();
        std::vector<ProviderBase*> providers;
        if (mediator)
            mediator->GetProviders(providers);
        std::set<AssetsGroupId> groups;
        return ChooseManyAssetDlg::Choose(providers, mediator ? mediator->GetActivePanelView() : nullptr, assets, groups);
    });
    monitor->SetStyleEditor(Services().beginEditStyle);
    return std::make_shared<CmdTargetTransactionsMonitor>(&TransactionsMonitorActiveObject,
                                                          [monitor] { return monitor->DefaultStyle(); });
}

CmdTargetTransList::SessionDateServices SessionDateServices()
{
    CmdTargetTransList::SessionDateServices dates;
    dates.pickedDate = []() -> std::optional<QDate> {
        const std::shared_ptr<RibbonsFactory> ribbons = GetGlobalRibbonsFactory();
        return DatePickerPopupWindowManager::SelectionIn(ribbons ? ribbons->GetRibbonBar() : nullptr,
                                                         RibbonTransListsTabsQ4Classic::ID_GROUP_CONTENT,
                                                         TransListCmd::ID_SESSION_DATE);
    };
    return dates;
}

std::shared_ptr<CmdTarget> MakeFilesGeneratorTarget()
{
    CmdTargetFilesGenerator::Services services;
    services.consumer = [] { return GetAppFilesGeneratorConsumer(); };
    services.chooseManyAssets = [](QWidget* parent, std::set<Asset>& assets, std::set<AssetsGroupId>& groups) {
        AppMediator* mediator = AppMediator::Instance();
        std::vector<ProviderBase*> providers;
        if (mediator)
            mediator->GetProviders(providers);
        return ChooseManyAssetDlg::Choose(providers, parent, assets, groups);
    };
    services.quickAddInstrument = [](ModuleWndBase& window, const QuickAddAssetReceiver& receiver) {
        // Over the middle of the window, as its dialogs open, not at its corner.
        QuickAddInstrumentDlg& popup = QuickAddInstrumentDlg::GetInstance();
        const QPoint centre = window.mapToGlobal(window.rect().center());
        popup.ShowAt(centre - QPoint(popup.width() / 2, popup.height() / 2), true, receiver, &window);
    };
    return std::make_shared<CmdTargetFilesGenerator>(std::move(services));
}
}

std::shared_ptr<CmdTarget> MakeModuleCmdTargetQ4Classic(BuiltInConsumer kind)
{
    switch (kind)
    {
    case BuiltInConsumer::Chart:
        return std::make_shared<CmdTargetChart>();
    case BuiltInConsumer::Table:
        return std::make_shared<CmdTargetTable>();
    case BuiltInConsumer::Details:
        return std::make_shared<CmdTargetDetails>([] { return GetDetailsConsumer(); }, Services());
    case BuiltInConsumer::Offers:
        return std::make_shared<CmdTargetOffers>([] { return GetOffersConsumer(); }, Services());
    case BuiltInConsumer::TransList:
        return std::make_shared<CmdTargetTransList>([] { return GetTransListConsumer(); }, Services(),
                                                    SessionDateServices());
    case BuiltInConsumer::TransactionsMonitor:
        return MakeTransactionsMonitorTarget();
    case BuiltInConsumer::FilesGenerator:
        return MakeFilesGeneratorTarget();
    default:
        return nullptr;
    }
}

std::shared_ptr<CmdTarget> MakeCmdTargetAlertsQ4Classic(PulpitFrame& frame)
{
    CmdTargetAlerts::Services services;
    services.module = []() -> AlertModule* {
        const AppMediator* mediator = AppMediator::Instance();
        auto* alerts = mediator ? dynamic_cast<AlertModuleEx*>(mediator->GetAlertModule()) : nullptr;
        return alerts ? &alerts->Module() : nullptr;
    };
    services.isDefinitionDlgShown = [] {
        const AppMediator* mediator = AppMediator::Instance();
        IInProcessAlertModule* alerts = mediator ? mediator->GetAlertModule() : nullptr;
        return alerts && alerts->GetShownAlertDefinitionDlg() != nullptr;
    };
    auto cloud = std::make_shared<CloudAlertsCommandsQ4Classic>();
    services.cloud = [cloud]() -> ICloudAlertsCommands* {
        return CloudAlertsCommandsQ4Classic::Manager() ? cloud.get() : nullptr;
    };
    services.findControl = [&frame](std::uint32_t groupId, std::uint32_t id) -> RibbonControl* {
        const QuorvantaRibbonBar* bar = frame.GetRibbonBar();
        for (int index = 0; bar && index < bar->GetTabCount(); ++index)
        {
            const RibbonTabBase* tab = bar->GetTab(index);
            if (RibbonGroupBase* group = tab ? tab->FindGroup(groupId) : nullptr)
                return group->FindControl(id);
        }
        return nullptr;
    };
    return std::make_shared<CmdTargetAlerts>(std::move(services));
}
