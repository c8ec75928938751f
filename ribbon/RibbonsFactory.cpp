#include "ribbon/RibbonsFactory.h"

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonPopupMenu.h"
#include "ribbon/IRibbonsFactoryOwner.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonCommandIds.h"
#include "ribbon/RibbonLog.h"
#include "ribbon/RibbonMenus.h"
#include "ribbon/RibbonTabsCreator.h"
#include "ribbon/UpdateRibbonContext.h"

using namespace RibbonCommandIds;

namespace
{
constexpr double kPopupMaxWidthDivisor = 0.75;

struct AppMenuIcons
{
    std::uint32_t commandId;
    std::uint32_t bitmap16;
    std::uint32_t bitmap32;
};

constexpr AppMenuIcons kAppMenuIcons[] = {
    {ID_APP_EXIT, 584, 585},      {ID_UPDATE_PROGRAM, 580, 581}, {ID_PRINT, 706, 707},
    {ID_FILES_GENERATOR, 872, 871}, {ID_APP_ABOUT, 836, 837},     {ID_HELP, 586, 587},
    {ID_OPTIONS, 582, 583},       {ID_NEW_SCREEN, 641, 640},
};

// The application menu's commands without a large icon of their own, in the order of the
// large strip's images.
const std::vector<std::uint32_t> kAppMenuLargeStrip = {ID_OPEN_WINDOW,   ID_SAVE_WINDOW,    ID_SAVE_WINDOW_Q5,
                                                       ID_OPEN_DESKTOP,  ID_SAVE_DESKTOP,   ID_SAVE_DESKTOP_Q5,
                                                       ID_CONFIGURE_PROVIDERS};

using CreatorOperation = IRibbonTabsCreatorsFactory::Creator (IRibbonTabsCreatorsFactory::*)(RibbonsFactory&,
                                                                                           QuorvantaRibbonBar&);

struct CreatorKind
{
    CreatorOperation operation;
    const char* name;
};

// The order of the creators is the order of their tabs on the ribbon.
constexpr CreatorKind kCreatorOrder[] = {
    {&IRibbonTabsCreatorsFactory::CreateMainTabs, "main"},
    {&IRibbonTabsCreatorsFactory::CreateChartsTabs, "charts"},
    {&IRibbonTabsCreatorsFactory::CreateTablesTabs, "tables"},
    {&IRibbonTabsCreatorsFactory::CreateAlertsTabs, "alerts"},
    {&IRibbonTabsCreatorsFactory::CreateOrdersSheetTabs, "orders sheet"},
    {&IRibbonTabsCreatorsFactory::CreateFilesGeneratorTabs, "files generator"},
    {&IRibbonTabsCreatorsFactory::CreateDetailsTabs, "details"},
    {&IRibbonTabsCreatorsFactory::CreateOffersTabs, "offers"},
    {&IRibbonTabsCreatorsFactory::CreateTransListsTabs, "transaction lists"},
    {&IRibbonTabsCreatorsFactory::CreateTransactionsMonitorTabs, "transactions monitor"},
    {&IRibbonTabsCreatorsFactory::CreateSessionStatisticsTabs, "session statistics"},
    {&IRibbonTabsCreatorsFactory::CreateFormationsTabs, "formations"},
    {&IRibbonTabsCreatorsFactory::CreateKFLTabs, "formula language"},
};
}

RibbonsFactory::RibbonsFactory(IRibbonsFactoryOwner& owner, std::shared_ptr<IRibbonTabsCreatorsFactory> creators)
    : m_owner(owner)
    , m_creatorsFactory(std::move(creators))
{
    RibbonPopupMenu::SetMaxWidthDivisor(kPopupMaxWidthDivisor);
}

RibbonsFactory::~RibbonsFactory() = default;

