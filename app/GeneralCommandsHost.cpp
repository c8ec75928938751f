#include "app/GeneralCommandsHost.h"

#include "app/AlertModuleEx.h"
#include "app/ApplicationStylesQ4Classic.h"
#include "app/CmdTargetGeneralProcessorQ4Classic.h"
#include "cloud/engine/CloudManager.h"
#include "core/app/AppFileDialogs.h"
#include "core/engine/ConsumerManager.h"
#include "core/help/HelpBase.h"
#include "core/help/HelpQ4Classic.h"
#include "core/help/IUpdatesHandler.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/Quorvanta4FactoryBase.h"
#include "core/settingsui/GeneralSettingsDlg.h"
#include "modulelibs/multidata/MultiDataModule.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/IPrintSource.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/UpdateRibbonContext.h"
#include "styles/engine/ObjectWithStyle.h"
#include "workspace/engine/DesktopFormat.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"

#include <QDir>
#include <QWidget>

namespace
{
constexpr std::uint32_t kApplicationStylesId = 33612;

QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}

AppMediator* Mediator()
{
    return AppMediator::Instance();
}

PulpitFrame* Frame()
{
    AppMediator* mediator = Mediator();
    return mediator ? dynamic_cast<PulpitFrame*>(mediator->GetMainFrame()) : nullptr;
}

QuorvantaRibbonBar* Ribbon()
{
    const PulpitFrame* frame = Frame();
    return frame ? frame->GetRibbonBar() : nullptr;
}

ConsumerManager* Consumers()
{
    AppMediator* mediator = Mediator();
    return mediator ? mediator->GetConsumerManager() : nullptr;
}

void WriteUnavailable(const QString& text, const char* where, int line)
{
    Log::WriteWarning(text, ProductName(), QString::fromLatin1(where), line);
}
}

std::shared_ptr<CmdTargetGeneralProcessor> GeneralCommandsHost::CreateProcessor()
{
    AppMediator* mediator = Mediator();
    if (mediator && mediator->GetFactory())
        return mediator->GetFactory()->CreateCmdTargetGeneralProcessor();
    return std::make_shared<CmdTargetGeneralProcessorQ4Classic>([] {
        const AppMediator* current = AppMediator::Instance();
        const IInProcessOrdersSheet* sheets = current ? current->GetOrdersSheetManager() : nullptr;
        return sheets && sheets->IsOrdersSheetWindowVisible();
    });
}

// The main frame

bool GeneralCommandsHost::IsVersionInfoPanelActive() const
{
    const PulpitFrame* frame = Frame();
    return frame && frame->IsVersionInfoPanelActive();
}

ModuleWndBase* GeneralCommandsHost::GetActiveModuleWnd() const
{
    PulpitFrame* frame = Frame();
    return frame ? frame->GetActiveModuleWnd() : nullptr;
}

QWidget* GeneralCommandsHost::GetActivePanelView() const
{
    AppMediator* mediator = Mediator();
    return mediator ? mediator->GetActivePanelView() : nullptr;
}

int GeneralCommandsHost::GetScreensLimit() const
{
    const PulpitFrame* frame = Frame();
    return frame ? frame->GetScreensLimit() : 1;
}

std::vector<ModuleWndBase*> GeneralCommandsHost::GetActiveViewModuleWindows() const
{
    const auto* view = qobject_cast<PanelView*>(GetActivePanelView());
    return view ? view->GetModuleWindows() : std::vector<ModuleWndBase*>();
}

void GeneralCommandsHost::OnUpdateCloseAllWindows(CmdUI& cmdUI)
{
    if (PulpitFrame* frame = Frame())
        frame->OnUpdateCloseAllWindows(cmdUI);
}

void GeneralCommandsHost::ApplyEmptyRibbonContext()
{
    if (PulpitFrame* frame = Frame())
        frame->UpdateRibbonContext(UpdateRibbonContext());
}

void GeneralCommandsHost::ReselectRibbonTab()
{
    if (QuorvantaRibbonBar* ribbon = Ribbon())
        ribbon->SetCurrentTab(ribbon->GetSelectedTab());
}

