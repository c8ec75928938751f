#pragma once
// The main frame's part of its status bar: the bar with its info and progress panes and one
// notify pane for each data provider that wants one, the progress shown and hidden, the last
// quote time, the notify panes shown or hidden by key. Main thread only.

#include "ribbon/statusbar/QuorvantaStatusBar.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

class ProviderBase;
class ProviderNotifySource;
class QMainWindow;

class FrameStatusBar
{
public:
    FrameStatusBar();
    ~FrameStatusBar();

    // The bar with its separator, under the window.
    void Create(QMainWindow& window);
    // The info pane, the progress pane, then the providers' notify panes in their order.
    void AddPanes(const std::vector<ProviderBase*>& providers);

    QuorvantaStatusBar* Get() const;
    void ShowProgress(bool show);
    void SetProgressPosition(int percent);
    void ResetProgress();
    // The provider's last quote time when it has a valid one, with its word on the session.
    void ShowLastQuoteTime(ProviderBase* provider);
    void ShowPane(std::uint32_t key, bool show);
    void Repaint();

private:
    QPointer<QuorvantaStatusBar> m_statusBar;
    std::vector<std::unique_ptr<ProviderNotifySource>> m_notifySources;
};
