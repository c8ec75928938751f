#include "ribbon/tables/RibbonTablesTabs.h"

#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/controls/RibbonTabBuilders.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "ribbon/tables/ShowColumnGalleryHelper.h"
#include "ribbon/tables/ShowInstrumentGalleryHelper.h"
#include "ribbon/tables/SortGalleryHelper.h"
#include "ribbon/tables/TableRibbonTabs.h"

#include <functional>
#include <memory>

namespace
{
constexpr std::uint32_t ID_TAB_TABLE = 9;
constexpr std::uint32_t ID_TAB_INSTRUMENT = 11;
constexpr std::uint32_t ID_TAB_COLUMN = 13;
constexpr std::uint32_t ID_TAB_CELL = 14;
constexpr std::uint32_t ID_SORT_GALLERY = 32857;
constexpr std::uint32_t ID_HIDDEN_INSTRUMENTS_GALLERY = 32844;
constexpr std::uint32_t ID_HIDDEN_COLUMNS_GALLERY = 32859;

struct ControlRow
{
    std::uint32_t id;
    int type;
    std::uint32_t icon16;
    std::uint32_t icon32;
    bool newBlock;
    // A caption of its own (a string id), 0 for the command's.
    std::uint32_t captionId = 0;
};
}

RibbonTablesTabs::RibbonTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, TableConsumer* tables)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_tables(tables)
{
}

bool RibbonTablesTabs::CreateTabs()
{
    if (!m_tables)
        return false;
    const std::pair<std::uint32_t, std::function<std::unique_ptr<QuorvantaTab>()>> tabs[] = {
        {ID_TAB_TABLE, [this] { return std::make_unique<TableMainTab>(*this); }},
        {ID_TAB_INSTRUMENT, [this] { return std::make_unique<TableAssetTab>(*this); }},
        {ID_TAB_COLUMN, [this] { return std::make_unique<TableColumnTab>(*this); }},
        {ID_TAB_CELL, [this] { return std::make_unique<TableCellTab>(*this); }},
    };
    for (const auto& [stringId, make] : tabs)
    {
        QuorvantaTab* tab = GetRibbonBar().AddTab(stringId, make());
        if (!tab)
            return false;
        GetRibbonsFactory().AddModuleTab(stringId, m_tables, tab);
        tab->SetContextColor(RibbonContextColorGreen);
        tab->SetContextCaption(QStringLiteral("Tabela"));
    }
    return true;
}

RibbonGroupBase* RibbonTablesTabs::AddGroup(QuorvantaTab& tab, std::uint32_t captionId, std::uint32_t icon)
{
    return AddCaptionedGroup(GetRibbonsFactory(), tab, captionId, icon);
}

RibbonControl* RibbonTablesTabs::AddControl(RibbonGroupBase* group, int type, std::uint32_t id, std::uint32_t icon16,
                                            std::uint32_t icon32, bool newBlock)
{
    return AddIconControl(GetRibbonsFactory(), group, type, id, icon16, icon32, newBlock);
}

bool RibbonTablesTabs::AddPopupItems(RibbonControl* control, std::uint32_t firstId, const QStringList& captions)
{
    if (!control)
        return false;
    auto popup = std::make_unique<RibbonPopupBar>();
    for (qsizetype index = 0; index < captions.size(); ++index)
        popup->Add(RibbonControlButton, firstId + static_cast<std::uint32_t>(index), captions[index]);
    control->SetCommandBar(std::move(popup));
    return true;
}

bool RibbonTablesTabs::CreateMainTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* content = AddGroup(tab, 15, 819);
    if (!content)
        return false;
    auto name = std::make_unique<RibbonEditControl>(33932);
    name->SetTooltip(QStringLiteral("Nazwa tabeli"));
    name->SetWidth(120);
    if (!AddRibbonControlObject(content, std::move(name), 33932))
        return false;
    const ControlRow contentRows[] = {
        {33039, RibbonControlButton, 446, 0, false},   {32922, RibbonControlButton, 885, 0, false},
        {33049, RibbonControlPopup, 33050, 0, true, 33051}, {344, RibbonControlPopup, 708, 0, false},
        {32782, RibbonControlButton, 613, 0, false},   {32773, RibbonControlCheckBox, 0, 0, true},
        {32774, RibbonControlCheckBox, 0, 0, false},   {32775, RibbonControlCheckBox, 0, 0, false, 32776},
        {32823, RibbonControlButton, 737, 738, true},
    };
    for (const ControlRow& row : contentRows)
    {
        RibbonControl* control = AddControl(content, row.type, row.id, row.icon16, row.icon32, row.newBlock);
        if (!control)
            return false;
        if (row.captionId != 0)
            control->SetCaption(RibbonCaptionOf(row.captionId));
    }
    QStringList lines;
    for (int count = 1; count <= 9; ++count)
        lines << QString::number(count);
    AddPopupItems(content->FindControl(33049), 33040, lines);
    if (RibbonControl* precision = content->FindControl(344))
    {
        auto popup = std::make_unique<RibbonPopupBar>();
        for (const std::uint32_t id : {33052u, 33053u, 33054u, 33055u, 33946u})
            popup->Add(RibbonControlButton, id, RibbonCaptionOf(id));
        precision->SetCommandBar(std::move(popup));
    }
    if (!OnMainTabContent(tab))
        return false;

    RibbonGroupBase* notes = AddGroup(tab, 18, 820);
    const ControlRow noteRows[] = {{32791, RibbonControlButton, 714, 715, false, 32792},
                                   {32921, RibbonControlButton, 716, 717, false, 32924},
                                   {32793, RibbonControlButton, 718, 719, false, 32794}};
    for (const ControlRow& row : noteRows)
    {
        RibbonControl* control = AddControl(notes, row.type, row.id, row.icon16, row.icon32);
        if (!control)
            return false;
        control->SetCaption(RibbonCaptionOf(row.captionId));
    }

    RibbonGroupBase* sorting = AddGroup(tab, 17, 821);
    const ControlRow sortRows[] = {{32783, RibbonControlButton, 711, 0, false}, {32784, RibbonControlButton, 713, 0, false},
                                   {32785, RibbonControlButton, 712, 0, false}, {32786, RibbonControlSplitButtonPopup, 709, 710, false}};
    for (const ControlRow& row : sortRows)
    {
        if (!AddControl(sorting, row.type, row.id, row.icon16, row.icon32))
            return false;
    }
    if (!AddDynamicGallery(sorting->FindControl(32786), nullptr, std::make_shared<SortGalleryHelper>(m_tables), ID_SORT_GALLERY))
        return false;

    if (m_tables->IsLogTableStateAvailable())
    {
        RibbonGroupBase* logging = AddGroup(tab, 33957, 0);
        if (!AddControl(logging, RibbonControlButton, 33958, 926))
            return false;
    }
    return true;
}

