// The application mediator's operations on the main frame, its panels and module windows, and
// its forwarders to the chart, table and files-generator libraries. Those that other threads
// may call act on the main thread only and post to the frame elsewhere.

#include "core/mediator/AppMediator.h"

#include "core/engine/BLProvidersManager.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/ChooseAssetChartParams.h"
#include "core/mediator/ChooseManyAssetDlg.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/ICloudModule.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/PrintDialogLibrary.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "platform/modules/Asset.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/toolkit/ToolkitColors.h"
#include "platform/ui/RegisteredMessages.h"

#include <QGuiApplication>
#include <QWidget>

namespace
{
QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}

void WriteWindowsWarning(const char* where, int line, const QString& text)
{
    Log::WriteWarning(text, ProductName(), QString::fromLatin1(where), line);
}
}

IMainFrame* AppMediator::FrameOnMainThread() const
{
    return IsMainThread() ? m_mainFrame : nullptr;
}

// The main frame

void AppMediator::RequestFrameRepaint()
{
    if (m_frameHandle.load() == WndHandle::None)
        return;
    if (IMainFrame* frame = FrameOnMainThread())
        frame->RepaintStatusBar();
    else if (!IsMainThread())
        PostMessageToPulpitFrame(RegisteredMessages::Register(kRefreshNotifyButtonsMessageName), 0, 0);
}

ModuleWndBase* AppMediator::GetActiveModuleWnd()
{
    IMainFrame* frame = FrameOnMainThread();
    return frame ? frame->GetActiveModuleWnd() : nullptr;
}

void AppMediator::OnModuleWndActivate(ModuleWndBase* window, bool activated, bool preserveTabContext)
{
    IMainFrame* frame = FrameOnMainThread();
    if (!frame)
        return;
    frame->OnModuleWndActivate(activated, window, preserveTabContext);
    // The window the frame took as active names the instrument that new windows and the
    // instrument commands open on.
    if (activated && window && frame->GetActiveModuleWnd() == window)
        if (const Asset instrument = window->GetWindowInstrument(); !instrument.IsEmpty())
            SetActiveAsset(std::make_shared<Asset>(instrument));
}

void AppMediator::UpdateContextCaption()
{
    if (IMainFrame* frame = FrameOnMainThread())
        frame->UpdateContextCaption();
}

void AppMediator::UpdateRibbonContext(bool applyNow, const ::UpdateRibbonContext& context)
{
    if (!IsMainFrameReady())
        return;
    if (IMainFrame* frame = FrameOnMainThread(); frame && applyNow)
    {
        frame->UpdateRibbonContext(context);
        return;
    }
    // The context stays with the caller: the frame completes an empty one from its active window.
    PostMessageToPulpitFrame(RegisteredMessages::Register(kUpdateRibbonMessageName), 0, 0);
}

bool AppMediator::IsMainFrameReady()
{
    return m_frameHandle.load() != WndHandle::None && m_frameReady.load();
}

ColorRef AppMediator::GetXtremeColor(int index)
{
    if (IMainFrame* frame = FrameOnMainThread())
        return frame->GetXtremeColor(index);
    return ColorRef::FromQColor(ToolkitColors::Get(index)).value_or(ColorRef());
}

void AppMediator::ShowStatusBarPane(std::uint32_t key, std::intptr_t value)
{
    if (key == 0 || m_frameHandle.load() == WndHandle::None)
        return;
    if (IMainFrame* frame = FrameOnMainThread())
        frame->ShowStatusBarPane(key, value != 0);
    else if (!IsMainThread())
        PostMessageToPulpitFrame(WM_APP_STATUS_BAR_PANE, static_cast<WParam>(key), value);
}

QWidget* AppMediator::FindPanelViewByName(const QString& name)
{
    IMainFrame* frame = FrameOnMainThread();
    return frame ? frame->FindPanelViewByName(name) : nullptr;
}

// Panel views

bool AppMediator::IsCurrentPanelView(const QWidget* window)
{
    return window == GetCurrentPanelView();
}

QWidget* AppMediator::GetCurrentPanelView()
{
    return m_application ? m_application->GetCurrentPanelView() : nullptr;
}

QWidget* AppMediator::GetActivePanelView()
{
    return m_application ? m_application->GetActivePanelView() : nullptr;
}

