#pragma once
// The application as the news and the version page see it, for tests: the running providers and
// the data-version updater the test sets, and warnings kept as "module|where|text".

#include "core/help/IHelpHost.h"
#include "platform/modules/ProviderBase.h"

#include <QStringList>

#include <functional>
#include <map>

class RecordingHelpHost : public IHelpHost
{
public:
    QString GetProductName() override { return QStringLiteral("Quorvanta 4"); }
    QString GetInstallSettingsName() override { return QStringLiteral("InstallSettings"); }
    ProviderBase* GetRunningProvider(const QString& name) override
    {
        const auto found = runningProviders.find(name);
        return found == runningProviders.end() ? nullptr : found->second;
    }
    std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() override
    {
        return dataVersionUpdater ? dataVersionUpdater() : nullptr;
    }
    void WriteWarning(const QString& module, const QString& where, int line, const QString& text) override
    {
        warnings.append(QStringLiteral("%1|%2|%3").arg(module, where, text));
    }

    std::map<QString, ProviderBase*> runningProviders;
    std::function<std::shared_ptr<DataVersionUpdater>()> dataVersionUpdater;
    QStringList warnings;
};
