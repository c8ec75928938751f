#pragma once
// The main window of this edition until the program's full main frame takes its place: a plain
// window with a status bar that shows the progress and the time-source provider's last quote
// time, acts on the mediator's application messages, and at its closing ends the plug-ins and
// releases the modules in the program's order. It has no panels, so it opens no desktop and
// keeps no session, and says so in the log.

#include "core/mediator/IMainFrame.h"
#include "platform/ui/Wnd.h"

#include <QMainWindow>

class QLabel;
class QProgressBar;

class BasicMainFrame : public QMainWindow, public Wnd, public IMainFrame
{
public:
    // Runs ManageProgress, so a finished batch disappears at the latest this long after it ends.
    static constexpr std::uint32_t kProgressTimerId = 1;
    static constexpr int kProgressTimerMs = 1500;

    BasicMainFrame();
    ~BasicMainFrame() override;

    // IMainFrame
    QWidget* GetWindow() override { return this; }
    WndHandle GetFrameHandle() const override { return GetSafeHwnd(); }
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

    bool IsClosed() const { return m_closed; }

protected:
    LResult WindowProc(const WindowMessage& message) override;
    void OnTimer(std::uint32_t id) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_quoteTime = nullptr;
    QProgressBar* m_progress = nullptr;
    bool m_closed = false;
};
