// Throughput of thread messages: how many posts per second a MessageThread takes and handles.

#include "platform/base/MessageThread.h"
#include "platform/base/ThreadEvent.h"

#include <benchmark/benchmark.h>

#include <atomic>

namespace
{
class CountingThread : public MessageThread
{
public:
    CountingThread()
        : MessageThread(QStringLiteral("CountingThread"))
    {
    }
    ~CountingThread() override { Stop(); }

    // Signals batchDone when the handled count reaches target.
    std::atomic<long> target = 0;
    ThreadEvent batchDone{ThreadEvent::ResetMode::Automatic};

protected:
    bool ProcessMessage(const ThreadMessage& message) override
    {
        if (++m_handled == target.load(std::memory_order_relaxed))
            batchDone.Set();
        return true;
    }

private:
    long m_handled = 0;
};

void BM_PostToHandle(benchmark::State& state)
{
    const long batch = state.range(0);
    CountingThread thread;
    if (!thread.Start())
    {
        state.SkipWithError("the message thread did not start");
        return;
    }
    long posted = 0;
    for (auto _ : state)
    {
        thread.target.store(posted + batch);
        for (long i = 0; i < batch; ++i)
            thread.PostThreadMessage(0x401, 0, i);
        posted += batch;
        thread.batchDone.Wait();
    }
    state.SetItemsProcessed(posted);
}
}

BENCHMARK(BM_PostToHandle)->Arg(1)->Arg(64)->Arg(4096)->UseRealTime();
