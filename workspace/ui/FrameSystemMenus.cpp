#include "workspace/ui/FrameSystemMenus.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "workspace/ui/WorkspaceCommandIds.h"
#include "workspace/ui/WorkspaceMenus.h"

using namespace WorkspaceIds;

FrameSystemMenus::FrameSystemMenus(CommandBars& commandBars)
    : m_commandBars(commandBars)
{
}

void FrameSystemMenus::LoadMainMenu()
{
    if (m_mainMenu.empty())
        m_mainMenu = WorkspaceMenus::MainMenu();
}

MenuTable FrameSystemMenus::BuildMainSystemMenu(const std::vector<ProviderBase*>& providers)
{
    LoadMainMenu();
    MenuTable menu = m_mainMenu.front().popup;
    m_providerEntries.Build(providers);
    for (MenuItem& item : menu)
    {
        // The two entries that open a page of their own become popups.
        if (item.id == ID_CONFIGURE_PROVIDERS && !m_providerEntries.IsEmpty())
            item = MenuItem::Popup(item.text, m_providerEntries.MenuItems());
        else if (item.id == ID_OPEN_WINDOW)
            item = MenuItem::Popup(item.text, WorkspaceMenus::OpenWindowMenu().front().popup);
    }
    return menu;
}

MenuTable FrameSystemMenus::GetStyleEditSystemMenu()
{
    if (m_styleEditMenu.empty())
        m_styleEditMenu = WorkspaceMenus::StyleEditMenu();
    return m_styleEditMenu.front().popup;
}

bool FrameSystemMenus::CreateControl(std::uint32_t id, const std::vector<ProviderBase*>& providers,
                                     std::unique_ptr<RibbonControl>& control)
{
    if (id != ID_CONFIGURE_PROVIDERS && id != ID_OPEN_WINDOW)
        return false;
    auto popup = std::make_unique<RibbonPopupBar>();
    if (id == ID_CONFIGURE_PROVIDERS)
    {
        // Without entries the request counts as answered: the plain button stays.
        if (m_providerEntries.Build(providers) == 0)
            return true;
        m_providerEntries.FillPopup(*popup);
    }
    else
        popup->LoadMenu(WorkspaceMenus::OpenWindowMenu().front().popup, &m_commandBars);
    control = std::make_unique<RibbonControl>(RibbonControlPopup, id);
    control->LoadStrings();
    control->SetCommandBar(std::move(popup));
    return true;
}
