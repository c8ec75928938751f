#include "platform/modules/IInstrumentFollower.h"

// Out of line, so that the interface's type is one across the module libraries.
IInstrumentFollower::~IInstrumentFollower() = default;
