#pragma once
// The command targets the standard edition gives the windows of the built-in module
// libraries, made once when the consumers are loaded; null for a kind without one here.

#include "core/engine/ConsumerManager.h"

#include <memory>

class CmdTarget;

std::shared_ptr<CmdTarget> MakeModuleCmdTargetQ4Classic(BuiltInConsumer kind);
