#pragma once
// The module libraries the standard edition is built with, handed to the consumer manager as
// accessors; only the edition links them all.

#include "core/engine/BuiltInConsumerAccessors.h"

BuiltInConsumerAccessors ClassicBuiltInConsumers();
