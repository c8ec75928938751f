#include "core/mediator/AppMessageIds.h"
#include "core/mediator/ProgressCounter.h"
#include "tests/core/mediator/MediatorFixture.h"
#include "tests/support/FakeProvider.h"

#include <QElapsedTimer>

#include <thread>

class AppMediatorProgressTest : public MediatorFixture
{
};

TEST(ProgressCounterTest, DoneAddsUpIsClampedAndThePercentageHoldsForHugeCounts)
{
    const struct
    {
        unsigned toDo;
        unsigned done;
        std::optional<int> percentage;
    } cases[] = {
        {3, 1, 33},
        {3, 3, std::nullopt},
        {3, 8, std::nullopt},
        {0, 0, std::nullopt},
        {0, 5, std::nullopt},
        {100'000'000, 50'000'000, 50},
        {4'000'000'000u, 3'999'999'999u, 99},
    };
    for (const auto& testCase : cases)
    {
        ProgressCounter counter;
        counter.AddToDo(testCase.toDo);
        counter.AddDone(testCase.done);
        EXPECT_EQ(counter.Percentage(), testCase.percentage) << testCase.toDo << " " << testCase.done;
        EXPECT_LE(counter.Done(), counter.ToDo());
    }
}

TEST_F(AppMediatorProgressTest, OnTheMainThreadABatchShowsItsPercentageAndDisappearsWhenDone)
{
    Make();
    TakePluginEvents();
    mediator->AddOperationsToDoToProgress(3);
    mediator->SetOperationsDidToProgress(1);
    // Five more finished than announced: clamped, so the batch is done.
    mediator->SetOperationsDidToProgress(5);
    mediator->AddOperationsToDoToProgress(2);

    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("Frame:ShowProgress(1)"), QStringLiteral("Frame:SetProgressPosition(0)"),
                                               QStringLiteral("Frame:ShowProgress(1)"), QStringLiteral("Frame:SetProgressPosition(33)"),
                                               QStringLiteral("Frame:ResetProgress"),
                                               // The counters started anew.
                                               QStringLiteral("Frame:ShowProgress(1)"), QStringLiteral("Frame:SetProgressPosition(0)")}));
    EXPECT_TRUE(poster->Posts().empty());
}

TEST_F(AppMediatorProgressTest, WithoutAFrameProgressDoesNothing)
{
    Make(false);
    TakePluginEvents();
    mediator->AddOperationsToDoToProgress(3);
    mediator->SetOperationsDidToProgress(1);
    mediator->ManageProgress();
    EXPECT_TRUE(TakePluginEvents().isEmpty());
    EXPECT_TRUE(poster->Posts().empty());
}

TEST_F(AppMediatorProgressTest, OffTheMainThreadProgressIsPostedToTheFrame)
{
    Make();
    TakePluginEvents();
    std::thread([this] {
        mediator->AddOperationsToDoToProgress(3);
        mediator->SetOperationsDidToProgress(1);
        mediator->SetOperationsDidToProgress(2);
    }).join();

    std::vector<std::tuple<std::uint32_t, WParam, LParam>> posted;
    for (const RecordingPoster::Posted& post : poster->Posts())
        posted.emplace_back(post.message, post.wParam, post.lParam);
    EXPECT_EQ(posted, (std::vector<std::tuple<std::uint32_t, WParam, LParam>>{
                          {WM_APP_PROGRESS, 0, 1}, {WM_APP_PROGRESS, 33, 1}, {WM_APP_PROGRESS, 0, 0}}));
    EXPECT_TRUE(TakePluginEvents().isEmpty());
}

TEST_F(AppMediatorProgressTest, AFailedPostIsRetriedOnceAfterAPauseThenLoggedWithTheReason)
{
    Make();
    poster->FailNext(1);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(mediator->PostMessageToPulpitFrame(WM_APP_SHOW_QUEUED_MESSAGES, 0, 0));
    EXPECT_GE(timer.elapsed(), AppMediator::kPostRetryDelayMs - 5);
    EXPECT_EQ(poster->Posts().size(), 1u);
    EXPECT_FALSE(folder.LogText().contains(QStringLiteral("Nie można wysłać")));

    poster->FailNext(2);
    EXPECT_FALSE(mediator->PostMessageToPulpitFrame(WM_APP_PROGRESS, 12, 1));
    EXPECT_EQ(poster->Failed(), 3);
    EXPECT_EQ(poster->Posts().size(), 1u);
    EXPECT_TRUE(folder.LogText().contains(
        QStringLiteral("Nie można wysłać komunikatu (33672, 12, 1) do okna pulpitu. kolejka okna pełna")));
}

TEST_F(AppMediatorProgressTest, WithoutAFrameAMessageIsLoggedAsUndeliverableAndWaitsForTheFrame)
{
    Make(false);
    std::thread([this] { mediator->ShowWarning(QStringLiteral("T"), QStringLiteral("czeka")); }).join();
    EXPECT_TRUE(poster->Posts().empty());
    EXPECT_TRUE(folder.LogText().contains(QStringLiteral("Nie można wysłać komunikatu (33065, 0, 0) do okna pulpitu - brak okna.")));

    FakeMainFrame lateFrame;
    mediator->SetMainFrame(&lateFrame);
    mediator->ShowQueuedMessages();
    ASSERT_EQ(popups->shown.size(), 1u);
    EXPECT_EQ(popups->shown[0].text, QStringLiteral("czeka"));
    mediator->SetMainFrame(nullptr);
}

TEST_F(AppMediatorProgressTest, TheLastQuoteTimeReachesTheFrameOnlyForTheTimeSourceProvider)
{
    Make();
    TakePluginEvents();
    FakeProvider timeSource(QStringLiteral("Czas"));
    FakeProvider other(QStringLiteral("Inny"));
    settings->timeSource = &timeSource;

    mediator->ShowLastQuoteTime(&other);
    mediator->ShowLastQuoteTime(nullptr);
    mediator->ShowLastQuoteTime(&timeSource);
    EXPECT_EQ(TakePluginEvents(), QStringList{QStringLiteral("Frame:ShowLastQuoteTime")});

    std::thread([&] {
        mediator->ShowLastQuoteTime(&other);
        mediator->ShowLastQuoteTime(&timeSource);
    }).join();
    const std::vector<RecordingPoster::Posted> posts = poster->Posts();
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].message, WM_APP_LAST_QUOTE_TIME);
    EXPECT_EQ(posts[0].wParam, reinterpret_cast<WParam>(&timeSource));
}
