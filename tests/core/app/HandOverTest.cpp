#include "core/app/HandOverChannel.h"
#include "core/app/HandOverMessage.h"
#include "core/app/Quorvanta4App.h"
#include "platform/base/LocalSocket.h"
#include "platform/base/Log.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <sys/socket.h>
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

std::size_t OpenDescriptors()
{
    const std::filesystem::directory_iterator entries("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
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

    struct Exchange
    {
        bool connected = false;
        std::optional<char> answer;
    };

    // A sender that sends the bytes and, with closeSending, closes its sending end, from another
    // thread; what it gets back before the channel's time is long over.
    Exchange ExchangeFromAnotherThread(const QByteArray& bytes, bool closeSending)
    {
        std::atomic<bool> done = false;
        Exchange exchange;
        std::thread sender([&] {
            const QDeadlineTimer deadline(kTimeoutMs + 3000);
            const UniqueFd socket = LocalSocket::Connect(QFile::encodeName(HandOverChannel::SocketPath(kName)), deadline);
            exchange.connected = static_cast<bool>(socket);
            if (socket)
            {
                LocalSocket::SendAll(socket.Get(), bytes, deadline);
                if (closeSending)
                    ::shutdown(socket.Get(), SHUT_WR);
                exchange.answer = LocalSocket::ReceiveByte(socket.Get(), deadline);
            }
            done = true;
        });
        TestApplication::ProcessEventsUntil([&] { return done.load(); }, 10000);
        sender.join();
        return exchange;
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

TEST_F(HandOverChannelTest, EachConnectionGetsOneAnswerOrIsCutOffAndLeavesNoDescriptorOpen)
{
    ASSERT_TRUE(channel.Listen([this](std::uint32_t id, const QByteArray& bytes) {
        received.emplace_back(id, HandOverMessage::PathFromBytes(bytes));
        return id != 0;
    }));
    const QByteArray whole = HandOverMessage::Encode(kName, QStringLiteral("/d/a.q4c"));
    // The event loop makes its own descriptors when it first runs.
    ASSERT_EQ(ExchangeFromAnotherThread(whole, false).answer, '1');
    const std::size_t descriptors = OpenDescriptors();

    const struct
    {
        const char* what;
        QByteArray bytes;
        bool closeSending;
        std::optional<char> answer;
    } cases[] = {
        {"whole", whole, false, '1'},
        {"whole, then the sender closes", whole, true, '1'},
        {"another install's", HandOverMessage::Encode(QStringLiteral("RunAssocFile__inna"), QStringLiteral("/d/a.q4c")), false, '0'},
        {"no path", HandOverMessage::Encode(kName, QString()), false, '0'},
        {"trailing byte", whole + "x", false, std::nullopt},
        {"malformed", QByteArray::fromHex("7fffffff") + "x", false, std::nullopt},
        {"too long", Message("n", QByteArray(HandOverMessage::kMaxBytes, 'a')), false, std::nullopt},
        {"cut, the sender closes", whole.left(10), true, std::nullopt},
        {"stalled", whole.left(10), false, std::nullopt},
        {"nothing", QByteArray(), false, std::nullopt},
    };
    for (const auto& testCase : cases)
    {
        const Exchange exchange = ExchangeFromAnotherThread(testCase.bytes, testCase.closeSending);
        EXPECT_TRUE(exchange.connected) << testCase.what;
        EXPECT_EQ(exchange.answer, testCase.answer) << testCase.what;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenDescriptors(), descriptors);
    EXPECT_EQ(received.size(), 4u);
}

TEST_F(HandOverChannelTest, ASocketOfAnInstanceThatDiedIsReplacedByOneThatAnswers)
{
    const QString path = HandOverChannel::SocketPath(kName);
    {
        // A socket file whose process has gone: nothing listens behind it any more.
        const UniqueFd dead(::socket(AF_UNIX, SOCK_STREAM, 0));
        const std::optional<sockaddr_un> address = LocalSocket::Address(QFile::encodeName(path));
        ASSERT_TRUE(address);
        ASSERT_EQ(::bind(dead.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address), 0);
    }
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(HandOverChannel::Send(kName, QStringLiteral("/d/a.q4c"), 500));
    ASSERT_TRUE(channel.Listen([](std::uint32_t, const QByteArray&) { return true; }));
    EXPECT_TRUE(SendFromAnotherThread(kName, QStringLiteral("/d/a.q4c")));
}

TEST_F(HandOverChannelTest, AnEndingChannelRemovesItsSocketButNotOneThatReplacedIt)
{
    const QString path = HandOverChannel::SocketPath(kName);
    {
        HandOverChannel ending(kName, 1);
        ASSERT_TRUE(ending.Listen({}));
        ASSERT_TRUE(QFileInfo::exists(path));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    {
        HandOverChannel replaced(kName, 1);
        ASSERT_TRUE(replaced.Listen({}));
        ASSERT_TRUE(channel.Listen([](std::uint32_t, const QByteArray&) { return true; }));
    }
    EXPECT_TRUE(SendFromAnotherThread(kName, QStringLiteral("/d/a.q4c")));
}

TEST_F(HandOverChannelTest, ASocketPathTheSystemCannotTakeIsAFailureInTheLog)
{
    // A runtime folder so deep that even the shortened socket name does not fit.
    const QString level(60, QLatin1Char('r'));
    const QString deep = home.Path() + QLatin1Char('/') + level + QLatin1Char('/') + level;
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_TRUE(QFile::setPermissions(deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(deep));
    ASSERT_TRUE(Log::Init(home.Path() + QStringLiteral("/Log.txt")));
    EXPECT_FALSE(channel.Listen([](std::uint32_t, const QByteArray&) { return true; }));
    EXPECT_FALSE(HandOverChannel::Send(kName, QStringLiteral("/d/a.q4c"), 500));
    Log::Close();
    QFile errors(home.Path() + QStringLiteral("/LogError.txt"));
    ASSERT_TRUE(errors.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(errors.readAll()).contains(HandOverChannel::SocketPath(kName)));
}
