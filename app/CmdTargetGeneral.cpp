#include "app/CmdTargetGeneral.h"

#include "app/CmdTargetGeneralProcessorQ4Classic.h"
#include "app/GeneralCommandsHost.h"
#include "app/IGeneralCommandsHost.h"
#include "core/mediator/ChooseAssetChartParams.h"
#include "core/mediator/CmdTargetGeneralProcessor.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "platform/modules/Asset.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "platform/modules/KFLFasade.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/MultiDataConsumer.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/ApplicationStylesContainer.h"
#include "styles/engine/ObjectWithStyle.h"

#include <QPointer>

CmdTargetGeneral::CmdTargetGeneral()
    : CmdTargetGeneral(std::make_shared<GeneralCommandsHost>(), GeneralCommandsHost::CreateProcessor())
{
}

CmdTargetGeneral::CmdTargetGeneral(std::shared_ptr<IGeneralCommandsHost> host,
                                   std::shared_ptr<CmdTargetGeneralProcessor> processor)
    : m_host(std::move(host))
    , m_processor(std::move(processor))
{
    AddWindowCommands();
    AddModuleCommands();
    AddOpenFileCommands();
    AddChartTools();
    AddStyleCommands();
    AddProgramCommands();
}

CmdTargetGeneral::~CmdTargetGeneral() = default;

bool CmdTargetGeneral::RuleV() const
{
    return !m_host->IsVersionInfoPanelActive();
}

void CmdTargetGeneral::EnableUnderRuleV(CmdUI& cmdUI, bool condition) const
{
    cmdUI.Enable(RuleV() && condition);
}

void CmdTargetGeneral::OnUpdateRuleV(std::uint32_t id)
{
    OnUpdate(id, [this](CmdUI& cmdUI) { EnableUnderRuleV(cmdUI); });
}

QWidget* CmdTargetGeneral::ActiveView() const
{
    return m_host->GetActivePanelView();
}

// Screens, desktops and window files

void CmdTargetGeneral::AddWindowCommands()
{
    OnUpdateRuleV(ID_OPEN_WINDOW);
    OnUpdate(ID_CLOSE_SCREEN, [this](CmdUI& cmdUI) { cmdUI.Enable(m_host->GetScreensLimit() >= 2); });
    OnCommand(ID_SAVE_WINDOW, [this] { OnSaveWindow(false); });
    OnCommand(ID_SAVE_WINDOW_Q5, [this] { OnSaveWindow(true); });
    for (const std::uint32_t id : {ID_SAVE_WINDOW, ID_SAVE_WINDOW_Q5})
        OnUpdate(id, [this](CmdUI& cmdUI) { cmdUI.Enable(m_host->GetActiveModuleWnd() != nullptr); });
    OnCommand(ID_SAVE_DESKTOP, [this] { m_host->SaveDesktop(); });
    OnCommand(ID_OPEN_DESKTOP, [this] { m_host->OpenDesktop(); });
    OnCommand(ID_SAVE_DESKTOP_Q5, [this] { m_host->SaveDesktopToQ5Format(); });
    OnCommand(ID_CLOSE_ALL_WINDOWS, [this] { OnCloseAllWindows(); });
    OnUpdate(ID_CLOSE_ALL_WINDOWS,
             [this](CmdUI& cmdUI) { EnableUnderRuleV(cmdUI, !m_host->GetActiveViewModuleWindows().empty()); });
}

void CmdTargetGeneral::OnSaveWindow(bool q5Format)
{
    ModuleWndBase* window = m_host->GetActiveModuleWnd();
    IGenericModule* module = window ? window->GetModule() : nullptr;
    if (module == nullptr || !module->CanSaveWindowToFile())
        return;
    QString path;
    bool secondFilter = false;
    if (!m_host->ShowSaveWindowFileDialog(*module, path, secondFilter))
        return;
    if (q5Format)
        module->SaveWindowToQ5Format(window, path, 1, 0);
    else
        module->SaveWindowToFile(window, path, 1, secondFilter);
    m_host->ApplyEmptyRibbonContext();
}

