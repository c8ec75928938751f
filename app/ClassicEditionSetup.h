#pragma once
// What the standard edition's application object is made with: the edition factory, the
// general and global settings, the session-statistics module, the message popups in the
// program's look, and the display styles with the application themes.

#include "core/app/Quorvanta4AppSetup.h"

Quorvanta4AppSetup MakeClassicEditionSetup();
