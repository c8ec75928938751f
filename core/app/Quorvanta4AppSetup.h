#pragma once
// What the application object is made with: the mediator's setup with the edition factory, and
// the styles. Without styles the program starts with the look the windows have of their own.

#include "core/app/IApplicationStyles.h"
#include "core/mediator/AppMediatorSetup.h"

#include <memory>

struct Quorvanta4AppSetup
{
    AppMediatorSetup mediator;
    std::shared_ptr<IApplicationStyles> styles;
};