void CmdTargetGeneral::OnCloseAllWindows()
{
    if (!m_host->AskYesNo(kCloseAllQuestion))
        return;
    // Closing a window may take others with it: each is held by a guarded pointer first.
    std::vector<QPointer<ModuleWndBase>> windows;
    for (ModuleWndBase* window : m_host->GetActiveViewModuleWindows())
        windows.emplace_back(window);
    for (const QPointer<ModuleWndBase>& window : windows)
        if (window && window->CanBeCloseOnCommand())
            window->close();
}

// New module windows

void CmdTargetGeneral::AddModuleCommands()
{
    OnCommand(ID_NEW_CHART, [this] { OnNewChart(); });
    OnCommand(ID_NEW_TABLE, [this] { OnNewTable(); });
    OnCommand(ID_NEW_DETAILS, [this] {
        if (DetailsCons* details = m_host->GetDetailsConsumer())
            details->ShowDetailsDlg(ActiveView(), nullptr, 0);
    });
    OnCommand(ID_NEW_OFFERS, [this] {
        if (OffersConsumer* offers = m_host->GetOffersConsumer())
            offers->ShowNewOffersDlg(ActiveView(), nullptr, 0);
    });
    OnCommand(ID_NEW_TRANSLIST, [this] {
        if (TransListCons* transList = m_host->GetTransListConsumer())
            transList->ShowNewTransList(ActiveView(), nullptr, 0);
    });
    OnCommand(ID_NEW_TRANSACTIONS_MONITOR, [this] {
        if (TransactionsMonitorConsumer* monitor = m_host->GetTransactionsMonitorConsumer())
            monitor->ShowNewTransactionsMonitorWindow(ActiveView(), 0);
    });
    OnCommand(ID_MULTI_DATA, [this] {
        if (MultiDataConsumer* multiData = m_host->GetMultiDataConsumer())
            multiData->ShowNewMultiDataWindow(ActiveView());
    });
    OnCommand(ID_FILES_GENERATOR, [this] {
        if (AppFilesGeneratorConsumer* generator = m_host->GetFilesGeneratorConsumer())
            generator->ShowFilesGeneratorDlg(ActiveView(), nullptr, 0);
    });
    OnCommand(ID_ORDERS_SHEET, [this] { m_host->ShowOrdersSheetWindow(ActiveView()); });
    OnCommand(ID_SESSION_STATISTICS, [this] {
        if (ISessionStatisticsModule* statistics = m_host->GetSessionStatistics())
            statistics->ToggleWindow();
    });
    OnCommand(ID_ALERTS_MANAGER, [this] { m_host->ToggleAlertsWindow(); });
    OnCommand(ID_NEW_ALERT, [this] { m_host->NewAlert(); });
    OnCommand(ID_NEW_LOCAL_ALERT, [this] { m_host->NewAlert(); });

    for (const std::uint32_t id : {ID_NEW_CHART, ID_NEW_TABLE, ID_NEW_DETAILS, ID_NEW_OFFERS, ID_NEW_TRANSLIST,
                                   ID_NEW_TRANSACTIONS_MONITOR})
        OnUpdateRuleV(id);
    OnUpdate(ID_MULTI_DATA, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    OnUpdate(ID_FILES_GENERATOR, [this](CmdUI& cmdUI) { OnUpdateFilesGenerator(cmdUI); });
    OnUpdate(ID_ORDERS_SHEET, [this](CmdUI& cmdUI) {
        if (!RuleV())
            cmdUI.Enable(false);
        else if (m_processor)
            m_processor->UpdateOrdersSheetCommand(cmdUI);
    });
    OnUpdate(ID_SESSION_STATISTICS, [this](CmdUI& cmdUI) {
        const ISessionStatisticsModule* statistics = m_host->GetSessionStatistics();
        EnableUnderRuleV(cmdUI, statistics != nullptr);
        cmdUI.SetCheck(statistics && statistics->IsWindowVisible() ? 1 : 0);
    });
    OnUpdate(ID_ALERTS_MANAGER, [this](CmdUI& cmdUI) {
        EnableUnderRuleV(cmdUI, m_host->HasAlertsWindow());
        cmdUI.SetCheck(m_host->HasAlertsWindow() && m_host->IsAlertsWindowVisible() ? 1 : 0);
    });
    for (const std::uint32_t id : {ID_NEW_ALERT, ID_NEW_LOCAL_ALERT})
        OnUpdate(id, [this](CmdUI& cmdUI) { EnableUnderRuleV(cmdUI, m_host->HasAlertsWindow()); });
}

void CmdTargetGeneral::OnNewChart()
{
    ChooseAssetChartParams* chooser = m_host->GetChooseAssetChartParams();
    ChartConsumer* charts = m_host->GetChartConsumer();
    if (chooser == nullptr || charts == nullptr)
        return;
    std::shared_ptr<Asset> asset;
    std::shared_ptr<DataRequestParams> request;
    std::shared_ptr<ShowedRange> range;
    int chartType = 0;
    int timeAxisType = 0;
    if (chooser->ChooseAssetAndChartParams(asset, request, range, chartType, timeAxisType) && asset)
        charts->OpenNewChart(ActiveView(), *asset, request, range, chartType, timeAxisType);
}

void CmdTargetGeneral::OnNewTable()
{
    if (TableConsumer* tables = m_host->GetTableConsumer())
        tables->ShowNewTable(ActiveView());
    m_host->ApplyEmptyRibbonContext();
    m_host->ReselectRibbonTab();
}

void CmdTargetGeneral::OnUpdateFilesGenerator(CmdUI& cmdUI) const
{
    if (!RuleV())
    {
        cmdUI.Enable(false);
        return;
    }
    const AppFilesGeneratorConsumer* generator = m_host->GetFilesGeneratorConsumer();
    cmdUI.Enable(generator == nullptr || !generator->IsWndOpened());
}

// Module windows from files

void CmdTargetGeneral::AddOpenFileCommands()
{
    using ModuleOf = std::function<IGenericModule*(const IGeneralCommandsHost&)>;
    const std::pair<std::uint32_t, ModuleOf> commands[] = {
        {ID_OPEN_CHART, [](const IGeneralCommandsHost& host) -> IGenericModule* { return host.GetChartConsumer(); }},
        {ID_OPEN_DETAILS, [](const IGeneralCommandsHost& host) -> IGenericModule* { return host.GetDetailsConsumer(); }},
        {ID_OPEN_TRANSLIST,
         [](const IGeneralCommandsHost& host) -> IGenericModule* { return host.GetTransListConsumer(); }},
        {ID_OPEN_OFFERS, [](const IGeneralCommandsHost& host) -> IGenericModule* { return host.GetOffersConsumer(); }},
        {ID_OPEN_TABLE, [](const IGeneralCommandsHost& host) -> IGenericModule* { return host.GetTableConsumer(); }},
        {ID_OPEN_ORDERS_SHEET,
         [](const IGeneralCommandsHost& host) -> IGenericModule* { return host.GetOrdersSheetManager(); }},
        {ID_OPEN_TRANSACTIONS_MONITOR,
         [](const IGeneralCommandsHost& host) -> IGenericModule* { return host.GetTransactionsMonitorConsumer(); }},
    };
    for (const auto& [id, moduleOf] : commands)
    {
        OnCommand(id, [this, id = id, moduleOf = moduleOf] {
            OnOpenWindowFile(moduleOf(*m_host));
            if (id == ID_OPEN_TABLE)
                m_host->ReselectRibbonTab();
        });
        OnUpdateRuleV(id);
    }
}

void CmdTargetGeneral::OnOpenWindowFile(IGenericModule* module)
{
    QString path;
    if (module && m_host->ShowOpenWindowFileDialog(*module, path))
        module->OpenWindowFromFile(ActiveView(), path, false);
}

// Chart tools

void CmdTargetGeneral::AddChartTools()
{
    OnCommand(ID_INSPECTOR, [this] {
        if (ChartConsumer* charts = m_host->GetChartConsumer())
        {
            if (charts->IsInspectorTurnOn())
                charts->TurnOnInspector(false, nullptr);
            else
                charts->TurnOnInspector(true, ActiveView());
        }
    });
    OnCommand(ID_INSPECTOR_CROSS, [this] {
        if (ChartConsumer* charts = m_host->GetChartConsumer())
            charts->ShowHideInspectorCross();
    });
    OnCommand(ID_RULER, [this] {
        if (ChartConsumer* charts = m_host->GetChartConsumer())
            charts->SwitchRuler(ActiveView());
    });
    OnUpdate(ID_INSPECTOR, [this](CmdUI& cmdUI) {
        OnUpdateChartTool(cmdUI, [](const ChartConsumer& charts) { return charts.IsInspectorTurnOn(); });
    });
    OnUpdate(ID_INSPECTOR_CROSS, [this](CmdUI& cmdUI) {
        OnUpdateChartTool(cmdUI, [](const ChartConsumer& charts) { return charts.InspectorCrossVisible(); });
    });
    OnUpdate(ID_RULER, [this](CmdUI& cmdUI) {
        OnUpdateChartTool(cmdUI, [](const ChartConsumer& charts) { return charts.IsRulerOn(); });
    });
}

void CmdTargetGeneral::OnUpdateChartTool(CmdUI& cmdUI, bool (*isOn)(const ChartConsumer&)) const
{
    const ChartConsumer* charts = m_host->GetChartConsumer();
    if (!RuleV() || charts == nullptr)
    {
        cmdUI.Enable(false);
        return;
    }
    cmdUI.Enable(true);
    cmdUI.SetCheck(isOn(*charts) ? 1 : 0);
}

// Styles and the ribbon

void CmdTargetGeneral::AddStyleCommands()
{
    OnUpdate(ID_APPLICATION_STYLES, [this](CmdUI& cmdUI) { OnUpdateApplicationStyles(cmdUI); });
    OnNotify(ID_APPLICATION_STYLES, NotifyCodes::Execute, [this](NotifyInfo& info) { OnApplicationStyleSelected(info); });

    OnCommand(ID_STATISTICS_STYLE, [this] { OnStatisticsStyle(); });
    OnUpdate(ID_STATISTICS_STYLE, [this](CmdUI& cmdUI) { OnUpdateStatisticsStyle(cmdUI); });
    OnUpdate(ID_STATISTICS_STYLES_GALLERY, [this](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        auto* gallery = qobject_cast<GalleryControl*>(cmdUI.Control());
        if (const ObjectWithStyle* style = m_host->GetSessionStatisticsStyle(); style && gallery)
            gallery->SetCheckedItem(static_cast<std::uint32_t>(style->StyleId(false)));
    });
    OnNotify(ID_STATISTICS_STYLES_GALLERY, NotifyCodes::GalleryPreviewChange, [this](NotifyInfo& info) {
        auto* gallery = qobject_cast<GalleryControl*>(info.control);
        const GalleryItem* item = gallery ? gallery->GetItem(gallery->GetSelectedItem()) : nullptr;
        if (ObjectWithStyle* style = m_host->GetSessionStatisticsStyle(); style && item)
            style->OnPreviewStyleChanged(static_cast<int>(item->GetID()));
    });
    OnNotify(ID_STATISTICS_STYLES_GALLERY, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
        if (ObjectWithStyle* style = m_host->GetSessionStatisticsStyle())
            style->CancelPreviewStyle();
    });
    OnNotify(ID_STATISTICS_STYLES_GALLERY, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) {
        if (ObjectWithStyle* style = m_host->GetSessionStatisticsStyle())
            style->ApplyPreviewStyle();
    });
    // The statistics have no display parameters beyond their style, panes and fonts.
    OnUpdate(ID_STATISTICS_MORE_OPTIONS, [](CmdUI& cmdUI) { cmdUI.Enable(false); });
    for (const std::uint32_t id : {ID_STATISTICS_RESTORE, ID_STATISTICS_RESTORE_ALL})
    {
        OnCommand(id, [this] {
            if (ObjectWithStyle* style = m_host->GetSessionStatisticsStyle())
            {
                style->DSRestore();
                style->ForceStyleChangedNotification();
            }
        });
        OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    }
    OnUpdate(ID_STATISTICS_VISIBLE_PANES, [this](CmdUI& cmdUI) {
        const ISessionStatisticsModule* statistics = m_host->GetSessionStatistics();
        cmdUI.Enable(statistics && statistics->IsWindowVisible());
    });

    OnCommand(ID_RIBBON_MINIMIZE, [this] { m_host->MinimizeRibbon(true); });
    OnCommand(ID_RIBBON_EXPAND, [this] { m_host->MinimizeRibbon(false); });
    OnUpdate(ID_RIBBON_MINIMIZE, [this](CmdUI& cmdUI) { OnUpdateRibbonSize(cmdUI, true); });
    OnUpdate(ID_RIBBON_EXPAND, [this](CmdUI& cmdUI) { OnUpdateRibbonSize(cmdUI, false); });
    OnUpdate(ID_SWITCH_WINDOWS, [this](CmdUI& cmdUI) {
        EnableUnderRuleV(cmdUI);
        if (RuleV())
            m_host->OnUpdateCloseAllWindows(cmdUI);
    });
    OnUpdate(ID_MOVE_WINDOW_TO, [this](CmdUI& cmdUI) {
        EnableUnderRuleV(cmdUI, m_host->GetActiveModuleWnd() != nullptr && m_host->GetScreensLimit() >= 2);
    });
}