std::optional<bool> GeneralCommandsHost::IsRibbonMinimized() const
{
    const QuorvantaRibbonBar* ribbon = Ribbon();
    return ribbon ? std::optional<bool>(ribbon->IsRibbonMinimized()) : std::nullopt;
}

void GeneralCommandsHost::MinimizeRibbon(bool minimize)
{
    if (QuorvantaRibbonBar* ribbon = Ribbon())
        ribbon->SetRibbonMinimized(minimize);
}

GalleryControl* GeneralCommandsHost::FindApplicationStylesGallery() const
{
    const PulpitFrame* frame = Frame();
    const std::shared_ptr<RibbonsFactory> factory = frame ? frame->GetRibbonsFactory() : nullptr;
    RibbonControl* control = factory ? factory->FindControl(kApplicationStylesId) : nullptr;
    if (auto* gallery = qobject_cast<GalleryControl*>(control))
        return gallery;
    // The main tab shows the gallery in the popup of a button of the same command.
    RibbonPopupBar* popup = control ? control->GetCommandBar() : nullptr;
    return popup ? qobject_cast<GalleryControl*>(popup->FindControl(kApplicationStylesId)) : nullptr;
}

// The modules

ChartConsumer* GeneralCommandsHost::GetChartConsumer() const
{
    const ConsumerManager* consumers = Consumers();
    return consumers ? consumers->GetChartConsumer() : nullptr;
}

TableConsumer* GeneralCommandsHost::GetTableConsumer() const
{
    const ConsumerManager* consumers = Consumers();
    return consumers ? consumers->GetTableConsumer() : nullptr;
}

DetailsCons* GeneralCommandsHost::GetDetailsConsumer() const
{
    const ConsumerManager* consumers = Consumers();
    return consumers ? consumers->GetDetailsConsumer() : nullptr;
}

OffersConsumer* GeneralCommandsHost::GetOffersConsumer() const
{
    const ConsumerManager* consumers = Consumers();
    return consumers ? consumers->GetOffersConsumer() : nullptr;
}

TransListCons* GeneralCommandsHost::GetTransListConsumer() const
{
    const ConsumerManager* consumers = Consumers();
    return consumers ? consumers->GetTransListConsumer() : nullptr;
}

TransactionsMonitorConsumer* GeneralCommandsHost::GetTransactionsMonitorConsumer() const
{
    const ConsumerManager* consumers = Consumers();
    return consumers ? consumers->GetTransactionsMonitorConsumer() : nullptr;
}

MultiDataConsumer* GeneralCommandsHost::GetMultiDataConsumer() const
{
    return ::GetMultiDataConsumer();
}

AppFilesGeneratorConsumer* GeneralCommandsHost::GetFilesGeneratorConsumer() const
{
    const ConsumerManager* consumers = Consumers();
    return consumers ? consumers->GetFilesGeneratorConsumer() : nullptr;
}

ChooseAssetChartParams* GeneralCommandsHost::GetChooseAssetChartParams() const
{
    const AppMediator* mediator = Mediator();
    ChooseAssetChartParams* chooser = mediator ? mediator->GetChooseAssetChartParams() : nullptr;
    if (chooser == nullptr)
        WriteUnavailable(QStringLiteral("Nie otwarto wykresu: program nie ma jeszcze wyboru instrumentu i parametrów wykresu."),
                         "CmdTargetGeneral::OnNewChart", __LINE__);
    return chooser;
}

IInProcessOrdersSheet* GeneralCommandsHost::GetOrdersSheetManager() const
{
    const AppMediator* mediator = Mediator();
    return mediator ? mediator->GetOrdersSheetManager() : nullptr;
}

bool GeneralCommandsHost::ShowOrdersSheetWindow(QWidget* view)
{
    IInProcessOrdersSheet* sheets = GetOrdersSheetManager();
    return sheets && sheets->ShowOrdersSheetWindow(view);
}

ISessionStatisticsModule* GeneralCommandsHost::GetSessionStatistics() const
{
    AppMediator* mediator = Mediator();
    return mediator ? mediator->GetSessionStatisticsInterface() : nullptr;
}

