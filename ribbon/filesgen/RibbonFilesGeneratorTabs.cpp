#include "ribbon/filesgen/RibbonFilesGeneratorTabs.h"

#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/controls/RibbonTabBuilders.h"
#include "ribbon/filesgen/FilesGenHistoryRangeManager.h"

namespace
{
constexpr std::uint32_t ID_TAB = 292;
constexpr std::uint32_t ID_GROUP_WINDOW = 293;
constexpr std::uint32_t ID_GROUP_INSTRUMENTS = 294;
constexpr std::uint32_t ID_GROUP_OPERATIONS = 295;
constexpr std::uint32_t ID_LOCK_COLUMNS = 296;
constexpr std::uint32_t ID_INSERT_INSTRUMENT = 298;
constexpr std::uint32_t ID_INSERT_CAPTION = 299;
constexpr std::uint32_t ID_REMOVE = 300;
constexpr std::uint32_t ID_MANAGE = 301;
constexpr std::uint32_t ID_HISTORY = 302;
constexpr std::uint32_t ID_OPEN_FOLDER = 311;

// The tab's images, by bitmap id.
constexpr std::uint32_t IDB_LOCK = 2960;
constexpr std::uint32_t IDB_ADD = 2961;
constexpr std::uint32_t IDB_REMOVE = 2962;
constexpr std::uint32_t IDB_MANAGE = 2963;
constexpr std::uint32_t IDB_HISTORY = 2964;
constexpr std::uint32_t IDB_FOLDER = 2965;
}

FilesGeneratorTab::FilesGeneratorTab(RibbonFilesGeneratorTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool FilesGeneratorTab::CreateGroups()
{
    return m_creator.CreateGroups(*this);
}

RibbonFilesGeneratorTabs::RibbonFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                   AppFilesGeneratorConsumer* consumer)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_consumer(consumer)
{
}

bool RibbonFilesGeneratorTabs::CreateTabs()
{
    if (!m_consumer)
        return false;
    QuorvantaTab* tab = GetRibbonBar().AddTab(ID_TAB, std::make_unique<FilesGeneratorTab>(*this));
    if (!tab)
        return false;
    GetRibbonsFactory().AddModuleTab(ID_TAB, m_consumer, tab);
    tab->SetContextColor(RibbonContextColorGreen);
    tab->SetContextCaption(RibbonCaptionOf(ID_TAB));
    return true;
}

bool RibbonFilesGeneratorTabs::CreateGroups(QuorvantaTab& tab)
{
    RibbonsFactory& factory = GetRibbonsFactory();
    RibbonGroupBase* window = AddCaptionedGroup(factory, tab, ID_GROUP_WINDOW, 0);
    if (!AddIconControl(factory, window, RibbonControlButton, ID_LOCK_COLUMNS, IDB_LOCK, IDB_LOCK, false))
        return false;

    RibbonGroupBase* instruments = AddCaptionedGroup(factory, tab, ID_GROUP_INSTRUMENTS, 0);
    RibbonControl* insert = AddIconControl(factory, instruments, RibbonControlButton, ID_INSERT_INSTRUMENT, IDB_ADD, IDB_ADD, false);
    if (!insert)
        return false;
    insert->SetCaption(RibbonCaptionOf(ID_INSERT_CAPTION));
    if (!AddIconControl(factory, instruments, RibbonControlButton, ID_MANAGE, IDB_MANAGE, 0, false) ||
        !AddIconControl(factory, instruments, RibbonControlButton, ID_REMOVE, IDB_REMOVE, 0, false))
        return false;

    RibbonGroupBase* operations = AddCaptionedGroup(factory, tab, ID_GROUP_OPERATIONS, 0);
    auto history = std::make_unique<RibbonControlPopupEx>(ID_HISTORY, RibbonControlButtonPopup);
    history->LoadStrings();
    history->SetPopupWindowManager(
        std::make_unique<FilesGenHistoryRangeManager>(nullptr, history.get(), m_consumer));
    RibbonControl* historyControl = AddRibbonControlObject(operations, std::move(history), ID_HISTORY);
    if (!historyControl)
        return false;
    SetRibbonIcons(factory, ID_HISTORY, IDB_HISTORY, IDB_HISTORY);
    historyControl->SetStyle(RibbonControlStyle::Large);
    return AddIconControl(factory, operations, RibbonControlButton, ID_OPEN_FOLDER, IDB_FOLDER, IDB_FOLDER, false) != nullptr;
}
