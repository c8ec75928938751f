#include "core/app/Quorvanta4App.h"

#include "core/about/AboutDlg.h"
#include "core/about/AboutDlgData.h"
#include "core/app/AppCommandIds.h"
#include "core/app/ApplicationStylesIO.h"
#include "core/app/HandOverChannel.h"
#include "core/app/HandOverMessage.h"
#include "core/app/ThemeExporter.h"
#include "core/crash/CrashHandlerBase.h"
#include "core/help/IUpdatesHandler.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/QuickAddInstrumentDlg.h"
#include "core/mediator/ArgumentParser.h"
#include "core/mediator/ICloudModule.h"
#include "core/mediator/IMainFrame.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/LogBuffer.h"
#include "platform/modules/PluginBase.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/Images.h"
#include "platform/ui/MessageBoxFlags.h"
#include "platform/ui/QtPolishTranslations.h"
#include "platform/ui/RegisteredMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <clocale>
#include <utility>

namespace
{
// The hand-over message of this install and whether a handed-over file is being opened.
struct HandOverRecord
{
    std::uint32_t messageId = 0;
    bool inProgress = false;
};

HandOverRecord g_handOver;

QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}

void WriteAppInfo(const QString& text, const char* where, int line)
{
    Log::WriteInfo(text, ProductName(), QString::fromLatin1(where), line);
}

// The start stops without a word to the user; the log tells why.
bool StartStopped(const QString& reason, int line)
{
    Log::WriteError(QStringLiteral("Start programu przerwany: %1").arg(reason), ProductName(),
                    QStringLiteral("Quorvanta4App::InitInstance"), line);
    return false;
}
}

Quorvanta4App::Quorvanta4App(Quorvanta4AppSetup setup, QStringList arguments)
    : m_version(AppVersionNumber::Current())
    , m_styles(std::move(setup.styles))
    , m_fileDialogs(ProductName())
    , m_arguments(std::move(arguments))
{
    m_mediator = AppMediator::Create(std::move(setup.mediator));
    m_mediator->SetApplicationObject(this);

    const QString dataFolder = AppPaths::AppDataFolder();
    // The level files show one run; those of an instance that runs already stay its own.
    if (!m_runningDetector.IsAppAlreadyRunning())
        Log::DeleteLevelFiles(dataFolder);
    SetupCrashReporting(QString(), QString());
    m_updateHandler = m_mediator->GetFactory()->CreateUpdateHandler();
    Log::Init(QDir(dataFolder).filePath(Log::LogFileName()));
    LogBuffer::Init(QDir(dataFolder).filePath(LogBuffer::FileName()));
    Log::WriteInfo(QStringLiteral("START QUORVANTA"), ProductName(), QStringLiteral("Quorvanta4App::Quorvanta4App"), kStartLogCode);

    OnCommand(ID_EXPORT_THEME, [this] { OnExportTheme(); });
    OnCommand(ID_SAVE_ADDITIONAL_LOG_BUFFER, [this] { OnSaveAdditionalLogBuffer(); });
    OnCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
}

Quorvanta4App::~Quorvanta4App()
{
    if (m_crashReportHandler)
        m_crashReportHandler->UninstallHandler();
    m_crashReportHandler.reset();
    DestroyMainFrame();
    ExitCleanup();
}

void Quorvanta4App::SetupCrashReporting(const QString& user, const QString& code)
{
    if (m_crashReportHandler)
        m_crashReportHandler->UninstallHandler();
    m_crashReportHandler = m_mediator->GetFactory()->CreateCrashReportHandler();
    if (!m_crashReportHandler)
        return;
    m_crashReportHandler->SetUserData(user, code);
    // The handler logs why it could not be installed.
    m_crashReportHandler->InstallHandler(m_version.ToString());
}

bool Quorvanta4App::InitInstance()
{
    const QString messageName = BuildRunAssocFileMessageName(QCoreApplication::applicationFilePath());
    g_handOver.messageId = RegisteredMessages::Register(messageName);
    if (m_runningDetector.IsAppAlreadyRunning())
    {
        SendFileToRunningInstance();
        return false;
    }
    if (StartUp())
    {
        m_started = true;
        return true;
    }
    if (m_pluginsLoaded)
        StopPluginsAfterFailedStart();
    return false;
}

