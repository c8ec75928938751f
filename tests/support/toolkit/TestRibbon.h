#pragma once
// A ribbon for tests of controls: command bars routing to a recording command target, a fake
// view, and one selected tab with one group to add controls to.

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "tests/support/toolkit/FakeRibbonBarSite.h"
#include "tests/support/toolkit/RecordingCommandTarget.h"

class TestRibbon
{
public:
    TestRibbon();

    // The notification codes the target received for the id, in order.
    std::vector<int> NotificationsOf(std::uint32_t id) const;

    RecordingCommandTarget target;
    CommandBars commandBars;
    FakeRibbonBarSite site;
    RibbonBarBase* ribbon = nullptr;
    RibbonTabBase* tab = nullptr;
    RibbonGroupBase* group = nullptr;
};
