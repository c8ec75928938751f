#pragma once
// The main frame as the desktop and session files see it: its screens are the tab client's
// panels, a screen's view is its panel view, and new screens come from the panel template.
// Main thread only.

#include "workspace/engine/IDesktopHost.h"

class PanelFrame;
class PulpitFrame;

class FrameDesktopHost : public IDesktopHost
{
public:
    explicit FrameDesktopHost(PulpitFrame& frame);

    int GetScreensLimit() const override;
    std::vector<Screen> GetScreens() const override;
    QWidget* GetActiveView() const override;
    std::vector<ModuleWindow> GetModuleWindows(QWidget* view) const override;
    std::optional<bool> IsRibbonMinimized() const override;
    void SetRibbonMinimized(bool minimized) override;
    bool IsSessionLoaded() const override;
    void SetSessionLoaded(bool loaded) override;
    bool IsHandOverInProgress() const override;
    bool HasPanelArea() const override;
    void CloseAllPanels() override;
    QWidget* OpenPanel(const QString& title) override;
    // This program shows no version-information page in a screen: none opens (logged).
    QWidget* OpenVersionInfoPanel() override;
    void FitModuleWindows(QWidget* view) override;
    void ArrangeRestoredWindows(QWidget* view, const std::vector<RestoredWindow>& windows) override;
    void ShowPanels(const std::vector<QWidget*>& views, QWidget* active) override;
    QWidget* CreateNewPanel() override;
    void ShowMessage(const QString& text) override;
    void ShowLoadProblem(const QString& text) override;
    void ShowSaveProblem(const QString& text) override;

private:
    static PanelFrame* PanelOf(QWidget* view);

    PulpitFrame& m_frame;
};