bool Quorvanta4App::StartUp()
{
    LoadAppIcon();
    if (m_styles)
        m_styles->EnableFontConversion(true);
    LoadApplicationStyles();
    if (QString reason; !QtPolishTranslations::Install(&reason))
        Log::WriteWarning(QStringLiteral("Okna standardowe będą po angielsku: nie wczytano polskich tekstów Qt (%1).").arg(reason),
                          ProductName(), QStringLiteral("Quorvanta4App::InitInstance"), __LINE__);
    std::setlocale(LC_COLLATE, "");

    // From here plug-ins may be loaded, and a stop ends what was loaded.
    m_pluginsLoaded = true;
    if (!m_mediator->Init())
        return false;

    const std::shared_ptr<Quorvanta4FactoryBase> factory = m_mediator->GetFactory();
    const std::shared_ptr<ArgumentParser> parser = factory->CreateArgumentParser();
    if (!parser || !parser->ParseOptions(m_arguments, m_extendedMode))
        return StartStopped(QStringLiteral("nie odczytano wiersza poleceń."), __LINE__);
    if (m_styles)
    {
        if (!m_styles->LoadApplicationThemes())
            return StartStopped(QStringLiteral("nie wczytano motywów aplikacji."), __LINE__);
        if (!m_extendedMode)
            m_styles->MakeAllRelatedStylesAsOwn();
    }
    else
        WriteAppInfo(QStringLiteral("Program działa bez stylów i motywów: okna mają wygląd domyślny."), "Quorvanta4App::InitInstance",
                     __LINE__);

    m_mainFrame.reset(factory->CreatePulpitFrame());
    if (!m_mainFrame)
        return StartStopped(QStringLiteral("nie utworzono okna głównego."), __LINE__);
    m_mediator->SetMainFrame(m_mainFrame.get());
    if (!m_mainFrame->LoadFrame())
        return StartStopped(QStringLiteral("nie utworzono okna głównego."), __LINE__);
    m_mainFrame->ShowFrame();

    // Files handed over by later starts are taken once the frame shows.
    m_handOver = std::make_unique<HandOverChannel>(BuildRunAssocFileMessageName(QCoreApplication::applicationFilePath()),
                                                   g_handOver.messageId);
    m_handOver->Listen([this](std::uint32_t messageId, const QByteArray& pathBytes) {
        return HandleRunAssocFileCopyData(messageId, pathBytes);
    });

    if (!parser->OpenCommandLineFile(m_arguments, *m_mediator))
        return StartStopped(QStringLiteral("nie otwarto pliku z wiersza poleceń."), __LINE__);
    m_mainFrame->StartSession();
    parser->OpenCommandLineWindowFile(m_arguments, *m_mediator);
    // Told once, where it does not stop the start: the log itself is on standard error now.
    if (!Log::IsOpen())
    {
        const QString logPath = QDir(AppPaths::AppDataFolder()).filePath(Log::LogFileName());
        m_mediator->ShowError(QString(), QStringLiteral("Nie można zapisywać dziennika programu w pliku %1. "
                                                        "Wpisy dziennika trafiają na standardowe wyjście błędów.")
                                             .arg(QDir::toNativeSeparators(logPath)));
    }
    if (m_updateHandler)
        m_updateHandler->UpdateHidden();
    return true;
}

void Quorvanta4App::LoadAppIcon()
{
    const QImage image(QDir(AppPaths::ExecutableFolder()).filePath(kAppIconFile));
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    m_appIcon = image.isNull() ? Images::Instance().Icon(kMainIconId) : QIcon(QPixmap::fromImage(image));
    QGuiApplication::setWindowIcon(m_appIcon);
}

void Quorvanta4App::StopPluginsAfterFailedStart()
{
    m_mediator->StopPlugins();
    m_mediator->ShutDownPlugins();
    if (ICloudModule* cloud = m_mediator->GetCloudModule())
        cloud->ReleaseHttpThread();
}

int Quorvanta4App::ExitInstance()
{
    DestroyMainFrame();
    if (m_started)
    {
        if (m_styles)
        {
            m_styles->CopyRelatedStylesToOwn();
            SaveApplicationStyles(true);
        }
        ExitCleanup();
    }
    // Also after a second start that only handed its file over.
    if (m_updateHandler)
        m_updateHandler->AskToUpdate();
    return 0;
}

void Quorvanta4App::DestroyMainFrame()
{
    m_handOver.reset();
    if (!m_mainFrame)
        return;
    // A run that ended without closing its window still closes it in order; a start that stopped
    // has ended its plug-ins already.
    if (QWidget* window = m_mainFrame->GetWindow(); m_started && window && window->isVisible())
        window->close();
    if (m_mediator && m_mediator->GetMainFrame() == m_mainFrame.get())
        m_mediator->SetMainFrame(nullptr);
    m_mainFrame.reset();
}

