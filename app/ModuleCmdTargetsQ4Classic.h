#pragma once
// The command targets the standard edition gives the windows of the built-in module
// libraries, made once when the consumers are loaded; null for a kind without one here.

#include "core/engine/ConsumerManager.h"

#include <memory>

class CmdTarget;
class PulpitFrame;

std::shared_ptr<CmdTarget> MakeModuleCmdTargetQ4Classic(BuiltInConsumer kind);
// The commands of the alerts tab, reaching the alert module through the mediator and the
// controls through the frame's ribbon. No cloud alert manager takes the cloud rows yet.
std::shared_ptr<CmdTarget> MakeCmdTargetAlertsQ4Classic(PulpitFrame& frame);
