#include "app/CmdTargetGeneralProcessor.h"

#include "cloud/engine/CloudManager.h"
#include "core/app/AppFileDialogs.h"
#include "core/engine/ConsumerManager.h"
#include "core/help/HelpBase.h"
#include "core/help/HelpQ4Classic.h"
#include "core/help/IUpdatesHandler.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/Quorvanta4FactoryBase.h"
#include "core/settingsui/GeneralSettingsDlg.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "workspace/engine/DesktopFormat.h"
#include "workspace/ui/PulpitFrame.h"

#include <QDir>
#include <QWidget>

namespace
{
QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}

PulpitFrame* Frame()
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? dynamic_cast<PulpitFrame*>(mediator->GetMainFrame()) : nullptr;
}

QuorvantaRibbonBar* Ribbon()
{
    const PulpitFrame* frame = Frame();
    return frame ? frame->GetRibbonBar() : nullptr;
}
}

CmdTargetGeneralProcessor::CmdTargetGeneralProcessor()
{
    OnCommand(ID_OPTIONS, &CmdTargetGeneralProcessor::OnOptions);
    OnCommand(ID_HELP, &CmdTargetGeneralProcessor::OnHelp);
    OnCommand(ID_UPDATE_PROGRAM, &CmdTargetGeneralProcessor::OnUpdateProgram);
    OnCommand(ID_CLOSE_APPLICATION, &CmdTargetGeneralProcessor::OnCloseApplication);
    OnCommand(ID_DISCARD, &CmdTargetGeneralProcessor::OnDiscard);
    OnCommand(ID_SAVE_DESKTOP, &CmdTargetGeneralProcessor::OnSaveDesktop);
    OnCommand(ID_OPEN_DESKTOP, &CmdTargetGeneralProcessor::OnOpenDesktop);
    OnCommand(ID_SAVE_DESKTOP_Q5, &CmdTargetGeneralProcessor::OnSaveDesktopToQ5Format);
    OnCommand(ID_RIBBON_MINIMIZE, [] { MinimizeRibbon(true); });
    OnCommand(ID_RIBBON_EXPAND, [] { MinimizeRibbon(false); });
    OnUpdate(ID_RIBBON_MINIMIZE, [](CmdUI& cmdUI) { OnUpdateRibbonSize(cmdUI, true); });
    OnUpdate(ID_RIBBON_EXPAND, [](CmdUI& cmdUI) { OnUpdateRibbonSize(cmdUI, false); });
}

void CmdTargetGeneralProcessor::OnOptions()
{
    AppMediator* mediator = AppMediator::Instance();
    GeneralSettingsManager* manager = mediator ? mediator->GetGeneralSettingsManager() : nullptr;
    if (manager == nullptr)
    {
        Log::WriteWarning(QStringLiteral("Program działa bez ustawień ogólnych: okna opcji nie otwarto."),
                          QString::fromUtf8(AppPaths::kProductName), QStringLiteral("CmdTargetGeneralProcessor::OnOptions"),
                          __LINE__);
        return;
    }
    // The cloud's group must be there before the dialog lists the groups.
    CloudManager::Instance();
    GeneralSettingsDlg dialog(*manager);
    dialog.DoModal();
}

void CmdTargetGeneralProcessor::OnHelp()
{
    AppMediator* mediator = AppMediator::Instance();
    if (const std::shared_ptr<HelpQ4Classic> help = mediator ? mediator->GetFactory()->CreateHelp() : nullptr)
        help->ShowHelp();
}

void CmdTargetGeneralProcessor::OnUpdateProgram()
{
    AppMediator* mediator = AppMediator::Instance();
    if (const std::shared_ptr<IUpdatesHandler> updater = mediator ? mediator->GetFactory()->CreateUpdateHandler() : nullptr)
        updater->CheckForUpdates();
}

void CmdTargetGeneralProcessor::OnCloseApplication()
{
    AppMediator* mediator = AppMediator::Instance();
    if (IMainFrame* frame = mediator ? mediator->GetMainFrame() : nullptr)
        frame->GetWindow()->close();
}

void CmdTargetGeneralProcessor::OnDiscard()
{
    AppMediator* mediator = AppMediator::Instance();
    if (ConsumerManager* consumers = mediator ? mediator->GetConsumerManager() : nullptr)
        consumers->NotifyEscapeCommand();
}

void CmdTargetGeneralProcessor::OnSaveDesktop()
{
    PulpitFrame* frame = Frame();
    QString path;
    bool secondFilter = false;
    if (frame && AppFileDialogs(ProductName())
                     .ShowSaveDesktopFileDialog(AppFileDialogs::kDesktopFilter, DesktopFormat::kDesktopExtension, path,
                                                secondFilter))
        frame->SaveCurrentSession(path, true);
}

void CmdTargetGeneralProcessor::OnOpenDesktop()
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
        Log::WriteWarning(text, ProductName(), QStringLiteral("CmdTargetGeneralProcessor::OnOpenDesktop"), __LINE__);
        DialogServices::ShowMessageBox(ProductName(), text, MB_OK | MB_ICONERROR);
        return;
    }
    if (frame->LoadSession(path) == 1)
        return;
    const QString text = QStringLiteral("Nie otwarto pulpitu \"%1\": plik jest uszkodzony albo nie jest plikiem pulpitu.")
                             .arg(QDir::toNativeSeparators(path));
    DialogServices::ShowMessageBox(ProductName(), text, MB_OK | MB_ICONERROR);
}

void CmdTargetGeneralProcessor::OnSaveDesktopToQ5Format()
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

void CmdTargetGeneralProcessor::MinimizeRibbon(bool minimize)
{
    if (QuorvantaRibbonBar* ribbon = Ribbon())
        ribbon->SetRibbonMinimized(minimize);
}

void CmdTargetGeneralProcessor::OnUpdateRibbonSize(CmdUI& cmdUI, bool minimize)
{
    const QuorvantaRibbonBar* ribbon = Ribbon();
    const bool shown = ribbon ? ribbon->IsRibbonMinimized() != minimize : !minimize;
    cmdUI.Enable(true);
    if (auto* control = qobject_cast<RibbonControl*>(cmdUI.Control()))
        control->SetVisible(shown);
}
