#pragma once
// What the standard edition's application object is made with.

#include "core/app/Quorvanta4AppSetup.h"

Quorvanta4AppSetup MakeClassicEditionSetup();
