#pragma once
// An application for the global settings: it knows the providers it is given, records every
// call, in order, into a shared list (together with the providers' time-source notices), and
// hands out the updater it is given.

#include "core/settings/DataVersionUpdater.h"
#include "core/settings/IGlobalSettingsHost.h"
#include "tests/support/FakeProvider.h"

#include <QStringList>

#include <memory>
#include <vector>

class TimeSourceProvider : public FakeProvider
{
public:
    TimeSourceProvider(const QString& name, QStringList& calls) : FakeProvider(name), m_calls(calls) {}

    void NotifyLastTimeChanged(bool isTimeSource) override
    {
        m_calls.append(QStringLiteral("%1:NotifyLastTimeChanged(%2)").arg(GetName(), isTimeSource ? "true" : "false"));
    }

private:
    QStringList& m_calls;
};

class RecordingGlobalSettingsHost : public IGlobalSettingsHost
{
public:
    std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() override { return updater; }
    std::vector<QString> GetProvidersNames() const override
    {
        std::vector<QString> names;
        for (const auto& provider : providers)
            names.push_back(provider->GetName());
        return names;
    }
    ProviderBase* GetRunningProvider(const QString& name) override
    {
        calls.append(QStringLiteral("GetRunningProvider(%1)").arg(name));
        for (const auto& provider : providers)
            if (provider->GetName().compare(name, Qt::CaseInsensitive) == 0 && provider->IsRunning())
                return provider.get();
        return nullptr;
    }
    void ApplyRibbonTheme() override { calls.append(QStringLiteral("ApplyRibbonTheme")); }
    void SetPulpitTabPosition(unsigned position) override
    {
        calls.append(QStringLiteral("SetPulpitTabPosition(%1)").arg(position));
    }
    void ClearStatusBarInfoText() override { calls.append(QStringLiteral("ClearStatusBarInfoText")); }
    void NotifyGlobalSettingsChanged() override { calls.append(QStringLiteral("NotifyGlobalSettingsChanged")); }

    TimeSourceProvider& AddProvider(const QString& name)
    {
        providers.push_back(std::make_unique<TimeSourceProvider>(name, calls));
        return *providers.back();
    }

    std::shared_ptr<DataVersionUpdater> updater;
    std::vector<std::unique_ptr<TimeSourceProvider>> providers;
    QStringList calls;
};
