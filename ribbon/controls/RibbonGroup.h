#pragma once
// A group of the program's ribbon tabs. Besides the controls every group has, it keeps the
// buttons the builders add as its own, in the order they were added.

#include "platform/toolkit/RibbonGroupBase.h"

#include <vector>

class RibbonGroup : public RibbonGroupBase
{
public:
    using RibbonGroupBase::RibbonGroupBase;

    void AddOwnControl(RibbonControl* control);
    bool HasOwnControl(const RibbonControl* control) const;
    const std::vector<RibbonControl*>& GetOwnControls() const { return m_ownControls; }

private:
    std::vector<RibbonControl*> m_ownControls;
};
