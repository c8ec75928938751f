#pragma once
// The state of the application that a module may set through the mediator for a while: whether
// the main frame applies ribbon contexts (a module that changes many windows at once turns it
// off and back on).

struct ApplicationState
{
    bool RibbonUpdateAlgorithmAllowed = true;
};