bool RibbonsFactory::CreateRibbon()
{
    if (!CreateRibbonBar())
        return false;
    RibbonImageManager& images = m_ribbonBar->GetCommandBars()->GetImageManager();
    images.SetIcon(ID_APP_MENU_SMALL_ICON, IDB_APP_MENU_SMALL, RibbonImageManager::kSmall);
    for (const AppMenuIcons& icons : kAppMenuIcons)
        SetRibbonIcons(*this, icons.commandId, icons.bitmap16, icons.bitmap32);
    images.SetIcons(IDB_APP_MENU_LARGE, kAppMenuLargeStrip, RibbonImageManager::kLarge);

    if (!m_creatorsFactory)
    {
        qCWarning(lcRibbon) << "RibbonsFactory: no edition gives the ribbon's tab creators";
        return false;
    }
    for (const CreatorKind& kind : kCreatorOrder)
    {
        IRibbonTabsCreatorsFactory::Creator creator = ((*m_creatorsFactory).*kind.operation)(*this, *m_ribbonBar);
        if (creator)
            m_moduleCreators.push_back(std::move(creator));
        else
            qCInfo(lcRibbon) << "RibbonsFactory: this edition has no" << kind.name << "tabs";
    }
    for (const auto& creator : m_moduleCreators)
    {
        if (!creator->CreateTabs())
        {
            qCWarning(lcRibbon) << "RibbonsFactory: a tab creator failed; the ribbon is incomplete";
            return false;
        }
    }
    return true;
}

bool RibbonsFactory::CreateRibbonBar()
{
    CommandBars* commandBars = m_owner.GetCommandBars();
    if (commandBars == nullptr)
    {
        qCWarning(lcRibbon) << "RibbonsFactory: the frame has no command bars for the ribbon";
        return false;
    }
    auto* ribbonBar = static_cast<QuorvantaRibbonBar*>(
        commandBars->AddRibbonBar(std::make_unique<QuorvantaRibbonBar>(), QStringLiteral("The Ribbon")));
    if (ribbonBar == nullptr || ribbonBar->AddSystemButton(ID_SYSTEM_BUTTON) == nullptr)
        return false;
    ribbonBar->AddRightAlignedControl(RibbonControlButton, ID_RIBBON_EXPAND);
    ribbonBar->AddRightAlignedControl(RibbonControlButton, ID_RIBBON_MINIMIZE);
    commandBars->GetImageManager().SetIcons(IDB_RIBBON_SIZE_ICONS, {ID_RIBBON_MINIMIZE, ID_RIBBON_EXPAND},
                                            RibbonImageManager::kSmall);
    if (m_owner.IsExtendedMode())
    {
        const MenuItem style = RibbonMenus::StyleMenu().front();
        RibbonControl* popup = ribbonBar->AddRightAlignedControl(RibbonControlPopup, ID_STYLE_POPUP, style.text);
        auto bar = std::make_unique<RibbonPopupBar>();
        bar->LoadMenu(style.popup, commandBars);
        popup->SetCommandBar(std::move(bar));
    }
    m_ribbonBar = ribbonBar;
    return true;
}

bool RibbonsFactory::CreateStyleEditTabs()
{
    if (m_styleEditTabsCreated)
        return *m_styleEditTabsCreated;
    if (!m_ribbonBar || !m_creatorsFactory)
        return false;
    m_creatorsFactory->CreateStyleEditTabs(*m_ribbonBar, *this, m_styleEditCreators);
    // A failed run is not repeated, and a later call reports the failure again rather than a
    // half-made set of tabs as ready.
    m_styleEditTabsCreated = true;
    for (const auto& creator : m_styleEditCreators)
    {
        if (!creator->CreateTabs())
        {
            qCWarning(lcRibbon) << "RibbonsFactory: a style-editing tab creator failed";
            m_styleEditTabsCreated = false;
            return false;
        }
    }
    return true;
}

void RibbonsFactory::AddMainTab(std::uint32_t stringId, QuorvantaTab* tab)
{
    if (tab == nullptr)
    {
        qCWarning(lcRibbon) << "RibbonsFactory: no main tab for string" << stringId;
        return;
    }
    m_tabsById[stringId] = tab;
    m_mainTabs.push_back(tab);
}

void RibbonsFactory::AddModuleTab(std::uint32_t stringId, IGenericModule* module, QuorvantaTab* tab)
{
    if (tab == nullptr)
    {
        qCWarning(lcRibbon) << "RibbonsFactory: no module tab for string" << stringId;
        return;
    }
    m_tabsById[stringId] = tab;
    m_tabsByModule[module].push_back(tab);
    tab->SetVisible(false);
}