void Quorvanta4App::ExitCleanup()
{
    if (m_cleanedUp)
        return;
    m_cleanedUp = true;
    QuickAddInstrumentDlg::DestroyInstance();
    AppMediator::DestroyInstance();
    m_mediator = nullptr;
    PluginBase::NullifyAppMediator();
    Log::WriteInfo(QStringLiteral("STOP QUORVANTA"), ProductName(), QStringLiteral("Quorvanta4App::ExitCleanup"), kStartLogCode);
    Log::Close();
    LogBuffer::Close();
    if (m_styles)
        m_styles->Release();
}

IMainFrame* Quorvanta4App::GetPulpitFrame() const
{
    return m_mainFrame && m_mainFrame->GetWindow() ? m_mainFrame.get() : nullptr;
}

QString Quorvanta4App::BuildRunAssocFileMessageName(const QString& executablePath)
{
    QString name = executablePath;
    for (const QChar separator : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char('.'), QLatin1Char(':')})
        name.replace(separator, QLatin1Char('_'));
    return QStringLiteral("RunAssocFile_%1").arg(name);
}

bool Quorvanta4App::SendFileToRunningInstance() const
{
    if (m_arguments.size() != 1)
        return false;
    // The running instance works in a folder of its own: a relative path would name another file there.
    return HandOverChannel::Send(BuildRunAssocFileMessageName(QCoreApplication::applicationFilePath()),
                                 QFileInfo(m_arguments.front()).absoluteFilePath());
}

bool Quorvanta4App::HandleRunAssocFileCopyData(std::uint32_t messageId, const QByteArray& pathBytes)
{
    g_handOver.inProgress = true;
    bool opened = false;
    const QString path = HandOverMessage::PathFromBytes(pathBytes);
    if (messageId != 0 && messageId == g_handOver.messageId && !path.isEmpty() && m_mediator)
    {
        if (!m_activePanelView && m_mainFrame)
            m_mainFrame->ActivateFrame();
        opened = m_mediator->OpenFileByExtension(path, true) || m_mediator->OpenFileByExtension(path, false);
    }
    g_handOver.inProgress = false;
    return opened;
}

bool Quorvanta4App::IsHandOverInProgress() const
{
    return g_handOver.inProgress;
}

void Quorvanta4App::LoadApplicationStyles()
{
    if (m_styles)
        ApplicationStylesIO(*m_styles, ProductName()).LoadApplicationStyles();
}

bool Quorvanta4App::SaveApplicationStyles(bool anew)
{
    return m_styles && ApplicationStylesIO(*m_styles, ProductName()).SaveApplicationStyles(anew);
}

void Quorvanta4App::OnExportTheme()
{
    if (!m_extendedMode)
        return;
    if (!m_styles)
    {
        DialogServices::ShowMessageBox(QString(), QStringLiteral("Nie można wyeksportować motywu: program nie ma stylów."),
                                       MB_OK | MB_ICONWARNING);
        return;
    }
    ThemeExporter(*m_styles, m_mediator->GetAllModules()).Export();
}

void Quorvanta4App::OnSaveAdditionalLogBuffer()
{
    DialogServices::ShowMessageBox(QString(), QStringLiteral("Zapisanie zawartości bufora logów dodatkowych"), MB_OK);
    if (!m_mediator->SaveAdditionalLogBuffer())
        DialogServices::ShowMessageBox(
            QString(), QStringLiteral("Nie zapisano bufora logów dodatkowych w pliku \"%1\".").arg(LogBuffer::FilePath()),
            MB_OK | MB_ICONERROR);
}

void Quorvanta4App::OnAppAbout()
{
    if (!m_aboutDlg)
    {
        const std::shared_ptr<AboutDlgData> data = m_mediator->GetFactory()->GetAboutDlgData();
        if (!data)
        {
            Log::WriteWarning(QStringLiteral("Ta edycja programu nie ma okna informacji o programie."), ProductName(),
                              QStringLiteral("Quorvanta4App::OnAppAbout"), __LINE__);
            return;
        }
        QWidget* parent = m_currentPanelView.data();
        if (parent == nullptr && m_mediator->GetMainFrame() != nullptr)
            parent = m_mediator->GetMainFrame()->GetWindow();
        m_aboutDlg = new AboutDlg(data, m_version.ToString(), parent);
    }
    m_aboutDlg->ShowAbout();
}
