#pragma once
// What the global settings need of the running program, answered through the application
// mediator of the run: its data-version updater and providers, the main frame's colour theme,
// workspace tabs and status bar, and the module libraries. Before the mediator is made and
// after it is gone the answers are empty and nothing is done. Main thread only.

#include "core/settings/IGlobalSettingsHost.h"

class GlobalSettingsHostQ4Classic : public IGlobalSettingsHost
{
public:
    std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() override;
    std::vector<QString> GetProvidersNames() const override;
    ProviderBase* GetRunningProvider(const QString& name) override;
    void ApplyRibbonTheme() override;
    void SetPulpitTabPosition(unsigned position) override;
    void ClearStatusBarInfoText() override;
    void NotifyGlobalSettingsChanged() override;
};