ObjectWithStyle* GeneralCommandsHost::GetSessionStatisticsStyle() const
{
    // The module, not its window, owns the statistics' style.
    return dynamic_cast<ObjectWithStyle*>(GetSessionStatistics());
}

AlertModule* GeneralCommandsHost::GetAlertModule() const
{
    const AppMediator* mediator = Mediator();
    auto* alerts = mediator ? dynamic_cast<AlertModuleEx*>(mediator->GetAlertModule()) : nullptr;
    return alerts ? &alerts->Module() : nullptr;
}

bool GeneralCommandsHost::HasAlertsWindow() const
{
    return GetAlertModule() != nullptr;
}

bool GeneralCommandsHost::IsAlertsWindowVisible() const
{
    const AlertModule* alerts = GetAlertModule();
    return alerts && alerts->GetVisibleAlertsInfoDlg() != nullptr;
}

void GeneralCommandsHost::ToggleAlertsWindow()
{
    AlertModule* alerts = GetAlertModule();
    if (!alerts)
        return;
    const bool show = alerts->GetVisibleAlertsInfoDlg() == nullptr;
    if (alerts->ShowAlertsWindow(show, GetActivePanelView()) != show)
        WriteUnavailable(QStringLiteral("Nie pokazano okna alertów."), "CmdTargetGeneral::OnAlertsManager", __LINE__);
}

void GeneralCommandsHost::NewAlert()
{
    AlertModule* alerts = GetAlertModule();
    if (!alerts || !alerts->NewAlert())
        WriteUnavailable(QStringLiteral("Nie utworzono alertu: moduł alertów nie ma okna definicji alertu."),
                         "CmdTargetGeneral::OnNewAlert", __LINE__);
}

KFLFasade* GeneralCommandsHost::GetFormulaLanguage() const
{
    const AppMediator* mediator = Mediator();
    return mediator ? mediator->GetFormulaLanguage() : nullptr;
}

void GeneralCommandsHost::ToggleAutomaticTests()
{
    WriteUnavailable(QStringLiteral("Biblioteka wykresów nie ma testów automatycznych."),
                     "CmdTargetGeneral::OnAutomaticTests", __LINE__);
}

IStyleEditModeHandler* GeneralCommandsHost::GetStyleEditModeHandler() const
{
    const AppMediator* mediator = Mediator();
    return mediator ? mediator->GetStyleEditModeHandler() : nullptr;
}

ApplicationStylesContainer* GeneralCommandsHost::GetApplicationStyles() const
{
    ApplicationStylesQ4Classic* styles = ApplicationStylesQ4Classic::Instance();
    return styles ? &styles->GetApplicationStyles() : nullptr;
}

void GeneralCommandsHost::MakeCloudManager()
{
    CloudManager::Instance();
}

// Dialogs

