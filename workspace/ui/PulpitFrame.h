#pragma once
// The main window: the ribbon over the workspace and the status bar under it. It owns the
// command bars into which the ribbons factory puts the ribbon, acts on the mediator's
// application messages, shows progress and the last quote time, and at its closing ends the
// plug-ins and releases the modules in the program's order. The workspace of screens and the
// whole command routing join it as they come into the program; until then it opens no desktop
// and keeps no session, and says so in the log.

#include "core/mediator/IMainFrame.h"
#include "platform/toolkit/CommandBars.h"
#include "platform/ui/Wnd.h"
#include "ribbon/IRibbonTabsCreatorsFactory.h"
#include "ribbon/IRibbonsFactoryOwner.h"
#include "ribbon/themes/IRibbonThemeFrame.h"
#include "ribbon/themes/RibbonThemeCommands.h"

#include <QMainWindow>

#include <memory>

class QuorvantaStatusBar;
class RibbonsFactory;
class RibbonToolTipsManagement;

class PulpitFrame : public QMainWindow,
                    public Wnd,
                    public IMainFrame,
                    public IRibbonsFactoryOwner,
                    public IRibbonThemeFrame
{
    Q_OBJECT

public:
    // Runs ManageProgress, so a finished batch disappears at the latest this long after it ends.
    static constexpr std::uint32_t kProgressTimerId = 1;
    static constexpr int kProgressTimerMs = 1500;

    explicit PulpitFrame(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators);
    ~PulpitFrame() override;

    // IMainFrame
    QWidget* GetWindow() override { return this; }
    WndHandle GetFrameHandle() const override { return GetSafeHwnd(); }
    // The ribbon of the edition and the status bar; false (and logged) when the ribbon cannot be built.
    bool LoadFrame() override;
    void ShowFrame() override;
    void StartSession() override;
    void ActivateFrame() override;
    int LoadSession(const QString& path) override;
    QWidget* GetActiveModuleWnd() override { return nullptr; }
    QRect GetMdiClientScreenRect() override;
    void ShowProgress(bool show) override;
    void SetProgressPosition(int percent) override;
    void ResetProgress() override;
    void ShowLastQuoteTime(ProviderBase* provider) override;

    // IRibbonsFactoryOwner
    CommandBars* GetCommandBars() override { return &m_commandBars; }
    bool IsExtendedMode() const override;

    // IRibbonThemeFrame
    bool LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName) override;

    std::shared_ptr<RibbonsFactory> GetRibbonsFactory() const { return m_ribbonsFactory; }
    QuorvantaStatusBar* GetStatusBar() const { return m_statusBar; }
    bool IsClosed() const { return m_closed; }

protected:
    LResult WindowProc(const WindowMessage& message) override;
    void OnTimer(std::uint32_t id) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool CreateRibbon();
    void CreateStatusBar();

    std::shared_ptr<IRibbonTabsCreatorsFactory> m_tabsCreators;
    // Until the frame routes commands through its whole chain of targets, the ribbon's
    // commands reach the colour-theme commands only.
    RibbonThemeCommands m_themeCommands;
    CommandBars m_commandBars;
    std::shared_ptr<RibbonsFactory> m_ribbonsFactory;
    std::shared_ptr<RibbonToolTipsManagement> m_toolTips;
    QuorvantaStatusBar* m_statusBar = nullptr;
    bool m_closed = false;
};
