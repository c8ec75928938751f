#include "core/app/AppRunningDetector.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QDir>
#include <QStandardPaths>

AppRunningDetector::AppRunningDetector(const QString& name)
    : m_lock(QDir(RuntimeFolder()).filePath(name + QStringLiteral(".lock")))
{
    // Only a lock whose process is gone is stale, however long the program runs.
    m_lock.setStaleLockTime(0);
}

bool AppRunningDetector::IsAppAlreadyRunning()
{
    if (m_running)
        return *m_running;
    if (m_lock.tryLock(0))
        m_running = false;
    else if (m_lock.error() == QLockFile::LockFailedError)
        m_running = true;
    else
    {
        // A lock file that cannot be made at all must not keep the user out of the program.
        Log::WriteWarning(QStringLiteral("Nie można sprawdzić, czy program już działa (plik blokady \"%1\"). Program działa dalej.")
                              .arg(m_lock.fileName()),
                          QString::fromUtf8(AppPaths::kProductName), QStringLiteral("AppRunningDetector::IsAppAlreadyRunning"),
                          __LINE__);
        m_running = false;
    }
    return *m_running;
}

QString AppRunningDetector::RuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
