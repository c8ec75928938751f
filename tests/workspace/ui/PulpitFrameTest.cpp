#include "tests/workspace/ui/FrameFixture.h"

#include "core/mediator/AppMessageIds.h"
#include "platform/toolkit/StatusBarPane.h"
#include "ribbon/RibbonCommandIds.h"
#include "ribbon/statusbar/QuorvantaStatusBar.h"
#include "tests/support/FakeProvider.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/GuardedCall.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>

class PulpitFrameTest : public FrameFixture
{
};

TEST_F(PulpitFrameTest, ACreationStepThatFailsOrThrowsEndsTheCreationWithItsReasonLogged)
{
    const struct
    {
        int throwKind;
        bool canCreate;
        bool withTabs;
        QString logged;
    } cases[] = {
        {0, false, true, QStringLiteral("wydanie programu nie pozwala go utworzyć")},
        {0, true, false, QStringLiteral("nie utworzono wstążki")},
        {1, true, true, QStringLiteral("brak pamięci")},
        {2, true, true, QStringLiteral("zły stan okna")},
        {3, true, true, QStringLiteral("błąd biblioteki")},
        {4, true, true, QString::fromUtf8(GuardedCall::kUnknownException)},
    };
    MakeMediator();
    for (const auto& item : cases)
    {
        TestFrame failing(item.withTabs ? tabsCreators : nullptr, {});
        failing.canCreate = item.canCreate;
        failing.throwKind = item.throwKind;
        EXPECT_FALSE(failing.LoadFrame()) << item.logged.toStdString();
        const QString log = folder.LogText();
        EXPECT_TRUE(log.contains(item.logged)) << item.logged.toStdString();
        EXPECT_TRUE(log.contains(QStringLiteral("PulpitFrame::OnCreate"))) << item.logged.toStdString();
    }
}

TEST_F(PulpitFrameTest, AFirstStartWithoutASessionShowsOneEmptyScreenAndIsReady)
{
    MakeFrame();
    ASSERT_EQ(frame->GetPanels().size(), 1u);
    TabClientWnd& tabs = *frame->GetTabClient();
    EXPECT_EQ(tabs.GetItemCaption(0), QStringLiteral("Ekran"));
    EXPECT_TRUE(tabs.IsNewWindowTab(1));
    EXPECT_EQ(tabs.GetItemCaption(1), QStringLiteral("+"));
    EXPECT_EQ(application.activeView, ActiveView());
    EXPECT_EQ(application.currentView, ActiveView());
    EXPECT_TRUE(frame->IsSessionLoaded());
    EXPECT_TRUE(mediator->IsMainFrameReady());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quorvanta 4"));

    // Loading again once loaded changes nothing.
    frame->LoadLastSession();
    EXPECT_EQ(frame->GetPanels().size(), 1u);
}

TEST_F(PulpitFrameTest, TheFrameClosesInTheProgramsOrderOnceAndThenIgnoresEverything)
{
    MakeFrame();
    FakeModuleWnd* window = AddModuleWindow(*ActiveView());
    window->ForceActivate();
    TakePluginEvents();

    frame->close();
    const QStringList events = TakePluginEvents();
    const QStringList order = {
        QStringLiteral("Popups:CloseAllPopups"),
        QStringLiteral("Frame:BeforeCleanResources"),
        QStringLiteral("StyleEdit:Leave"),
        QStringLiteral("Testowy Dostawca:StopWork"),
        QStringLiteral("Frame:SaveLastSession"),
        QStringLiteral("Frame:SaveWindowPosition"),
        QStringLiteral("Testowy Dostawca:ShutDown"),
        QStringLiteral("Cloud:ReleaseHttpThread"),
    };
    qsizetype last = -1;
    for (const QString& step : order)
    {
        const qsizetype at = events.indexOf(step);
        EXPECT_GT(at, last) << step.toStdString() << " in " << events.join(QLatin1Char(' ')).toStdString();
        last = at;
    }
    EXPECT_TRUE(TestConsumers::Instance().chart.IsShutDown());
    EXPECT_TRUE(frame->AreResourcesCleaned());
    EXPECT_EQ(mediator->GetMainFrame(), nullptr);

    // A second close saves nothing again; commands, messages and activations do nothing.
    frame->close();
    frame->CleanResources(true);
    EXPECT_TRUE(TakePluginEvents().isEmpty());
    frame->SendMessage(WM_APP_PROGRESS, 50, 1);
    EXPECT_FALSE(frame->GetStatusBar()->GetProgressCtrl()->isVisibleTo(frame->GetStatusBar()));
    EXPECT_EQ(frame->ExecuteCommand(WorkspaceIds::ID_NEW_SCREEN), true);
    frame->OnActivateApp(false);
    frame->OnActivateApp(true);
    window->ForceActivate();
    EXPECT_EQ(frame->GetPanels().size(), 1u);
}

