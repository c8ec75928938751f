#include "ribbon/controls/RibbonGroup.h"

#include <algorithm>

void RibbonGroup::AddOwnControl(RibbonControl* control)
{
    if (control && !HasOwnControl(control))
        m_ownControls.push_back(control);
}

bool RibbonGroup::HasOwnControl(const RibbonControl* control) const
{
    return std::find(m_ownControls.begin(), m_ownControls.end(), control) != m_ownControls.end();
}
