#include "core/mediator/AppMessageIds.h"
#include "platform/ui/MessageBoxFlags.h"
#include "tests/core/mediator/MediatorFixture.h"
#include "tests/support/ui/ScopedFakeDialogs.h"

#include <thread>

class AppMediatorMessagesTest : public MediatorFixture
{
protected:
    static std::vector<std::pair<QString, QString>> Texts(const RecordingPopups& popups)
    {
        std::vector<std::pair<QString, QString>> texts;
        for (const RecordingPopups::Shown& shown : popups.shown)
            texts.emplace_back(shown.caption, shown.text);
        return texts;
    }

    ScopedFakeDialogs dialogs;
};

TEST_F(AppMediatorMessagesTest, WorkerMessagesWaitPostedOnceEachUntilTheMainThreadShowsThemInOrder)
{
    Make();
    std::thread worker([this] {
        mediator->ShowError(QStringLiteral("Błąd"), QStringLiteral("pierwszy"));
        mediator->ShowWarning(QString(), QStringLiteral("drugi"));
        mediator->ShowInfo(QStringLiteral("Info"), QString());
        mediator->ShowInfo(QStringLiteral("Info"), QStringLiteral("trzeci"));
    });
    const std::thread::id workerId = worker.get_id();
    worker.join();

    EXPECT_TRUE(popups->shown.empty());
    const std::vector<RecordingPoster::Posted> posts = poster->Posts();
    ASSERT_EQ(posts.size(), 4u);
    for (const RecordingPoster::Posted& post : posts)
    {
        EXPECT_EQ(post.message, WM_APP_SHOW_QUEUED_MESSAGES);
        EXPECT_EQ(post.thread, workerId);
    }

    // The first message drains the whole burst; the empty text is dropped.
    mediator->ShowQueuedMessages();
    EXPECT_EQ(Texts(*popups), (std::vector<std::pair<QString, QString>>{{QStringLiteral("Błąd"), QStringLiteral("pierwszy")},
                                                                        {QStringLiteral("Quorvanta 4"), QStringLiteral("drugi")},
                                                                        {QStringLiteral("Info"), QStringLiteral("trzeci")}}));
    mediator->ShowQueuedMessages();
    EXPECT_EQ(popups->shown.size(), 3u);
}

TEST_F(AppMediatorMessagesTest, ManyWorkersRaisingMessagesWhileTheMainThreadDrainsLoseNone)
{
    Make();
    constexpr int kThreads = 4;
    constexpr int kEach = 50;
    std::vector<std::thread> workers;
    for (int thread = 0; thread < kThreads; ++thread)
        workers.emplace_back([this, thread] {
            for (int index = 0; index < kEach; ++index)
                mediator->ShowError(QString(), QStringLiteral("%1-%2").arg(thread).arg(index));
        });
    while (poster->Posts().size() < kThreads * kEach)
        mediator->ShowQueuedMessages();
    for (std::thread& worker : workers)
        worker.join();
    mediator->ShowQueuedMessages();
    ASSERT_EQ(popups->shown.size(), static_cast<std::size_t>(kThreads * kEach));
    // Each worker's messages keep their order.
    std::vector<int> next(kThreads, 0);
    for (const RecordingPopups::Shown& shown : popups->shown)
    {
        const QStringList parts = shown.text.split(QLatin1Char('-'));
        const int thread = parts[0].toInt();
        EXPECT_EQ(parts[1].toInt(), next[thread]++);
    }
}

TEST_F(AppMediatorMessagesTest, OnTheMainThreadTheThreeSeveritiesShowTheSamePopupAtTheCurrentView)
{
    Make();
    QWidget view;
    view.setGeometry(10, 20, 200, 100);
    application.currentView = &view;
    mediator->ShowInfo(QStringLiteral("T"), QStringLiteral("x"));
    mediator->ShowWarning(QStringLiteral("T"), QStringLiteral("x"));
    mediator->ShowError(QStringLiteral("T"), QStringLiteral("x"));

    ASSERT_EQ(popups->shown.size(), 3u);
    const QPoint corner = view.mapToGlobal(QPoint(0, 0)) + QPoint(200 - 2, 100 - 2);
    for (const RecordingPopups::Shown& shown : popups->shown)
    {
        EXPECT_EQ(shown.anchor, &view);
        EXPECT_EQ(shown.point, corner);
        EXPECT_EQ(shown.caption, QStringLiteral("T"));
        EXPECT_EQ(shown.text, QStringLiteral("x"));
    }
    EXPECT_TRUE(poster->Posts().empty());
}

TEST_F(AppMediatorMessagesTest, WithoutAViewThePopupSitsAtTheFramesPanelAreaAndWithoutAFrameNothingShows)
{
    Make();
    mediator->ShowInfo(QStringLiteral("T"), QStringLiteral("x"));
    ASSERT_EQ(popups->shown.size(), 1u);
    EXPECT_EQ(popups->shown[0].anchor, nullptr);
    EXPECT_EQ(popups->shown[0].point, QPoint(100 + 400 - 2, 50 + 300 - 2));

    mediator->SetMainFrame(nullptr);
    mediator->ShowInfo(QStringLiteral("T"), QStringLiteral("y"));
    EXPECT_EQ(popups->shown.size(), 1u);
}

TEST_F(AppMediatorMessagesTest, AfterThePopupsAreReleasedNoneShows)
{
    Make();
    mediator->ReleaseMessagePopupManager();
    EXPECT_EQ(TakePluginEvents().last(), QStringLiteral("Popups:CloseAllPopups"));
    mediator->ShowInfo(QStringLiteral("T"), QStringLiteral("x"));
    EXPECT_TRUE(popups->shown.empty());
}

TEST_F(AppMediatorMessagesTest, AModalBoxIsRefusedOffTheMainThreadAndGetsTheQuestionIconOnlyWithoutAnIconOfItsOwn)
{
    Make();
    int workerAnswer = 0;
    std::thread([&] { workerAnswer = mediator->ShowMessageBox(QStringLiteral("T"), QStringLiteral("x"), MB_OK); }).join();
    EXPECT_EQ(workerAnswer, -1);
    EXPECT_TRUE(dialogs.MessageBox().Boxes().empty());

    const struct
    {
        std::uint32_t given;
        std::uint32_t shown;
    } cases[] = {
        {MB_OK, MB_OK | MB_ICONQUESTION},
        {MB_YESNO, MB_YESNO | MB_ICONQUESTION},
        {MB_OK | MB_ICONERROR, MB_OK | MB_ICONERROR},
        {MB_OKCANCEL | MB_ICONINFORMATION, MB_OKCANCEL | MB_ICONINFORMATION},
        {MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2},
    };
    for (const auto& testCase : cases)
        mediator->ShowMessageBox(QStringLiteral("T"), QStringLiteral("x"), testCase.given);
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), std::size(cases));
    for (std::size_t index = 0; index < std::size(cases); ++index)
        EXPECT_EQ(dialogs.MessageBox().Boxes()[index].flags, cases[index].shown) << index;

    dialogs.MessageBox().QueueAnswer(IDNO);
    EXPECT_EQ(mediator->ShowMessageBox(QString(), QStringLiteral("Pytanie"), MB_YESNO), IDNO);
    EXPECT_EQ(dialogs.MessageBox().Boxes().back().caption, QStringLiteral("Quorvanta 4"));
}
