#include "alerts/ui/DeferredSoundPlayer.h"

#include "alerts/sound/SoundPlayerLibrary.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QDir>
#include <QLibrary>

namespace
{
using CreatePlayer = ISoundPlayer* (*)();
}

void DeferredSoundPlayer::PlayFileBlocking(const QString& path)
{
    if (!m_player && (m_failed || !Load()))
        return;
    m_player->PlayFileBlocking(path);
}

void DeferredSoundPlayer::Purge()
{
    if (ISoundPlayer* player = m_ready.load())
        player->Purge();
}

bool DeferredSoundPlayer::Load()
{
    // Never unloaded: the player's code lives in it until the program ends.
    QLibrary library(QDir(AppPaths::ExecutableFolder()).filePath(QString::fromLatin1(kLibraryName)));
    const auto create = reinterpret_cast<CreatePlayer>(library.resolve(kCreateSoundPlayerExport));
    if (create)
        m_player.reset(create());
    if (!m_player)
    {
        m_failed = true;
        Log::WriteWarning(QStringLiteral("Moduł alertów: nie można załadować odtwarzacza dźwięków (%1), alerty będą ogłaszane bez dźwięku.")
                              .arg(library.errorString()),
                          QString::fromLatin1(AppPaths::kProductName), QStringLiteral("DeferredSoundPlayer::Load"), __LINE__);
        return false;
    }
    m_ready.store(m_player.get());
    return true;
}
