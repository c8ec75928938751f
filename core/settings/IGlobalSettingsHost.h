#pragma once
// What the global settings need of the running application: the data-version updater, the
// data providers, and the windows that follow the settings after a save. The application
// mediator implements it (it reaches the main frame and the consumer manager); tests give a
// fake. Called on the main thread.

#include <QString>

#include <memory>
#include <vector>

class DataVersionUpdater;
class ProviderBase;

class IGlobalSettingsHost
{
public:
    virtual ~IGlobalSettingsHost() = default;

    // The updater of the run, made once and kept by the host; null runs no data-version check.
    virtual std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() = 0;
    // Every loaded data provider's name, in load order.
    virtual std::vector<QString> GetProvidersNames() const = 0;
    // The provider of that name (ignoring case) when it is running, else null.
    virtual ProviderBase* GetRunningProvider(const QString& name) = 0;

    // The main frame applies its current ribbon colour theme again.
    virtual void ApplyRibbonTheme() = 0;
    // When the main frame's window exists and its workspace tabs stand elsewhere, they move
    // to the position (0 top, 1 left, 2 bottom, 3 right).
    virtual void SetPulpitTabPosition(unsigned position) = 0;
    // When the main frame is known, its status bar's info pane is emptied and hidden.
    virtual void ClearStatusBarInfoText() = 0;
    // Every loaded consumer library learns that the global settings changed.
    virtual void NotifyGlobalSettingsChanged() = 0;
};