void CmdTargetGeneral::OnUpdateApplicationStyles(CmdUI& cmdUI) const
{
    EnableUnderRuleV(cmdUI);
    if (!RuleV())
        return;
    const ApplicationStylesContainer* styles = m_host->GetApplicationStyles();
    // The gallery's items carry the style's index plus 1: id 0 checks no item.
    if (GalleryControl* gallery = m_host->FindApplicationStylesGallery())
        gallery->SetCheckedItem(styles && styles->GetCurrentStyle() ? static_cast<std::uint32_t>(styles->GetCurrentIndex()) + 1 : 0);
}

void CmdTargetGeneral::OnApplicationStyleSelected(NotifyInfo& info)
{
    const auto* gallery = qobject_cast<GalleryControl*>(info.control);
    if (ApplicationStylesContainer* styles = m_host->GetApplicationStyles(); styles && gallery && gallery->GetSelectedItem() >= 0)
        styles->SelectStyle(gallery->GetSelectedItem());
}

void CmdTargetGeneral::OnStatisticsStyle()
{
    IStyleEditModeHandler* editMode = m_host->GetStyleEditModeHandler();
    const ObjectWithStyle* style = m_host->GetSessionStatisticsStyle();
    if (editMode && style && style->Style())
        editMode->BeginEditStyle(style->Style(), kStatisticsStyleTitle.arg(kStatisticsWindowKind));
}

