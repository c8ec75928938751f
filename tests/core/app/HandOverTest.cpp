#include "core/app/HandOverChannel.h"
#include "core/app/HandOverMessage.h"
#include "core/app/Quorvanta4App.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"

#include <QLocalSocket>
#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
const QString kName = QStringLiteral("RunAssocFile__opt_q4_bin_quorvanta4");

QByteArray Utf16(const QString& text)
{
    QByteArray bytes;
    for (const QChar character : text)
    {
        char unit[2];
        qToLittleEndian(character.unicode(), unit);
        bytes.append(unit, 2);
    }
    return bytes;
}

QByteArray Message(const QByteArray& name, const QByteArray& path)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(static_cast<quint32>(name.size()), bytes.data());
    bytes.append(name);
    QByteArray length(4, '\0');
    qToBigEndian(static_cast<quint32>(path.size()), length.data());
    return bytes + length + path;
}
}

TEST(HandOverMessageTest, OnlyAWholeWellFormedMessageDecodes)
{
    const QString path = QStringLiteral("/home/użytkownik/Pulpit 1.q4s");
    const QByteArray good = HandOverMessage::Encode(kName, path);
    const std::optional<HandOverMessage> decoded = HandOverMessage::Decode(good);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->messageName, kName);
    EXPECT_EQ(decoded->pathBytes, Utf16(path));
    EXPECT_EQ(HandOverMessage::PathFromBytes(decoded->pathBytes), path);

    const struct
    {
        const char* what;
        QByteArray bytes;
        HandOverMessage::Status status;
    } cases[] = {
        {"whole", good, HandOverMessage::Status::Complete},
        {"empty", QByteArray(), HandOverMessage::Status::Incomplete},
        {"cut", good.left(good.size() - 1), HandOverMessage::Status::Incomplete},
        {"trailing byte", good + "x", HandOverMessage::Status::Invalid},
        {"odd path", Message("n", QByteArray("abc")), HandOverMessage::Status::Complete},
        {"zero character", Message("n", Utf16(QStringLiteral("a")) + QByteArray(2, '\0') + Utf16(QStringLiteral("b"))),
         HandOverMessage::Status::Complete},
        {"empty path", Message("n", QByteArray()), HandOverMessage::Status::Complete},
        {"long name", Message(QByteArray(HandOverMessage::kMaxNameBytes + 1, 'n'), Utf16(QStringLiteral("a"))),
         HandOverMessage::Status::Invalid},
        {"long path", Message("n", QByteArray(HandOverMessage::kMaxBytes, 'a')), HandOverMessage::Status::Invalid},
        {"huge length", QByteArray::fromHex("00000001") + "n" + QByteArray::fromHex("ffffffff"), HandOverMessage::Status::Invalid},
    };
    for (const auto& testCase : cases)
    {
        EXPECT_EQ(HandOverMessage::Check(testCase.bytes), testCase.status) << testCase.what;
        if (QByteArrayView(testCase.what) != "whole")
        {
            EXPECT_FALSE(HandOverMessage::Decode(testCase.bytes)) << testCase.what;
        }
    }
}

TEST(HandOverMessageTest, EachInstallHasItsOwnMessageName)
{
    EXPECT_EQ(Quorvanta4App::BuildRunAssocFileMessageName(QStringLiteral("/opt/q4/bin/quorvanta4")), kName);
    EXPECT_EQ(Quorvanta4App::BuildRunAssocFileMessageName(QStringLiteral("C:\\Program Files\\Q4\\q4.exe")),
              QStringLiteral("RunAssocFile_C__Program Files_Q4_q4_exe"));
    EXPECT_NE(Quorvanta4App::BuildRunAssocFileMessageName(QStringLiteral("/opt/q4/bin/quorvanta4")),
              Quorvanta4App::BuildRunAssocFileMessageName(QStringLiteral("/opt/q4b/bin/quorvanta4")));
}

class HandOverChannelTest : public ::testing::Test
{
protected:
    HandOverChannelTest() { TestApplication::Ensure(); }

    // Sends from another thread, as a second start would, while this thread serves the channel.
    bool SendFromAnotherThread(const QString& messageName, const QString& path)
    {
        std::atomic<bool> done = false;
        bool opened = false;
        std::thread sender([&] {
            opened = HandOverChannel::Send(messageName, path);
            done = true;
        });
        TestApplication::ProcessEventsUntil([&] { return done.load(); }, 10000);
        sender.join();
        return opened;
    }

