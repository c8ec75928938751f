#include "app/GlobalSettingsHostQ4Classic.h"

#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "ribbon/statusbar/QuorvantaStatusBar.h"
#include "ribbon/themes/RibbonThemes.h"
#include "workspace/ui/PulpitFrame.h"

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
    const AppMediator* mediator = AppMediator::Instance();
    if (!mediator || !mediator->GetMainFrame())
        return;
    Log::WriteWarning(QStringLiteral("Nie zmieniono położenia zakładek ekranów (%1): okno główne nie ma jeszcze zakładek "
                                     "ekranów.")
                          .arg(position),
                      QString::fromUtf8(AppPaths::kProductName),
                      QStringLiteral("GlobalSettingsHostQ4Classic::SetPulpitTabPosition"), __LINE__);
}

void GlobalSettingsHostQ4Classic::ClearStatusBarInfoText()
{
    const AppMediator* mediator = AppMediator::Instance();
    auto* frame = mediator ? dynamic_cast<PulpitFrame*>(mediator->GetMainFrame()) : nullptr;
    if (QuorvantaStatusBar* statusBar = frame ? frame->GetStatusBar() : nullptr)
        statusBar->SetInfoText(QString());
}

void GlobalSettingsHostQ4Classic::NotifyGlobalSettingsChanged()
{
    if (const AppMediator* mediator = AppMediator::Instance())
        mediator->GetConsumerManager()->NotifyGlobalSettingsChanged();
}
