#pragma once
// The main frame and the application as the style edit mode sees them, for tests: the ribbons
// factory and active window the test gives, the calls in order, and "Zapisz" writing every
// style into the folder the test gives (no folder: the save fails).

#include "platform/modules/ModuleWndBase.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/IStyleEditHost.h"

#include <QString>

#include <string>
#include <vector>

class FakeStyleEditHost : public IStyleEditHost
{
public:
    RibbonsFactory* GetRibbonsFactory() override { return factory; }
    ModuleWndBase* GetActiveModuleWnd() override { return activeWindow; }
    QWidget* GetMainWindow() override { return mainWindow; }
    void SetStyleEditFlag(bool on) override
    {
        styleEditFlag = on;
        calls.push_back(on ? "flag on" : "flag off");
    }
    void UpdateFrameTitles() override { calls.push_back("titles"); }
    void SetStyleEditSystemMenu() override { calls.push_back("style edit menu"); }
    void SetMainSystemMenu() override { calls.push_back("main menu"); }
    void UpdateRibbonContextWithoutModule() override { calls.push_back("ribbon context"); }
    void RedrawModuleWindows() override { calls.push_back("redraw windows"); }
    bool SaveApplicationStyles(bool clean) override
    {
        calls.push_back(clean ? "save clean" : "save");
        return !stylesFolder.isEmpty() && StylesContainer::Instance().SaveStyles(stylesFolder, clean);
    }

    RibbonsFactory* factory = nullptr;
    ModuleWndBase* activeWindow = nullptr;
    QWidget* mainWindow = nullptr;
    QString stylesFolder;
    bool styleEditFlag = false;
    std::vector<std::string> calls;
};