void AppMediator::CollectPanelWindows(std::vector<QString>& names)
{
    names.clear();
    IMainFrame* frame = FrameOnMainThread();
    if (!frame || !frame->GetActiveModuleWnd() || frame->GetScreensLimit() < 2)
        return;
    std::vector<ModuleWndBase::NamedObject> objects;
    frame->CollectPanelWindowNames(objects);
    for (const ModuleWndBase::NamedObject& object : objects)
        names.push_back(object.name);
}

void AppMediator::ActivateNamedWindowObject(const QString& name)
{
    IMainFrame* frame = FrameOnMainThread();
    if (!frame)
        return;
    std::vector<ModuleWndBase::NamedObject> objects;
    frame->CollectPanelWindowNames(objects);
    for (const ModuleWndBase::NamedObject& object : objects)
    {
        if (object.name != name)
            continue;
        if (ModuleWndBase* active = frame->GetActiveModuleWnd())
            active->ActivateNamedObject(object.object);
    }
}

// Windows

void AppMediator::SetAppIcon(QWidget* window)
{
    if (window)
        window->setWindowIcon(QGuiApplication::windowIcon());
}

void AppMediator::BringAlertDefinitionDlgToTop()
{
    QWidget* dialog = m_alertModule ? m_alertModule->GetShownAlertDefinitionDlg() : nullptr;
    if (!dialog)
        return;
    dialog->raise();
    dialog->activateWindow();
}

void AppMediator::UpdateStyleEditedWindowLayout(QWidget* window)
{
    IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    if (handler && handler->IsInEditMode() && window && window == handler->GetEditedWindow())
        handler->UpdateEditedWindowLayout();
}

std::uint32_t AppMediator::GetStyleEditModeMessageId()
{
    return RegisteredMessages::Register(IStyleEditModeHandler::kBeforeEnteringEditModeMessage);
}

void AppMediator::ShowTableStylePreview(const std::shared_ptr<StyleBase>& style)
{
    ShowStylePreview(style, QStringLiteral("tabeli"));
}

void AppMediator::ShowFormationStylePreview(const std::shared_ptr<StyleBase>& style)
{
    ShowStylePreview(style, QStringLiteral("formacji"));
}

void AppMediator::ShowChartWindowStylePreview(const std::shared_ptr<StyleBase>& style)
{
    ShowStylePreview(style, QStringLiteral("okna wykresu"));
}

void AppMediator::ShowStylePreview(const std::shared_ptr<StyleBase>& style, const QString& kind)
{
    IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    if (!handler || !style)
    {
        WriteWindowsWarning("AppMediator::ShowStylePreview", __LINE__,
                            QStringLiteral("Nie rozpoczęto edycji stylu %1: program nie edytuje stylów.").arg(kind));
        return;
    }
    handler->BeginEditStyle(style, QStringLiteral("Podgląd i edycja stylu %1").arg(kind));
}

void AppMediator::ShowPrintDialog(QWidget* window, const std::shared_ptr<IPrintSource>& source)
{
    IMainFrame* frame = FrameOnMainThread();
    if (!frame || !source)
    {
        WriteWindowsWarning("AppMediator::ShowPrintDialog", __LINE__,
                            QStringLiteral("Nie pokazano okna drukowania: brak okna głównego lub tego, co drukować."));
        return;
    }
    if (m_printDialog)
    {
        m_printDialog->raise();
        return;
    }
    QString reason;
    PrintDialogBase* dialog = PrintDialogLibrary::Create(
        source, window, [this](QWidget* printed) { OnPrintDialogClosed(printed); }, reason);
    if (!dialog)
    {
        WriteWindowsWarning("AppMediator::ShowPrintDialog", __LINE__,
                            QStringLiteral("Nie pokazano okna drukowania: nie można załadować jego biblioteki (%1).").arg(reason));
        return;
    }
    m_printDialog = dialog;
    frame->EnterPrintMode(dialog->MinimalSize());
    dialog->CreatePrintDialog(GetCurrentPanelView());
}

void AppMediator::OnPrintDialogClosed(QWidget* window)
{
    m_printDialog = nullptr;
    if (m_mainFrame)
        m_mainFrame->LeavePrintMode();
    if (auto* moduleWindow = qobject_cast<ModuleWndBase*>(window))
        moduleWindow->ForceActivate();
}

// Instrument commands