bool RibbonTablesTabs::CreateAssetTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* addRemove = AddGroup(tab, 19, 823);
    const ControlRow addRows[] = {{32795, RibbonControlButton, 763, 764, false, 32796},
                                  {32797, RibbonControlButton, 724, 725, false},
                                  {32798, RibbonControlButton, 726, 727, false, 32799}};
    for (const ControlRow& row : addRows)
    {
        RibbonControl* control = AddControl(addRemove, row.type, row.id, row.icon16, row.icon32);
        if (!control)
            return false;
        if (row.captionId != 0)
            control->SetCaption(RibbonCaptionOf(row.captionId));
    }
    if (!AddAssetDisplayOptions(tab))
        return false;
    RibbonGroupBase* position = AddGroup(tab, 21, 825);
    const ControlRow positionRows[] = {
        {32804, RibbonControlButton, 761, 762, false, 32802}, {32805, RibbonControlButton, 759, 760, false, 32803},
        {32806, RibbonControlButton, 411, 0, false},          {32807, RibbonControlButton, 412, 0, false},
        {32858, RibbonControlButton, 720, 721, true},         {32788, RibbonControlButton, 722, 723, false},
        {32808, RibbonControlButton, 743, 744, true},         {32809, RibbonControlPopup, 747, 748, false},
        {32810, RibbonControlButton, 745, 746, true, 32811},
    };
    for (const ControlRow& row : positionRows)
    {
        RibbonControl* control = AddControl(position, row.type, row.id, row.icon16, row.icon32, row.newBlock);
        if (!control)
            return false;
        if (row.captionId != 0)
            control->SetCaption(RibbonCaptionOf(row.captionId));
        // The arrows alone tell these two apart.
        if (row.id == 32806 || row.id == 32807)
            control->SetCaption(QString());
    }
    return AddRibbonGallery(std::make_unique<CheckBoxGalleryControl>(std::make_shared<ShowInstrumentGalleryHelper>(m_tables),
                                                                     CheckBoxGalleryControl::kUncheckedImageId,
                                                                     CheckBoxGalleryControl::kCheckedImageId,
                                                                     ID_HIDDEN_INSTRUMENTS_GALLERY),
                            position->FindControl(32809), ID_HIDDEN_INSTRUMENTS_GALLERY)
           != nullptr;
}

bool RibbonTablesTabs::CreateColumnTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* addRemove = AddGroup(tab, 22, 826);
    const ControlRow addRows[] = {{32813, RibbonControlButton, 751, 752, false}, {32929, RibbonControlButton, 753, 754, false},
                                  {32814, RibbonControlButton, 757, 758, false}, {32817, RibbonControlButton, 749, 750, false},
                                  {32818, RibbonControlPopup, 755, 756, false}};
    for (const ControlRow& row : addRows)
    {
        if (!AddControl(addRemove, row.type, row.id, row.icon16, row.icon32))
            return false;
    }
    if (!AddRibbonGallery(std::make_unique<CheckBoxGalleryControl>(std::make_shared<ShowColumnGalleryHelper>(m_tables),
                                                                   CheckBoxGalleryControl::kUncheckedImageId,
                                                                   CheckBoxGalleryControl::kCheckedImageId,
                                                                   ID_HIDDEN_COLUMNS_GALLERY),
                          addRemove->FindControl(32818), ID_HIDDEN_COLUMNS_GALLERY))
        return false;
    if (!AddColumnHeader(tab))
        return false;
    RibbonGroupBase* position = AddGroup(tab, 24, 828);
    const ControlRow positionRows[] = {{32819, RibbonControlButton, 765, 766, true}, {32820, RibbonControlButton, 767, 768, false},
                                       {32821, RibbonControlButton, 413, 0, false},  {32822, RibbonControlButton, 414, 0, false}};
    for (const ControlRow& row : positionRows)
    {
        RibbonControl* control = AddControl(position, row.type, row.id, row.icon16, row.icon32, row.newBlock);
        if (!control)
            return false;
        if (row.id == 32821 || row.id == 32822)
            control->SetCaption(QString());
    }
    return true;
}

bool RibbonTablesTabs::CreateCellTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* content = InsertRibbonGroup(&tab, 25);
    if (!AddControl(content, RibbonControlButton, 32887, 733) || !AddControl(content, RibbonControlButton, 33033, 735))
        return false;
    RibbonGroupBase* copy = AddGroup(tab, 27, 830);
    if (!AddControl(copy, RibbonControlSplitButtonPopup, 32827, 731, 732))
        return false;
    return OnCellTabCopy(tab);
}
