#pragma once
// The command target of the offers windows: the offers library's consumer, reached afresh on
// every command, acts on its active window. Made once when the consumers are loaded.

#include "platform/modules/OffersConsumer.h"
#include "workspace/targets/DisplayParamsCmdTarget.h"

class CmdTargetOffers : public DisplayParamsCmdTarget
{
public:
    using Accessor = std::function<OffersConsumer*()>;

    CmdTargetOffers(Accessor consumer, Services services);

protected:
    // The offers take a colour from the colour dialog with their apply, not a redraw.
    void AfterCustomColour() override { Run(Ops().apply); }
};