bool GeneralCommandsHost::AskYesNo(const QString& text)
{
    return DialogServices::ShowMessageBox(ProductName(), text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool GeneralCommandsHost::ShowSaveWindowFileDialog(const IGenericModule& module, QString& path, bool& secondFilter)
{
    return AppFileDialogs(ProductName())
        .ShowSaveWindowFileDialog(module.GetFileFilter(), module.GetFileExtension(), module.GetDefaultFileName(), path,
                                  secondFilter);
}

bool GeneralCommandsHost::ShowOpenWindowFileDialog(const IGenericModule& module, QString& path)
{
    return AppFileDialogs(ProductName()).ShowOpenWindowFileDialog(module.GetFileFilter(), module.GetFileExtension(), path);
}

// The program's own operations

void GeneralCommandsHost::ShowOptions()
{
    AppMediator* mediator = AppMediator::Instance();
    GeneralSettingsManager* manager = mediator ? mediator->GetGeneralSettingsManager() : nullptr;
    if (manager == nullptr)
    {
        Log::WriteWarning(QStringLiteral("Program działa bez ustawień ogólnych: okna opcji nie otwarto."),
                          QString::fromUtf8(AppPaths::kProductName), QStringLiteral("CmdTargetGeneral::OnOptions"),
                          __LINE__);
        return;
    }
    // The cloud's group must be there before the dialog lists the groups.
    CloudManager::Instance();
    GeneralSettingsDlg dialog(*manager);
    dialog.DoModal();
}

void GeneralCommandsHost::ShowHelp()
{
    AppMediator* mediator = AppMediator::Instance();
    if (const std::shared_ptr<HelpQ4Classic> help = mediator ? mediator->GetFactory()->CreateHelp() : nullptr)
        help->ShowHelp();
}

void GeneralCommandsHost::CheckForUpdates()
{
    AppMediator* mediator = AppMediator::Instance();
    if (const std::shared_ptr<IUpdatesHandler> updater = mediator ? mediator->GetFactory()->CreateUpdateHandler() : nullptr)
        updater->CheckForUpdates();
}

void GeneralCommandsHost::CloseApplication()
{
    AppMediator* mediator = AppMediator::Instance();
    if (IMainFrame* frame = mediator ? mediator->GetMainFrame() : nullptr)
        frame->GetWindow()->close();
}

void GeneralCommandsHost::NotifyEscapeCommand()
{
    AppMediator* mediator = AppMediator::Instance();
    if (ConsumerManager* consumers = mediator ? mediator->GetConsumerManager() : nullptr)
        consumers->NotifyEscapeCommand();
}

void GeneralCommandsHost::SaveDesktop()
{
    PulpitFrame* frame = Frame();
    QString path;
    bool secondFilter = false;
    if (frame && AppFileDialogs(ProductName())
                     .ShowSaveDesktopFileDialog(AppFileDialogs::kDesktopFilter, DesktopFormat::kDesktopExtension, path,
                                                secondFilter))
        frame->SaveCurrentSession(path, true);
}

void GeneralCommandsHost::OpenDesktop()
{
    PulpitFrame* frame = Frame();
    QString path;
    if (!frame || !AppFileDialogs(ProductName()).ShowOpenDesktopFileDialog(path))
        return;
    if (!DesktopFormat::IsDesktopFileName(path))
    {
        const QString text = QStringLiteral("Nie otwarto pliku \"%1\": to nie jest plik stanu pulpitu (*.q4s). Pulpitu "
                                            "wyeksportowanego do formatu wersji 5 ten program nie otwiera.")
                                 .arg(QDir::toNativeSeparators(path));
        Log::WriteWarning(text, ProductName(), QStringLiteral("CmdTargetGeneral::OnOpenDesktop"), __LINE__);
        DialogServices::ShowMessageBox(ProductName(), text, MB_OK | MB_ICONERROR);
        return;
    }
    if (frame->LoadSession(path) == 1)
        return;
    const QString text = QStringLiteral("Nie otwarto pulpitu \"%1\": plik jest uszkodzony albo nie jest plikiem pulpitu.")
                             .arg(QDir::toNativeSeparators(path));
    DialogServices::ShowMessageBox(ProductName(), text, MB_OK | MB_ICONERROR);
}

void GeneralCommandsHost::SaveDesktopToQ5Format()
{
    PulpitFrame* frame = Frame();
    AppMediator* mediator = AppMediator::Instance();
    if (!frame || !mediator)
        return;
    const QString extension = DesktopFormat::Q5DesktopExtension(mediator->GetProductKind());
    const QString filter = QStringLiteral("Pliki pulpitu wersji 5 (*%1)|*%1|Wszystkie pliki (*.*)|*.*||").arg(extension);
    QString path;
    bool secondFilter = false;
    if (AppFileDialogs(ProductName()).ShowSaveDesktopFileDialog(filter, extension, path, secondFilter))
        frame->SaveDesktopToQ5Format(path);
}


bool GeneralCommandsHost::CanPrint(ModuleWndBase& window) const
{
    return dynamic_cast<IPrintSource*>(&window) != nullptr;
}

void GeneralCommandsHost::Print(ModuleWndBase& window)
{
    auto* source = dynamic_cast<IPrintSource*>(&window);
    AppMediator* mediator = Mediator();
    if (source == nullptr || mediator == nullptr)
        return;
    // The window owns itself; the dialog only borrows it while it is open.
    mediator->ShowPrintDialog(&window, std::shared_ptr<IPrintSource>(std::shared_ptr<void>(), source));
}
