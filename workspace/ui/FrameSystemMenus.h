#pragma once
// The main frame's menus on the ribbon's system button: the main menu's "&File" popup, in
// which the data providers' configuration and the window files open pages of their own, and
// the short menu of the style edit mode; and the frame's own ribbon controls of those two
// pages. It keeps the providers' entries the menus were built with. Main thread only.

#include "platform/ui/MenuItem.h"
#include "workspace/ui/ProviderMenuEntries.h"

#include <memory>
#include <vector>

class CommandBars;
class ProviderBase;
class RibbonControl;

class FrameSystemMenus
{
public:
    explicit FrameSystemMenus(CommandBars& commandBars);

    // Loads the main menu, once.
    void LoadMainMenu();
    const MenuTable& GetMainMenu() const { return m_mainMenu; }
    // The system menu outside the style edit mode, the providers' entries made anew.
    MenuTable BuildMainSystemMenu(const std::vector<ProviderBase*>& providers);
    MenuTable GetStyleEditSystemMenu();

    // The frame's own control for the providers' configuration (32769) or the window files
    // (33000): true when the id is one of those; control stays empty when there are no
    // providers' entries to show.
    bool CreateControl(std::uint32_t id, const std::vector<ProviderBase*>& providers, std::unique_ptr<RibbonControl>& control);

    ProviderMenuEntries& GetProviderEntries() { return m_providerEntries; }
    const ProviderMenuEntries& GetProviderEntries() const { return m_providerEntries; }

private:
    CommandBars& m_commandBars;
    MenuTable m_mainMenu;
    MenuTable m_styleEditMenu;
    ProviderMenuEntries m_providerEntries;
};