void RibbonsFactory::AddStyleEditTab(QuorvantaTab* tab)
{
    if (tab == nullptr)
        return;
    tab->SetVisible(false);
    m_styleEditTabs.push_back(tab);
}

void RibbonsFactory::HideModuleTabs()
{
    for (const auto& [module, tabs] : m_tabsByModule)
    {
        for (QuorvantaTab* tab : tabs)
            tab->SetVisible(false);
    }
}

bool RibbonsFactory::SelectModuleTab(IGenericModule* module, ERibbonTabLevel level)
{
    const auto found = m_tabsByModule.find(module);
    if (found == m_tabsByModule.end())
    {
        SelectFirstMainTab();
        return true;
    }
    for (QuorvantaTab* tab : found->second)
    {
        if (tab->IsVisible() && tab->GetLevel() == level)
            return m_ribbonBar && m_ribbonBar->SetCurrentTab(tab);
    }
    return false;
}

void RibbonsFactory::UpdateRibbonContext(const ::UpdateRibbonContext& context)
{
    if (m_ribbonBar == nullptr)
        return;
    const RibbonBarBase::Batch batch(*m_ribbonBar);
    if (context.IsJustChangeTabSelectionRequest())
    {
        if (SelectModuleTab(context.Module(), context.LevelOfTabToSelect()) && !context.PreseveRibbonTabContext())
            m_ribbonBar->RememberTabLevel(context.LevelOfTabToSelect());
        return;
    }
    if (context.Module() == nullptr)
    {
        // A hidden current tab counts as none: the ribbon must never stay on it.
        const QuorvantaTab* current = m_ribbonBar->GetSelectedQuorvantaTab();
        if (current == nullptr || !current->IsVisible() || current->GetLevel() != RibbonTabLevelMain)
            SelectFirstMainTab();
        HideModuleTabs();
        if (!context.PreseveRibbonTabContext())
            m_ribbonBar->RememberTabLevel(RibbonTabLevelMain);
        return;
    }
    ApplyModuleContext(context);
}

void RibbonsFactory::ApplyModuleContext(const ::UpdateRibbonContext& context)
{
    IGenericModule* module = context.Module();
    QuorvantaTab* current = m_ribbonBar->GetSelectedQuorvantaTab();
    for (const auto& [owner, tabs] : m_tabsByModule)
    {
        for (QuorvantaTab* tab : tabs)
        {
            if (owner != module || !tab->IsAvailable())
            {
                tab->SetVisible(false);
                continue;
            }
            // Clearing the caption around hiding makes the header be rebuilt with the new one.
            if (tab->GetLevel() != RibbonTabLevelMain)
            {
                tab->SetContextCaption(QString());
                tab->SetVisible(false);
                tab->SetContextCaption(context.ContextText());
            }
            tab->SetVisible(true);
            tab->Prepare();
        }
    }

    if (current == nullptr)
    {
        SelectFirstMainTab();
        return;
    }
    const ERibbonTabLevel remembered = m_ribbonBar->GetRememberedLevel();
    if (current->IsVisible() && remembered == RibbonTabLevelNone)
    {
        m_ribbonBar->SetCurrentTab(current);
        return;
    }
    if (QuorvantaTab* rememberedTab = m_ribbonBar->GetRememberedTab(); rememberedTab && rememberedTab->IsVisible())
    {
        m_ribbonBar->SetCurrentTab(rememberedTab);
        return;
    }
    const int limit = remembered != RibbonTabLevelNone ? remembered : current->GetLevel();
    QuorvantaTab* picked = nullptr;
    for (QuorvantaTab* tab : GetModuleTabs(module))
    {
        const int level = tab->GetLevel();
        if (tab->IsVisible() && level > RibbonTabLevelMain && level <= limit && (!picked || level > picked->GetLevel()))
            picked = tab;
    }
    if (picked == nullptr)
    {
        // Nothing fits: the selection stays where it was if that tab still shows; a tab the
        // context hid gives way to the first main tab, not to whichever tab the bar moved to.
        if (current->IsVisible())
            m_ribbonBar->SetCurrentTab(current);
        else
            SelectFirstMainTab();
        return;
    }
    m_ribbonBar->SetCurrentTab(picked);
    if (!context.PreseveRibbonTabContext())
        m_ribbonBar->RememberTabLevel(picked->GetLevel());
}

