#include "core/settings/SettingsFileBackup.h"

#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"

#include <QFile>

namespace SettingsFileBackup
{
namespace
{
constexpr int kMaxCopies = 100;

void ReportFailure(const QString& path, const QString& reason, int line)
{
    Log::WriteError(QStringLiteral("Nie można zachować kopii pliku %1: %2").arg(path, reason),
                    QString::fromUtf8(AppPaths::kProductName), QStringLiteral("SettingsFileBackup::KeepCopy"), line);
}
}

bool KeepCopy(const QString& path, QString& backupPath)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        ReportFailure(path, file.errorString(), __LINE__);
        return false;
    }
    const QByteArray content = file.readAll();
    const QFileDevice::Permissions permissions = file.permissions();
    file.close();

    for (int number = 1; number <= kMaxCopies; ++number)
    {
        const QString candidate = path + (number == 1 ? QStringLiteral(".bak") : QStringLiteral(".bak%1").arg(number));
        QString reason;
        switch (AtomicFile::CreateNew(candidate, content, permissions, &reason))
        {
        case AtomicFile::CreateResult::Created:
            backupPath = candidate;
            return true;
        case AtomicFile::CreateResult::AlreadyExists:
            continue;
        case AtomicFile::CreateResult::Failed:
            ReportFailure(path, reason, __LINE__);
            return false;
        }
    }
    ReportFailure(path, QStringLiteral("istnieje już %1 kopii").arg(kMaxCopies), __LINE__);
    return false;
}
}
