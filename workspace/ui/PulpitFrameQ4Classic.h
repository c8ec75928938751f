#pragma once
// The standard edition's main frame: one screen is the edition's limit, so screens cannot be
// closed and no window moves to another screen; yet the user may open further screens and
// name them. A new screen is named "Ekran", made unique among the screens.

#include "workspace/ui/PulpitFrame.h"

class PulpitFrameQ4Classic : public PulpitFrame
{
    Q_OBJECT

public:
    static constexpr int kScreensLimit = 1;

    PulpitFrameQ4Classic(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators, CmdTargetMakers makers);

    int GetScreensLimit() const override { return kScreensLimit; }
    void OnUpdateCloseAllWindows(CmdUI& cmdUI) override;
    void GetShownWindows(std::vector<ShownWindow>& windows) override;
    // The edition names no objects of its windows.
    void CollectPanelWindowNames(std::vector<ModuleWndBase::NamedObject>& objects) override {}
    PanelView* SetPanelTitle(PanelFrame& panel) override;
    void RedrawModuleWindows() override;
    void ShowWorkspaceTabs() override;

private:
    // The picture of a window that has none of its own: its module's.
    static QIcon ModuleImage(const ModuleWndBase& window);
};