void CmdTargetGeneral::OnUpdateStatisticsStyle(CmdUI& cmdUI) const
{
    const ISessionStatisticsModule* statistics = m_host->GetSessionStatistics();
    const QWidget* window = statistics ? statistics->GetWindow() : nullptr;
    cmdUI.Enable(window && window->parentWidget() == ActiveView() && statistics->IsWindowActive());
}

void CmdTargetGeneral::OnUpdateRibbonSize(CmdUI& cmdUI, bool minimize) const
{
    const std::optional<bool> minimized = m_host->IsRibbonMinimized();
    const bool shown = minimized ? *minimized != minimize : !minimize;
    cmdUI.Enable(true);
    if (auto* control = qobject_cast<RibbonControl*>(cmdUI.Control()))
        control->SetVisible(shown);
}

// The program

void CmdTargetGeneral::AddProgramCommands()
{
    OnCommand(ID_OPTIONS, [this] { m_host->ShowOptions(); });
    OnCommand(ID_HELP, [this] { m_host->ShowHelp(); });
    OnCommand(ID_UPDATE_PROGRAM, [this] { m_host->CheckForUpdates(); });
    OnCommand(ID_CLOSE_APPLICATION, [this] { m_host->CloseApplication(); });
    OnCommand(ID_DISCARD, [this] { m_host->NotifyEscapeCommand(); });
    OnCommand(ID_PRINT, [this] {
        if (ModuleWndBase* window = m_host->GetActiveModuleWnd())
            m_host->Print(*window);
    });
    OnUpdate(ID_PRINT, [this](CmdUI& cmdUI) {
        ModuleWndBase* window = m_host->GetActiveModuleWnd();
        cmdUI.Enable(window && m_host->CanPrint(*window));
    });

    OnCommand(ID_FORMULA_EDITOR, [this] { OnFormulaEditor(); });
    OnUpdate(ID_FORMULA_EDITOR, [this](CmdUI& cmdUI) {
        const KFLFasade* formulas = m_host->GetFormulaLanguage();
        cmdUI.Enable(formulas != nullptr);
        cmdUI.SetCheck(formulas && formulas->IsIDEOpended() ? 1 : 0);
    });
    OnCommand(ID_AUTOMATIC_TESTS, [this] {
        m_host->ToggleAutomaticTests();
        m_host->ApplyEmptyRibbonContext();
    });
    OnUpdate(ID_AUTOMATIC_TESTS, [this](CmdUI& cmdUI) {
        cmdUI.Enable(m_host->HasAutomaticTests());
        cmdUI.SetCheck(m_host->HasAutomaticTests() && m_host->IsAutomaticTestsVisible() ? 1 : 0);
    });
    OnCommand(ID_TESTER, [this] {
        if (KFLFasade* formulas = m_host->GetFormulaLanguage())
            formulas->OpenStrategyTesterIDE(ActiveView());
    });

    OnCommand(ID_PAP, [] {});
    OnUpdateRuleV(ID_PAP);
    for (const std::uint32_t id : {ID_SYNCHRONIZE_DESKTOP, ID_RESTORE_DESKTOP, ID_CLOUD_ALERT})
    {
        // The cloud's desktop and alert commands are not offered in this edition.
        OnCommand(id, [] {});
        OnUpdate(id, [this](CmdUI& cmdUI) {
            if (RuleV())
                m_host->MakeCloudManager();
            cmdUI.Enable(false);
        });
    }
    OnCommand(ID_RUN_EXTERNAL_PROGRAM, [this] {
        if (m_processor)
            m_processor->RunExternalProgram();
    });
    OnUpdate(ID_RUN_EXTERNAL_PROGRAM, [this](CmdUI& cmdUI) {
        if (m_processor)
            m_processor->UpdateRunExternalProgram(cmdUI);
        else
            cmdUI.Enable(false);
    });
}

void CmdTargetGeneral::OnFormulaEditor()
{
    if (KFLFasade* formulas = m_host->GetFormulaLanguage())
        formulas->ToggleIDE(ActiveView());
    m_host->ApplyEmptyRibbonContext();
}
