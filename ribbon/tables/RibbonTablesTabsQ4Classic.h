#pragma once
// The standard edition's quote-table tabs: its own groups are the instrument's display options
// (the offer lines of the selected instrument), the column's header (the column name), and the
// style groups of the table, instrument, column and cells with their "Więcej opcji" popups.

#include "ribbon/tables/RibbonTablesTabs.h"

class RibbonTablesTabsQ4Classic : public RibbonTablesTabs
{
public:
    using RibbonTablesTabs::RibbonTablesTabs;

protected:
    // A "Styl" group with the table style gallery (the stored table styles).
    bool OnMainTabContent(QuorvantaTab& tab) override;
    bool AddAssetDisplayOptions(QuorvantaTab& tab) override;
    bool AddColumnHeader(QuorvantaTab& tab) override;
    bool OnCellTabCopy(QuorvantaTab& tab) override;
};
