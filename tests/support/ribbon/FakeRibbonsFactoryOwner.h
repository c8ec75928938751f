#pragma once
// Stands in for the main frame that owns the ribbons factory: its command bars (routing to a
// recording command target) and the "--extended" switch.

#include "platform/toolkit/CommandBars.h"
#include "ribbon/IRibbonsFactoryOwner.h"
#include "tests/support/toolkit/RecordingCommandTarget.h"

#include <memory>

class FakeRibbonsFactoryOwner : public IRibbonsFactoryOwner
{
public:
    FakeRibbonsFactoryOwner();

    CommandBars* GetCommandBars() override { return m_hasCommandBars ? &m_commandBars : nullptr; }
    bool IsExtendedMode() const override { return m_extended; }

    void SetHasCommandBars(bool has) { m_hasCommandBars = has; }
    void SetExtendedMode(bool extended) { m_extended = extended; }
    RecordingCommandTarget& Target() { return m_target; }

private:
    RecordingCommandTarget m_target;
    CommandBars m_commandBars;
    bool m_hasCommandBars = true;
    bool m_extended = false;
};
