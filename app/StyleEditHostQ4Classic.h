#pragma once
// The style edit mode's view of the standard edition: the main frame as the mediator knows it
// (its ribbon, active module window, screen tabs, titles and menus) and the application's
// styles, which "Zapisz" writes into the user's styles folder.

#include "styles/ui/IStyleEditHost.h"

#include <memory>

class IApplicationStyles;

class StyleEditHostQ4Classic : public IStyleEditHost
{
public:
    explicit StyleEditHostQ4Classic(std::shared_ptr<IApplicationStyles> styles);

    RibbonsFactory* GetRibbonsFactory() override;
    ModuleWndBase* GetActiveModuleWnd() override;
    QWidget* GetMainWindow() override;
    void SetStyleEditFlag(bool on) override;
    void UpdateFrameTitles() override;
    void SetStyleEditSystemMenu() override;
    void SetMainSystemMenu() override;
    void UpdateRibbonContextWithoutModule() override;
    void RedrawModuleWindows() override;
    bool SaveApplicationStyles(bool clean) override;

private:
    std::shared_ptr<IApplicationStyles> m_styles;
};