void RibbonsFactory::UpdateContextCaption(IGenericModule* module, const QString& caption)
{
    const auto found = m_tabsByModule.find(module);
    if (found == m_tabsByModule.end() || m_ribbonBar == nullptr)
        return;
    const RibbonBarBase::Batch batch(*m_ribbonBar);
    for (QuorvantaTab* tab : found->second)
    {
        if (tab->GetLevel() == RibbonTabLevelMain)
            continue;
        const bool selected = m_ribbonBar->GetSelectedTab() == tab;
        const bool visible = tab->IsVisible();
        tab->SetVisible(!visible);
        tab->SetContextCaption(caption);
        tab->SetVisible(visible);
        if (selected)
            m_ribbonBar->SetCurrentTab(tab);
    }
}

void RibbonsFactory::ShowStyleEditTabs(bool enter, const std::set<const RibbonTabBase*>& chosenTabs)
{
    if (m_ribbonBar == nullptr)
        return;
    const RibbonBarBase::Batch batch(*m_ribbonBar);
    if (!enter)
    {
        for (QuorvantaTab* tab : m_styleEditTabs)
            tab->SetVisible(false);
        for (QuorvantaTab* tab : m_mainTabs)
            tab->SetVisible(true);
        return;
    }
    QuorvantaTab* first = nullptr;
    for (QuorvantaTab* tab : m_styleEditTabs)
    {
        const bool chosen = chosenTabs.contains(tab);
        tab->SetVisible(chosen);
        if (chosen && first == nullptr)
            first = tab;
    }
    if (first)
        m_ribbonBar->SetCurrentTab(first);
    for (QuorvantaTab* tab : m_mainTabs)
        tab->SetVisible(false);
    HideModuleTabs();
}

bool RibbonsFactory::DispatchToTabCreators(RibbonCreateControlRequest* request)
{
    if (request == nullptr)
        return false;
    for (const auto* creators : {&m_moduleCreators, &m_styleEditCreators})
    {
        for (const auto& creator : *creators)
        {
            if (creator->HandleFrameRequest(*request))
                return true;
        }
    }
    return false;
}

QuorvantaTab* RibbonsFactory::FindTab(std::uint32_t stringId) const
{
    const auto found = m_tabsById.find(stringId);
    return found == m_tabsById.end() ? nullptr : found->second;
}

RibbonControl* RibbonsFactory::FindControl(std::uint32_t id) const
{
    return m_ribbonBar ? m_ribbonBar->FindControl(id) : nullptr;
}

const std::vector<QuorvantaTab*>& RibbonsFactory::GetModuleTabs(IGenericModule* module) const
{
    static const std::vector<QuorvantaTab*> none;
    const auto found = m_tabsByModule.find(module);
    return found == m_tabsByModule.end() ? none : found->second;
}

void RibbonsFactory::SelectFirstMainTab()
{
    // Without main tabs there is nothing to select.
    if (m_ribbonBar && !m_mainTabs.empty())
        m_ribbonBar->SetCurrentTab(m_mainTabs.front());
}

void SetRibbonIcons(RibbonsFactory& factory, std::uint32_t commandId, std::uint32_t bitmap16, std::uint32_t bitmap32)
{
    const QuorvantaRibbonBar* ribbonBar = factory.GetRibbonBar();
    CommandBars* commandBars = ribbonBar ? ribbonBar->GetCommandBars() : nullptr;
    if (commandBars == nullptr)
    {
        qCWarning(lcRibbon) << "SetRibbonIcons: no ribbon for the icons of command" << commandId;
        return;
    }
    commandBars->GetImageManager().SetIcon(commandId, bitmap16, RibbonImageManager::kSmall);
    if (bitmap32 != 0)
        commandBars->GetImageManager().SetIcon(commandId, bitmap32, RibbonImageManager::kLarge);
}

bool RibbonsFactory::IsExtendedMode() const
{
    return m_owner.IsExtendedMode();
}