    TempHome home;
    static constexpr int kTimeoutMs = 300;

    HandOverChannel channel{kName, 0xC123, kTimeoutMs};
    std::vector<std::pair<std::uint32_t, QString>> received;
};

TEST_F(HandOverChannelTest, TheRunningInstanceGetsThePathWithTheIdOfItsOwnMessageAndAnswers)
{
    ASSERT_TRUE(channel.Listen([this](std::uint32_t id, const QByteArray& bytes) {
        received.emplace_back(id, HandOverMessage::PathFromBytes(bytes));
        return id != 0;
    }));
    EXPECT_TRUE(SendFromAnotherThread(kName, QStringLiteral("/d/wykres.q4c")));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], std::make_pair(std::uint32_t{0xC123}, QStringLiteral("/d/wykres.q4c")));
}

TEST_F(HandOverChannelTest, AMessageOfAnotherInstallGetsNoIdAndIsRefused)
{
    ASSERT_TRUE(channel.Listen([this](std::uint32_t id, const QByteArray& bytes) {
        received.emplace_back(id, HandOverMessage::PathFromBytes(bytes));
        return id != 0;
    }));
    // Another install's sender reaches this socket only through a forged name.
    QLocalSocket socket;
    socket.connectToServer(HandOverChannel::SocketPath(kName));
    ASSERT_TRUE(socket.waitForConnected(2000));
    socket.write(HandOverMessage::Encode(QStringLiteral("RunAssocFile__inna_instalacja"), QStringLiteral("/d/a.q4c")));
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received[0].first, 0u);
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] {
        socket.waitForReadyRead(10);
        return socket.bytesAvailable() > 0;
    }));
    EXPECT_EQ(socket.readAll(), QByteArray("0"));
}

TEST_F(HandOverChannelTest, AMalformedOrStalledSenderIsCutOffWithoutReachingTheReceiver)
{
    ASSERT_TRUE(channel.Listen([this](std::uint32_t id, const QByteArray& bytes) {
        received.emplace_back(id, QString());
        return true;
    }));
    QLocalSocket malformed;
    malformed.connectToServer(HandOverChannel::SocketPath(kName));
    ASSERT_TRUE(malformed.waitForConnected(2000));
    malformed.write(QByteArray::fromHex("7fffffff") + "x");
    malformed.flush();
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] {
        malformed.waitForDisconnected(10);
        return malformed.state() == QLocalSocket::UnconnectedState;
    }));

    QLocalSocket stalled;
    stalled.connectToServer(HandOverChannel::SocketPath(kName));
    ASSERT_TRUE(stalled.waitForConnected(2000));
    stalled.write(HandOverMessage::Encode(kName, QStringLiteral("/d/a.q4c")).left(10));
    stalled.flush();
    EXPECT_TRUE(TestApplication::ProcessEventsUntil(
        [&] {
            stalled.waitForDisconnected(10);
            return stalled.state() == QLocalSocket::UnconnectedState;
        },
        kTimeoutMs + 3000));
    EXPECT_TRUE(received.empty());
}

TEST_F(HandOverChannelTest, WithoutARunningInstanceSendingGivesUpAtOnce)
{
    EXPECT_FALSE(HandOverChannel::Send(kName, QStringLiteral("/d/a.q4c"), 500));
}

TEST_F(HandOverChannelTest, ASocketLeftByAnInstanceThatDiedIsReplaced)
{
    {
        HandOverChannel dead(kName, 1);
        ASSERT_TRUE(dead.Listen({}));
    }
    // The file stays when a process dies; make it as one would.
    QFile leftover(HandOverChannel::SocketPath(kName));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    EXPECT_TRUE(channel.Listen([](std::uint32_t, const QByteArray&) { return true; }));
}

TEST_F(HandOverChannelTest, TheSocketIsTheUsersOwn)
{
    ASSERT_TRUE(channel.Listen([](std::uint32_t, const QByteArray&) { return true; }));
    const QFileDevice::Permissions permissions = QFileInfo(HandOverChannel::SocketPath(kName)).permissions();
    EXPECT_FALSE(permissions & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther));
}
