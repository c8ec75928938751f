#include "app/GlobalSettingsHostQ4Classic.h"

#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "ribbon/statusbar/QuorvantaStatusBar.h"
#include "ribbon/themes/RibbonThemes.h"
#include "workspace/ui/PulpitFrame.h"

namespace
{
PulpitFrame* Frame()
{
    const AppMediator* mediator = AppMediator::Instance();
    return mediator ? dynamic_cast<PulpitFrame*>(mediator->GetMainFrame()) : nullptr;
}
}

std::shared_ptr<DataVersionUpdater> GlobalSettingsHostQ4Classic::GetDataVersionUpdater()
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetDataVersionUpdater() : nullptr;
}

std::vector<QString> GlobalSettingsHostQ4Classic::GetProvidersNames() const
{
    std::vector<QString> names;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->GetProvidersNames(names);
    return names;
}

ProviderBase* GlobalSettingsHostQ4Classic::GetRunningProvider(const QString& name)
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetRunningProvider(name) : nullptr;
}

void GlobalSettingsHostQ4Classic::ApplyRibbonTheme()
{
    ::ApplyRibbonTheme(GetCurrentRibbonThemeIndex());
}

void GlobalSettingsHostQ4Classic::SetPulpitTabPosition(unsigned position)
{
    if (PulpitFrame* frame = Frame())
        frame->SetPulpitTabPosition(static_cast<int>(position));
}

void GlobalSettingsHostQ4Classic::ClearStatusBarInfoText()
{
    PulpitFrame* frame = Frame();
    if (QuorvantaStatusBar* statusBar = frame ? frame->GetStatusBar() : nullptr)
        statusBar->SetInfoText(QString());
}

void GlobalSettingsHostQ4Classic::NotifyGlobalSettingsChanged()
{
    if (const AppMediator* mediator = AppMediator::Instance())
        mediator->GetConsumerManager()->NotifyGlobalSettingsChanged();
}