TEST_F(PulpitFrameTest, AClosingStepThatThrowsIsLoggedAndTheNextStepsStillRun)
{
    MakeFrame();
    frame->throwBeforeCleaning = true;
    TakePluginEvents();
    frame->close();

    const QStringList events = TakePluginEvents();
    for (const QString& step : {QStringLiteral("StyleEdit:Leave"), QStringLiteral("Frame:SaveLastSession"),
                                QStringLiteral("Testowy Dostawca:ShutDown"), QStringLiteral("Cloud:ReleaseHttpThread")})
        EXPECT_TRUE(events.contains(step)) << step.toStdString();
    const QString log = folder.LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("sprzątanie nie powiodło się")));
    EXPECT_TRUE(log.contains(QStringLiteral("PulpitFrame::CleanResources")));
    EXPECT_TRUE(frame->AreResourcesCleaned());
}

TEST_F(PulpitFrameTest, TheMediatorsPostedMessagesAreActedOnAsTheirArgumentsSay)
{
    MakeFrame();
    QuorvantaStatusBar& bar = *frame->GetStatusBar();
    QProgressBar& progress = *bar.GetProgressCtrl();
    StatusBarPane& progressPane = *bar.FindPane(QuorvantaStatusBar::ID_INDICATOR_PROGRESS);

    frame->SendMessage(WM_APP_PROGRESS, 40, 1);
    EXPECT_TRUE(progressPane.isVisibleTo(&bar));
    EXPECT_EQ(progress.value(), 40);
    frame->SendMessage(WM_APP_PROGRESS, 40, 0);
    EXPECT_FALSE(progressPane.isVisibleTo(&bar));
    EXPECT_EQ(progress.value(), 0);

    // A pane shown and hidden by its key; key 0 is no pane.
    frame->SendMessage(WM_APP_STATUS_BAR_PANE, QuorvantaStatusBar::ID_INDICATOR_PROGRESS, 1);
    EXPECT_TRUE(progressPane.isVisibleTo(&bar));
    frame->SendMessage(WM_APP_STATUS_BAR_PANE, 0, 0);
    EXPECT_TRUE(progressPane.isVisibleTo(&bar));

    // A quote time with no provider is no message.
    frame->SendMessage(WM_APP_LAST_QUOTE_TIME, 0, 0);
    EXPECT_FALSE(bar.FindPane(QuorvantaStatusBar::ID_INDICATOR_INFO)->isVisibleTo(&bar));
}

namespace
{
class TimedProvider : public FakeProvider
{
public:
    TimedProvider()
        : FakeProvider(QStringLiteral("Zegar"))
    {
    }
    bool GetLastTime(NDateTime& time) const override
    {
        time = last;
        return hasTime;
    }
    QString GetSessionStateText() const override { return session; }

    NDateTime last;
    bool hasTime = false;
    QString session;
};
}

TEST_F(PulpitFrameTest, TheLastQuoteTimeIsWrittenOnlyWhenTheProviderHasAValidOne)
{
    MakeFrame();
    StatusBarPane& info = *frame->GetStatusBar()->FindPane(QuorvantaStatusBar::ID_INDICATOR_INFO);
    TimedProvider provider;
    frame->ShowLastQuoteTime(&provider);
    provider.hasTime = true;
    frame->ShowLastQuoteTime(&provider);
    EXPECT_TRUE(info.GetText().isEmpty());

    provider.last = NDateTime(QDateTime(QDate(2024, 5, 6), QTime(12, 30, 15)));
    frame->ShowLastQuoteTime(&provider);
    EXPECT_EQ(info.GetText(), QStringLiteral("12:30:15"));
    provider.last = NDateTime();
    frame->ShowLastQuoteTime(&provider);
    EXPECT_EQ(info.GetText(), QStringLiteral("12:30:15"));
}

