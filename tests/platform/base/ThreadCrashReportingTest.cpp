#include "platform/base/MessageThread.h"
#include "platform/base/PlainThread.h"
#include "platform/base/ThreadCrashReporting.h"
#include "platform/base/ThreadEvent.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

namespace
{
// Records on which threads it was installed and uninstalled.
class RecordingHandler : public ICrashReportHandler
{
public:
    void InstallToThread() override
    {
        std::lock_guard lock(m_mutex);
        m_installed.push_back(std::this_thread::get_id());
    }
    void UninstallFromThread() override
    {
        std::lock_guard lock(m_mutex);
        m_uninstalled.push_back(std::this_thread::get_id());
    }
    std::vector<std::thread::id> Installed() const
    {
        std::lock_guard lock(m_mutex);
        return m_installed;
    }
    std::vector<std::thread::id> Uninstalled() const
    {
        std::lock_guard lock(m_mutex);
        return m_uninstalled;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::thread::id> m_installed;
    std::vector<std::thread::id> m_uninstalled;
};

class IdThread : public PlainThread
{
public:
    IdThread()
        : PlainThread(QStringLiteral("IdThread"))
    {
    }
    std::thread::id id;

protected:
    void Run() override { id = std::this_thread::get_id(); }
};

class IdMessageThread : public MessageThread
{
public:
    IdMessageThread()
        : MessageThread(QStringLiteral("IdMessageThread"))
    {
    }
    ~IdMessageThread() override { Stop(); }
    std::thread::id id;
    ThreadEvent started;

protected:
    bool InitInstance() override
    {
        id = std::this_thread::get_id();
        started.Set();
        return true;
    }
};

class ThreadCrashReportingTest : public testing::Test
{
protected:
    void TearDown() override { ThreadCrashReporting::SetCrashReportHandler(nullptr); }
};
}

TEST_F(ThreadCrashReportingTest, EveryThreadInstallsTheRegisteredHandlerAndUninstallsTheSameOne)
{
    auto first = std::make_shared<RecordingHandler>();
    ThreadCrashReporting::SetCrashReportHandler(first);

    IdThread plain;
    ASSERT_TRUE(plain.Start());
    plain.Join();
    IdMessageThread messages;
    ASSERT_TRUE(messages.Start());
    messages.started.Wait();

    // Replaced while the message thread runs: that thread still uninstalls the first one.
    auto second = std::make_shared<RecordingHandler>();
    ThreadCrashReporting::SetCrashReportHandler(second);
    messages.Stop();

    const std::vector<std::thread::id> both{plain.id, messages.id};
    EXPECT_EQ(first->Installed(), both);
    EXPECT_EQ(first->Uninstalled(), both);
    EXPECT_TRUE(second->Installed().empty());
    EXPECT_TRUE(second->Uninstalled().empty());
    EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), second);
}
