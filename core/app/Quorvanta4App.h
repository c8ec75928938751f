#pragma once
// The application object: starts the program as the one instance of the user's session (a
// second start hands the file it was given to the running one and ends), opens the log files,
// makes the application mediator with the edition factory, loads the styles, makes and shows
// the main frame, and at the end saves the styles and releases everything in order. It answers
// the theme export and the saving of the additional log buffer, keeps the open and save dialogs
// of window and desktop files, and the two panel views the mediator asks for.
//
// Made in main() after the QApplication, on the main thread; InitInstance before the event
// loop, ExitInstance after it.

#include "core/app/AppFileDialogs.h"
#include "core/app/AppRunningDetector.h"
#include "core/app/Quorvanta4AppSetup.h"
#include "core/mediator/IApplicationObject.h"
#include "platform/base/AppVersionNumber.h"
#include "platform/ui/CmdTarget.h"

#include <QByteArray>
#include <QIcon>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>

class AboutDlg;
class AppMediator;
class CrashHandlerBase;
class HandOverChannel;
class IMainFrame;
class IUpdatesHandler;

class Quorvanta4App : public CmdTarget, public IApplicationObject
{
public:
    static constexpr int kStartLogCode = 99;
    // Beside the executable.
    static inline const QString kAppIconFile = QStringLiteral("Style/AppIcon.png");
    static constexpr std::uint32_t kMainIconId = 147;

    // arguments: the command line without the program.
    Quorvanta4App(Quorvanta4AppSetup setup, QStringList arguments);
    ~Quorvanta4App() override;
    Quorvanta4App(const Quorvanta4App&) = delete;
    Quorvanta4App& operator=(const Quorvanta4App&) = delete;

    // Prepares everything the main loop needs; false ends the program before the loop.
    bool InitInstance();
    // After the loop, and after a false InitInstance; the program's exit code.
    int ExitInstance();

    // IApplicationObject
    QWidget* GetActivePanelView() const override { return m_activePanelView; }
    QWidget* GetCurrentPanelView() const override { return m_currentPanelView; }
    // The panel views tell which of them the user activated last and which panel is current.
    void SetActivePanelView(QWidget* view) override { m_activePanelView = view; }
    void SetCurrentPanelView(QWidget* view) override { m_currentPanelView = view; }
    CmdTarget& GetAppCmdTarget() override { return *this; }
    bool IsExtendedMode() const override { return m_extendedMode; }
    // Makes the crash reporter anew with the user and code its reports carry.
    void SetupCrashReporting(const QString& user, const QString& code) override;
    // The main frame while its window exists; null otherwise.
    IMainFrame* GetPulpitFrame() const;
    bool IsStarted() const { return m_started; }
    AppFileDialogs& GetFileDialogs() { return m_fileDialogs; }
    QIcon GetAppIcon() const { return m_appIcon; }

    // The hand-over message of the install: "RunAssocFile_" and the executable's path with
    // every '\\', '/', '.' and ':' made '_'.
    static QString BuildRunAssocFileMessageName(const QString& executablePath);
    // The second start: hands its one argument, as an absolute path, to the running instance;
    // false when there is no single argument or the running instance did not open it.
    bool SendFileToRunningInstance() const;
    // The running instance: opens a handed-over path, as a desktop first, then as a module's
    // window file; false for a message of another install, a bad path, or a file not opened.
    bool HandleRunAssocFileCopyData(std::uint32_t messageId, const QByteArray& pathBytes);
    // True while a handed-over file is being opened.
    bool IsHandOverInProgress() const override;

    // The display styles at start and at the end; anew as ApplicationStylesIO says.
    void LoadApplicationStyles();
    bool SaveApplicationStyles(bool anew) override;

    void OnExportTheme();
    void OnSaveAdditionalLogBuffer();
    // Made on first use and kept, so the box shows the same window every time.
    void OnAppAbout();

private:
    // The start's steps after the single-instance check; false stops the start.
    bool StartUp();
    void LoadAppIcon();
    void StopPluginsAfterFailedStart();
    // Ends the main frame; after a full start its closing runs when its window is still open.
    void DestroyMainFrame();
    void ExitCleanup();

    QPointer<QWidget> m_activePanelView;
    QPointer<QWidget> m_currentPanelView;
    std::shared_ptr<IUpdatesHandler> m_updateHandler;
    std::shared_ptr<CrashHandlerBase> m_crashReportHandler;
    QPointer<AboutDlg> m_aboutDlg;
    const AppVersionNumber m_version;
    AppRunningDetector m_runningDetector;
    AppMediator* m_mediator = nullptr;
    const std::shared_ptr<IApplicationStyles> m_styles;
    std::unique_ptr<IMainFrame> m_mainFrame;
    std::unique_ptr<HandOverChannel> m_handOver;
    AppFileDialogs m_fileDialogs;
    const QStringList m_arguments;
    QIcon m_appIcon;
    bool m_extendedMode = false;
    bool m_pluginsLoaded = false;
    bool m_started = false;
    bool m_cleanedUp = false;
};
