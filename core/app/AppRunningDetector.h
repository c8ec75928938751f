#pragma once
// Tells whether the program already runs in the user's session. Every install shares one lock
// file, named after "@Kelvora_Quorvanta4_Synchro_Mutex@", in the user's runtime folder; the
// first instance takes it and holds it until it ends. A lock left by an instance that died is
// taken over.

#include <QLockFile>
#include <QString>

#include <optional>

class AppRunningDetector
{
public:
    static inline const QString kMutexName = QStringLiteral("@Kelvora_Quorvanta4_Synchro_Mutex@");

    explicit AppRunningDetector(const QString& name = kMutexName);

    // True when another instance holds the lock. The first call takes the lock when it is free;
    // the answer stays the same for the detector's life.
    bool IsAppAlreadyRunning();

    // The user's runtime folder, where the lock and the hand-over socket live.
    static QString RuntimeFolder();

private:
    QLockFile m_lock;
    std::optional<bool> m_running;
};