TEST_F(PulpitFrameTest, AClosedSessionIsSaidBesideTheLastQuoteTimeOrAlone)
{
    MakeFrame();
    StatusBarPane& info = *frame->GetStatusBar()->FindPane(QuorvantaStatusBar::ID_INDICATOR_INFO);
    TimedProvider provider;
    provider.session = QStringLiteral("Sesja zamknięta");
    frame->ShowLastQuoteTime(&provider);
    EXPECT_EQ(info.GetText(), QStringLiteral("Sesja zamknięta"));
    provider.hasTime = true;
    provider.last = NDateTime(QDateTime(QDate(2024, 5, 6), QTime(16, 59, 58)));
    frame->ShowLastQuoteTime(&provider);
    EXPECT_EQ(info.GetText(), QStringLiteral("16:59:58 · Sesja zamknięta"));
    provider.session.clear();
    frame->ShowLastQuoteTime(&provider);
    EXPECT_EQ(info.GetText(), QStringLiteral("16:59:58"));
}

TEST_F(PulpitFrameTest, ScreenshotsAreWrittenAsPngIntoTheDocumentsScreenshotsFolderWithoutReplacingEachOther)
{
    MakeFrame();
    const QString first = frame->OnScreenshot();
    const QString second = frame->OnScreenshot();
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_NE(first, second);
    EXPECT_EQ(QFileInfo(first).dir().dirName(), QStringLiteral("Screenshots"));
    EXPECT_TRUE(first.startsWith(mediator->GetUserDocumentsFolder()));
    EXPECT_TRUE(QFileInfo(first).fileName().endsWith(QStringLiteral(".png")));
    EXPECT_FALSE(QFileInfo(first).fileName().contains(QLatin1Char(':')));
    const QImage image(first);
    EXPECT_EQ(image.size(), frame->size());
    EXPECT_FALSE(QImage(second).isNull());
}

namespace
{
class KeyRecorder : public QWidget
{
public:
    using QWidget::QWidget;
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
    std::vector<int> keys;
};
}

TEST_F(PulpitFrameTest, EscapeAnywherePostsTheEscapeCommandAndStillReachesTheFocusedWindow)
{
    makers.general = [this](PulpitFrame&) {
        return std::make_shared<RecordingTarget>(QStringLiteral("general"), std::set<std::uint32_t>{WorkspaceIds::ID_ESCAPE},
                                                 routed);
    };
    MakeFrame();
    auto* recorder = new KeyRecorder(ActiveView());
    recorder->setFocusPolicy(Qt::StrongFocus);
    recorder->show();
    frame->activateWindow();
    recorder->setFocus();
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([recorder] { return recorder->hasFocus(); }));

    QTest::keyClick(recorder, Qt::Key_Escape);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([this] { return !routed.isEmpty(); }));
    EXPECT_EQ(routed, QStringList{QStringLiteral("general:%1").arg(WorkspaceIds::ID_ESCAPE)});
    EXPECT_EQ(recorder->keys, std::vector<int>{Qt::Key_Escape});
}

TEST_F(PulpitFrameTest, AnEndingDesktopSessionSavesTheSessionAndTheProgramGoesOn)
{
    MakeFrame();
    TakePluginEvents();
    frame->OnCommitDataRequest();
    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("Frame:SaveLastSession"),
                                               QStringLiteral("Frame:SaveWindowPosition")}));
    EXPECT_FALSE(frame->IsClosing());
    EXPECT_TRUE(mediator->GetDefaultProvider()->IsRunning());
}

TEST_F(PulpitFrameTest, FunctionKeysRunTheirCommandsOnlyWhileSomeTargetWouldRunThem)
{
    // F2 opens a chart; nobody here opens a table, so F3 is as disabled as its button.
    makers.general = [this](PulpitFrame&) {
        return std::make_shared<RecordingTarget>(QStringLiteral("general"), std::set<std::uint32_t>{RibbonCommandIds::ID_NEW_CHART}, routed);
    };
    MakeFrame();
    frame->activateWindow();
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([this] { return frame->isActiveWindow(); }));
    routed.clear();
    QTest::keyClick(frame.get(), Qt::Key_F3);
    QTest::keyClick(frame.get(), Qt::Key_F2);
    const QString chart = QStringLiteral("general:%1").arg(RibbonCommandIds::ID_NEW_CHART);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([this, chart] { return routed.contains(chart); }));
    EXPECT_EQ(routed.filter(QRegularExpression(QStringLiteral("^general:\\d+$"))), QStringList{chart});
}
