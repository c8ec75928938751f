#pragma once
// The modules as the desktop and session files see them, reached through the application
// mediator: the consumers and the in-process modules keep their states in the session, the
// alerts start empty before a desktop that holds alerts loads (one without keeps the user's)
// and lose what it left without a source, and the quote tables learn the windows they may
// follow. Main thread only.

#include "workspace/engine/IDesktopModules.h"

class AppMediator;

class MediatorDesktopModules : public IDesktopModules
{
public:
    explicit MediatorDesktopModules(AppMediator& mediator);

    IGenericModule* GetModuleByName(const QString& name) const override;
    void SerialiseModulesStates(Settings& session) override;
    void SerialiseModulesStatesToQ5Format(Q5Settings& session) override;
    void UnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates) override;
    void PostUnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates,
                                      QWidget* activeView) override;
    void BeginDesktopLoad(const Settings& modulesStates) override;
    void EndDesktopLoad() override;
    void AfterDesktopLoaded() override;
    void NotifySessionLoaded(QWidget* activeView) override;
    bool CanSavePanelSettingsToQ5Format() const override;
    bool SavePanelSettingsToQ5Format(Q5Settings& node) override;

private:
    AppMediator& m_mediator;
};
