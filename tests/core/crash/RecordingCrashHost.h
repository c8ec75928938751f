#pragma once
// The application as the crash handler sees it, for tests: a fixed product name, the given
// application-data folder, and every logged error kept as "module|where|text".

#include "core/crash/ICrashReportingHost.h"

#include <QStringList>

#include <utility>

class RecordingCrashHost : public ICrashReportingHost
{
public:
    explicit RecordingCrashHost(QString appDataFolder = QStringLiteral("/dane"))
        : m_appDataFolder(std::move(appDataFolder))
    {
    }

    QString GetProductName() override { return QStringLiteral("Quorvanta 4"); }
    QString GetAppDataFolder(const QString& subFolder) override
    {
        return subFolder.isEmpty() ? m_appDataFolder : m_appDataFolder + QLatin1Char('/') + subFolder;
    }
    void WriteError(const QString& module, const QString& where, int line, const QString& text) override
    {
        errors.append(QStringLiteral("%1|%2|%3").arg(module, where, text));
    }

    QStringList errors;

private:
    QString m_appDataFolder;
};
