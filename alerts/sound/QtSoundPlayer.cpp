#include "alerts/sound/QtSoundPlayer.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

void QtSoundPlayer::PlayFileBlocking(const QString& path)
{
    m_purge.store(false);
    if (path.isEmpty() || !QFileInfo(path).isFile())
    {
        // Said once a file: a missing sound is a setting to mend, not a fault of each alert.
        if (m_missingLogged.insert(path).second)
            Log::WriteWarning(QStringLiteral("Moduł alertów: nie ma pliku dźwięku alertu \"%1\"; alert zostanie ogłoszony bez dźwięku.")
                                  .arg(QDir::toNativeSeparators(path)),
                              QString::fromLatin1(AppPaths::kProductName), QStringLiteral("QtSoundPlayer::PlayFileBlocking"),
                              __LINE__);
        return;
    }
    if (QMediaDevices::audioOutputs().isEmpty())
    {
        if (!m_noDeviceLogged.exchange(true))
            Log::WriteWarning(QStringLiteral("Moduł alertów: brak urządzenia dźwiękowego, dźwięki alertów nie będą odtwarzane."),
                              QString::fromLatin1(AppPaths::kProductName), QStringLiteral("QtSoundPlayer::PlayFileBlocking"),
                              __LINE__);
        return;
    }
    QEventLoop loop;
    QSoundEffect effect;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&effect, &loop] {
        if (effect.status() == QSoundEffect::Ready)
            effect.play();
        else if (effect.status() == QSoundEffect::Error)
            loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&effect, &loop] {
        if (!effect.isPlaying())
            loop.quit();
    });
    // Polled, since Purge comes from another thread and the loop belongs to this one.
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop, &elapsed] {
        if (m_purge.load() || elapsed.elapsed() > kLongestSoundMs)
            loop.quit();
    });
    poll.start(50);
    effect.setSource(QUrl::fromLocalFile(path));
    loop.exec();
    effect.stop();
}
