#pragma once
// What the standard edition's application object is made with: the edition factory, the
// general and global settings, the alert and session-statistics modules, the cloud module
// connected to the mediator and the main frame, the message popups in the program's look, and
// the display styles with the application themes.

#include "core/app/Quorvanta4AppSetup.h"

Quorvanta4AppSetup MakeClassicEditionSetup();
