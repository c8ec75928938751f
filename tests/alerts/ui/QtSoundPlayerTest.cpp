#include "AlertsFakes.h"

#include "alerts/sound/QtSoundPlayer.h"
#include "alerts/ui/DeferredSoundPlayer.h"
#include "core/settings/AlertsGeneralSettingsKeys.h"
#include "platform/base/AppPaths.h"
#include "tests/support/ui/TestApplication.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
struct WaveInfo
{
    bool valid = false;
    double seconds = 0.0;
    QByteArray samples;
};

// The format and length of a PCM wave file, read as any player would.
WaveInfo ReadWave(const QString& path)
{
    QFile file(path);
    WaveInfo info;
    if (!file.open(QIODevice::ReadOnly))
        return info;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return info;
    QDataStream stream(bytes);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream.skipRawData(22);
    quint16 channels = 0;
    quint32 rate = 0;
    quint32 byteRate = 0;
    stream >> channels >> rate >> byteRate;
    const int data = static_cast<int>(bytes.indexOf("data"));
    if (data < 0 || byteRate == 0)
        return info;
    QDataStream size(bytes.mid(data + 4, 4));
    size.setByteOrder(QDataStream::LittleEndian);
    quint32 length = 0;
    size >> length;
    info.samples = bytes.mid(data + 8, static_cast<int>(length));
    info.seconds = static_cast<double>(info.samples.size()) / byteRate;
    info.valid = channels >= 1 && rate > 0 && info.samples.size() == static_cast<int>(length);
    return info;
}
}

TEST(AlertSoundFiles, TheDefaultSettingsPointAtTwoShortDistinctSounds)
{
    TestApplication::Ensure();
    const WaveInfo buy = ReadWave(AlertsGeneralSettingsKeys::DefaultSoundPath(AlertsGeneralSettingsKeys::kBuySoundFile));
    const WaveInfo sell = ReadWave(AlertsGeneralSettingsKeys::DefaultSoundPath(AlertsGeneralSettingsKeys::kSellSoundFile));
    ASSERT_TRUE(buy.valid);
    ASSERT_TRUE(sell.valid);
    for (const WaveInfo* sound : {&buy, &sell})
    {
        EXPECT_GT(sound->seconds, 0.1);
        EXPECT_LT(sound->seconds, 2.0);
    }
    EXPECT_NE(buy.samples, sell.samples);
}

TEST(QtSoundPlayer, AMissingFileIsLoggedOnceAndNothingPlays)
{
    TestApplication::Ensure();
    const LogCapture log;
    QtSoundPlayer player;
    const QString missing = QStringLiteral("/nie/ma/takiego/buy.wav");
    player.PlayFileBlocking(missing);
    player.PlayFileBlocking(missing);
    player.PlayFileBlocking(QStringLiteral("/nie/ma/takiego/sell.wav"));
    const QString text = log.Text();
    EXPECT_EQ(text.count(QStringLiteral("/nie/ma/takiego/buy.wav")), 1);
    EXPECT_EQ(text.count(QStringLiteral("/nie/ma/takiego/sell.wav")), 1);
}

TEST(DeferredSoundPlayer, LoadsThePlayerBesideTheExecutableOrSaysOnceThatItCannot)
{
    TestApplication::Ensure();
    const QString missing = QStringLiteral("/nie/ma/takiego/buy.wav");
    {
        // Beside the tests, as beside the program: the real player answers.
        const LogCapture log;
        DeferredSoundPlayer player;
        player.PlayFileBlocking(missing);
        player.Purge();
        EXPECT_EQ(log.Text().count(missing), 1);
    }
    const QString executableFolder = AppPaths::ExecutableFolder();
    QTemporaryDir empty;
    AppPaths::SetExecutableFolder(empty.path());
    {
        const LogCapture log;
        DeferredSoundPlayer player;
        player.Purge();
        player.PlayFileBlocking(missing);
        player.PlayFileBlocking(missing);
        EXPECT_EQ(log.Text().count(QStringLiteral("nie można załadować odtwarzacza dźwięków")), 1);
    }
    AppPaths::SetExecutableFolder(executableFolder);
}
