#pragma once
// The orders sheet tab's controls for the cell under the cursor: the column and order-row style
// galleries beside the sheet's, and the column's and order row's colours and fonts. Main thread
// only; the tab creator calls them while it fills its groups.

class RibbonGroupBase;

namespace OSCursorRibbonControls
{
// False when a control could not be added.
bool AddStyleGalleries(RibbonGroupBase* group);
bool AddColorsAndFonts(RibbonGroupBase* group);
}
