#pragma once
// The updater launcher as the application object and the update command use it.

class IUpdatesHandler
{
public:
    virtual ~IUpdatesHandler() = default;

    // Offers the update (on the program's way out).
    virtual void AskToUpdate() = 0;
    // Checks quietly (at start).
    virtual void UpdateHidden() = 0;
    // The user asked for an update check.
    virtual void CheckForUpdates() = 0;
};