bool AppMediator::RunAssetCommand(std::uint32_t commandId)
{
    const std::shared_ptr<Asset> asset = GetActiveAsset();
    QWidget* view = GetActivePanelView();
    const ConsumerManager& consumers = *m_consumerManager;
    switch (commandId)
    {
    case kAssetCommandDetails:
        if (DetailsCons* details = consumers.GetDetailsConsumer())
            details->ShowDetailsDlg(view, nullptr, 0);
        return true;
    case kAssetCommandOffers:
        if (OffersConsumer* offers = consumers.GetOffersConsumer())
            offers->ShowNewOffersDlg(view, nullptr, 0);
        return true;
    case kAssetCommandTransList:
        if (TransListCons* transList = consumers.GetTransListConsumer())
            transList->ShowNewTransList(view, nullptr, 0);
        return true;
    case kAssetCommandOrdersSheet:
        // Callers count on true here even when no instrument is active and nothing opens.
        if (asset && m_ordersSheetManager)
            m_ordersSheetManager->ShowOrdersSheetForAsset(*asset, view);
        return true;
    case kAssetCommandTableAssets:
        ShowManyAssetsChoice(view);
        return true;
    default:
        return false;
    }
}

void AppMediator::ShowManyAssetsChoice(QWidget* parent)
{
    TableConsumer* tables = m_consumerManager->GetTableConsumer();
    std::set<Asset> assets;
    std::set<AssetsGroupId> groups;
    if (!tables || !tables->GetAllAssetsAndAssetsGroupId(assets, groups))
        return;
    const bool chosen = m_setup.chooseManyAssets
                            ? m_setup.chooseManyAssets(parent, assets, groups)
                            : ChooseManyAssetDlg::Choose(m_providersManager->GetProviders(), parent, assets, groups);
    if (chosen)
        tables->AddRemoveAssets(assets, groups);
}

bool AppMediator::ChooseAssetAndChartParams(Asset& asset)
{
    if (!m_chooseAssetChartParams)
    {
        WriteWindowsWarning("AppMediator::ChooseAssetAndChartParams", __LINE__,
                            QStringLiteral("Nie można wybrać instrumentu: program nie ma okna wyboru."));
        return false;
    }
    return m_chooseAssetChartParams->ChooseAsset(asset);
}

bool AppMediator::OpenNewChart(const Asset& asset)
{
    ChartConsumer* charts = m_consumerManager->GetChartConsumer();
    if (!m_chooseAssetChartParams || !charts)
    {
        WriteWindowsWarning("AppMediator::OpenNewChart", __LINE__,
                            QStringLiteral("Nie otwarto wykresu %1: program nie ma wykresów lub wyboru ich parametrów.")
                                .arg(asset.GetShortName()));
        return false;
    }
    std::shared_ptr<DataRequestParams> request;
    std::shared_ptr<ShowedRange> range;
    int chartType = 0;
    int timeAxisType = 0;
    if (!m_chooseAssetChartParams->ChooseChartParamsForAsset(asset, request, range, chartType, timeAxisType))
        return false;
    return charts->OpenNewChart(GetActivePanelView(), asset, request, range, chartType, timeAxisType);
}

// The module libraries' forwarders

bool AppMediator::EditPtrParams(const std::shared_ptr<EditPtrCommand>& command)
{
    ChartConsumer* charts = m_consumerManager->GetChartConsumer();
    return charts && charts->EditPtrParams(command);
}

std::shared_ptr<StyleBase> AppMediator::GetTableDefaultStyle()
{
    TableConsumer* tables = m_consumerManager->GetTableConsumer();
    return tables ? tables->DefaultStyle() : nullptr;
}

bool AppMediator::RedrawFilesGeneratorAfterStyleChange()
{
    AppFilesGeneratorConsumer* generator = m_consumerManager->GetFilesGeneratorConsumer();
    return generator && generator->RedrawWindowAfterStyleChange();
}

void AppMediator::ListAllRunningCharts(const std::function<void(QWidget* chart)>& callback)
{
    if (ChartConsumer* charts = m_consumerManager->GetChartConsumer())
        charts->ListAllRunningCharts(callback);
}

std::shared_ptr<KFLInvestStrategyDataProvidersIterator> AppMediator::CreateKFLInvestStrategyDataProvidersIteartor(const QString& name)
{
    ChartConsumer* charts = m_consumerManager->GetChartConsumer();
    return charts ? charts->CreateKFLInvestStrategyDataProvidersIteartor(name) : nullptr;
}

bool AppMediator::CheckUnserializationRequestChange(int value)
{
    ChartConsumer* charts = m_consumerManager->GetChartConsumer();
    return charts && charts->CheckUnserializationRequestChange(value);
}
