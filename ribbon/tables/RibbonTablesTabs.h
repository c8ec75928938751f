#pragma once
// The tab creator of the quote tables: four contextual tabs under the green header "Tabela"
// ("&Tabela", "&Instrument", "&Kolumna", "Ko&mórka") with the galleries of hidden columns,
// hidden instruments and sort fields, filled from the quote-table library. Each tab builds its
// groups on its first preparation; the edition's creator adds its own groups through the hooks.

#include "ribbon/RibbonTabsCreator.h"

#include <QStringList>

#include <cstdint>

class IGenericModule;
class QuorvantaTab;
class RibbonControl;
class RibbonGroupBase;
class TableConsumer;

class RibbonTablesTabs : public RibbonTabsCreator
{
public:
    // tables: the quote-table library's consumer, also the module its tabs belong to.
    RibbonTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, TableConsumer* tables);

    // False without the quote-table module, or when a tab cannot be added.
    bool CreateTabs() override;

    bool CreateMainTabGroups(QuorvantaTab& tab);
    bool CreateAssetTabGroups(QuorvantaTab& tab);
    bool CreateColumnTabGroups(QuorvantaTab& tab);
    bool CreateCellTabGroups(QuorvantaTab& tab);

    TableConsumer* GetTables() const { return m_tables; }

protected:
    // Run while the tabs build their groups; false ends that tab's build.
    virtual bool OnMainTabContent(QuorvantaTab& tab) = 0;
    virtual bool AddAssetDisplayOptions(QuorvantaTab& tab) = 0;
    virtual bool AddColumnHeader(QuorvantaTab& tab) = 0;
    virtual bool OnCellTabCopy(QuorvantaTab& tab) = 0;

    // Shared steps of the builders; each null or false when the group or control cannot be made.
    RibbonGroupBase* AddGroup(QuorvantaTab& tab, std::uint32_t captionId, std::uint32_t icon);
    RibbonControl* AddControl(RibbonGroupBase* group, int type, std::uint32_t id, std::uint32_t icon16,
                              std::uint32_t icon32 = 0, bool newBlock = false);
    // A popup of plain items under the control; the captions are the items' own.
    bool AddPopupItems(RibbonControl* control, std::uint32_t firstId, const QStringList& captions);

private:
    TableConsumer* m_tables;
};
