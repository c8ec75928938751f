#pragma once
// The updater as the application object starts it: a quiet check while the program starts, and
// the offer to update on the way out.

class IUpdatesHandler
{
public:
    virtual ~IUpdatesHandler() = default;

    virtual void UpdateHidden() = 0;
    virtual void AskToUpdate() = 0;
};
