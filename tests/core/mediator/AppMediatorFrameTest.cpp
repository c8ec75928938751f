#include "core/mediator/AppMessageIds.h"
#include "core/print/PrintDialog.h"
#include "platform/modules/IPrintSource.h"
#include "platform/ui/RegisteredMessages.h"
#include "ribbon/UpdateRibbonContext.h"
#include "tests/core/mediator/MediatorFixture.h"
#include "tests/support/FakeProvider.h"
#include "tests/support/ui/FakeModuleWnd.h"

#include <QGuiApplication>
#include <QPainter>

#include <thread>

class AppMediatorFrameTest : public MediatorFixture
{
protected:
    AppMediator& MakeReady()
    {
        MakeInitialised();
        frame->sessionLoaded = true;
        mediator->SetMainFrame(frame.get());
        return *mediator;
    }

    template <typename Call>
    std::vector<RecordingPoster::Posted> PostsOffTheMainThread(Call call)
    {
        std::thread(call).join();
        return poster->Posts();
    }
};

TEST_F(AppMediatorFrameTest, ARibbonContextIsAppliedAtOnceOnlyOnTheMainThreadAndOnlyOnceTheFrameIsReady)
{
    MakeInitialised();
    const ::UpdateRibbonContext context(nullptr);
    mediator->UpdateRibbonContext(true, context);
    std::thread([this, &context] { mediator->UpdateRibbonContext(true, context); }).join();
    EXPECT_TRUE(poster->Posts().empty());
    EXPECT_EQ(frame->contextsApplied, 0);
    EXPECT_FALSE(mediator->IsMainFrameReady());

    mediator->SetMainFrameReady(true);
    EXPECT_TRUE(mediator->IsMainFrameReady());
    mediator->UpdateRibbonContext(true, context);
    EXPECT_EQ(frame->contextsApplied, 1);
    EXPECT_TRUE(poster->Posts().empty());

    // Otherwise the frame is asked to follow its active window; the context is not applied.
    mediator->UpdateRibbonContext(false, context);
    std::thread([this, &context] { mediator->UpdateRibbonContext(true, context); }).join();
    EXPECT_EQ(frame->contextsApplied, 1);
    const std::vector<RecordingPoster::Posted> posts = poster->Posts();
    ASSERT_EQ(posts.size(), 2u);
    for (const RecordingPoster::Posted& post : posts)
    {
        EXPECT_EQ(post.message, RegisteredMessages::Register(kUpdateRibbonMessageName));
        EXPECT_EQ(post.wParam, 0u);
        EXPECT_EQ(post.lParam, 0);
    }
}

TEST_F(AppMediatorFrameTest, TheStatusBarIsReachedDirectlyOnTheMainThreadAndByAPostFromOthers)
{
    MakeReady();
    mediator->RequestFrameRepaint();
    mediator->ShowStatusBarPane(5, 1);
    mediator->ShowStatusBarPane(0, 1);
    mediator->UpdateContextCaption();
    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("Frame:RepaintStatusBar"),
                                               QStringLiteral("Frame:ShowStatusBarPane(5,1)"),
                                               QStringLiteral("Frame:UpdateContextCaption")}));

    const std::vector<RecordingPoster::Posted> posts = PostsOffTheMainThread([this] {
        mediator->RequestFrameRepaint();
        mediator->ShowStatusBarPane(5, 0);
        mediator->ShowStatusBarPane(0, 1);
        mediator->UpdateContextCaption();
    });
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(posts[0].message, RegisteredMessages::Register(kRefreshNotifyButtonsMessageName));
    EXPECT_EQ(posts[1].message, WM_APP_STATUS_BAR_PANE);
    EXPECT_EQ(posts[1].wParam, 5u);
    EXPECT_EQ(posts[1].lParam, 0);
    EXPECT_TRUE(TakePluginEvents().isEmpty());
}

TEST_F(AppMediatorFrameTest, InstrumentCommandsAreAnsweredForTheirIdsEvenWhenNothingOpens)
{
    bool chooserShown = false;
    chooseManyAssets = [&chooserShown](QWidget*, std::set<Asset>&, std::set<AssetsGroupId>&) {
        chooserShown = true;
        return true;
    };
    MakeReady();
    EXPECT_FALSE(mediator->RunAssetCommand(105));
    for (const std::uint32_t id : {101u, 102u, 103u, 104u, 106u})
        EXPECT_TRUE(mediator->RunAssetCommand(id)) << id;
    // No active instrument, no orders sheet; no table open, no choice of its instruments.
    EXPECT_FALSE(TakePluginEvents().join(QLatin1Char(' ')).contains(QStringLiteral("ShowOrdersSheetForAsset")));
    EXPECT_FALSE(chooserShown);

    FakeProvider provider(QStringLiteral("Dostawca"));
    mediator->SetActiveAsset(std::make_shared<Asset>(&provider, QStringLiteral("PLPKO0000016"), QStringLiteral("PKO"),
                                                     QStringLiteral("PKO BP"), QStringLiteral("GPW")));
    EXPECT_TRUE(mediator->RunAssetCommand(104));
    EXPECT_TRUE(TakePluginEvents().contains(QStringLiteral("OrdersSheet:ShowOrdersSheetForAsset(PKO)")));
}

TEST_F(AppMediatorFrameTest, TheWindowTheFrameActivatesMakesItsInstrumentTheActiveOne)
{
    MakeReady();
    FakeProvider provider(QStringLiteral("Dostawca"));
    FakeModuleWnd sheet;
    sheet.instrument = Asset(&provider, QStringLiteral("PLKGHM000017"), QStringLiteral("KGH"), QStringLiteral("KGHM"),
                             QStringLiteral("GPW"));
    FakeModuleWnd chart;
    chart.instrument = Asset(&provider, QStringLiteral("PLPKO0000016"), QStringLiteral("PKO"), QStringLiteral("PKO BP"),
                             QStringLiteral("GPW"));
    FakeModuleWnd alerts;

    frame->activeModuleWnd = &sheet;
    mediator->OnModuleWndActivate(&sheet, true, false);
    ASSERT_NE(mediator->GetActiveAsset(), nullptr);
    EXPECT_EQ(mediator->GetActiveAsset()->GetShortName(), QStringLiteral("KGH"));

    // A window the frame did not take, one being deactivated and one of no instrument change nothing.
    mediator->OnModuleWndActivate(&chart, true, false);
    frame->activeModuleWnd = &chart;
    mediator->OnModuleWndActivate(&chart, false, false);
    frame->activeModuleWnd = &alerts;
    mediator->OnModuleWndActivate(&alerts, true, false);
    EXPECT_EQ(mediator->GetActiveAsset()->GetShortName(), QStringLiteral("KGH"));

    frame->activeModuleWnd = &chart;
    mediator->OnModuleWndActivate(&chart, true, false);
    EXPECT_EQ(mediator->GetActiveAsset()->GetShortName(), QStringLiteral("PKO"));
    // F4 opens the orders sheet on it.
    TakePluginEvents();
    EXPECT_TRUE(mediator->RunAssetCommand(104));
    EXPECT_TRUE(TakePluginEvents().contains(QStringLiteral("OrdersSheet:ShowOrdersSheetForAsset(PKO)")));
}

TEST_F(AppMediatorFrameTest, PanelViewsAndNamedWindowsComeFromTheApplicationAndTheFrame)
{
    MakeReady();
    EXPECT_TRUE(mediator->IsCurrentPanelView(nullptr));
    QWidget view;
    application.currentView = &view;
    EXPECT_FALSE(mediator->IsCurrentPanelView(nullptr));
    EXPECT_TRUE(mediator->IsCurrentPanelView(&view));
    EXPECT_EQ(mediator->GetCurrentPanelView(), &view);

    frame->panelName = QStringLiteral("Akcje");
    EXPECT_EQ(mediator->FindPanelViewByName(QStringLiteral("Akcje")), &frame->window);
    EXPECT_EQ(mediator->FindPanelViewByName(QStringLiteral("Inny")), nullptr);

    // One screen allowed: no named windows, whatever the frame knows.
    QObject series;
    FakeModuleWnd active;
    frame->activeModuleWnd = &active;
    frame->namedObjects = {{&series, QStringLiteral("Seria")}};
    std::vector<QString> names{QStringLiteral("stara")};
    mediator->CollectPanelWindows(names);
    EXPECT_TRUE(names.empty());
    frame->screensLimit = 2;
    mediator->CollectPanelWindows(names);
    EXPECT_EQ(names, std::vector<QString>{QStringLiteral("Seria")});

    mediator->ActivateNamedWindowObject(QStringLiteral("seria"));
    EXPECT_EQ(active.activatedObject, nullptr);
    mediator->ActivateNamedWindowObject(QStringLiteral("Seria"));
    EXPECT_EQ(active.activatedObject, &series);
}

TEST_F(AppMediatorFrameTest, StylePreviewsStartTheStyleEditorWithTheTitleOfTheirKind)
{
    MakeReady();
    mediator->ShowTableStylePreview(nullptr);
    EXPECT_TRUE(TakePluginEvents().isEmpty());

    const auto style = std::shared_ptr<StyleBase>(reinterpret_cast<StyleBase*>(&g_alertsFace), [](StyleBase*) {});
    mediator->ShowTableStylePreview(style);
    mediator->ShowFormationStylePreview(style);
    mediator->ShowChartWindowStylePreview(style);
    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("StyleEdit:Begin(Podgląd i edycja stylu tabeli)"),
                                               QStringLiteral("StyleEdit:Begin(Podgląd i edycja stylu formacji)"),
                                               QStringLiteral("StyleEdit:Begin(Podgląd i edycja stylu okna wykresu)")}));
    EXPECT_EQ(mediator->GetStyleEditModeMessageId(),
              RegisteredMessages::Register(QStringLiteral("StyleEditModeHandler_BeforeEnteringEditMode_Message")));

    // Only the edited window, and only in edit mode, is laid out again.
    QWidget edited;
    QWidget other;
    styleEdit->editedWindow = &edited;
    mediator->UpdateStyleEditedWindowLayout(&edited);
    CmdTarget target;
    styleEdit->editedTarget = &target;
    mediator->UpdateStyleEditedWindowLayout(&other);
    mediator->UpdateStyleEditedWindowLayout(&edited);
    EXPECT_EQ(styleEdit->layoutUpdates, 1);
}

namespace
{
class PageSource : public IPrintSource
{
public:
    QString GetTitle() const override { return QStringLiteral("Tabela"); }
    int GetPageCount(const QRectF&) const override { return 2; }
    void PrintPage(QPainter& painter, const QRectF& page, int index) const override
    {
        painter.drawText(page, QStringLiteral("Strona %1").arg(index + 1));
    }
};
}

TEST_F(AppMediatorFrameTest, TheOnePrintDialogHoldsTheFrameInPrintModeAndActivatesTheWindowWhenItCloses)
{
    MakeReady();
    QWidget view;
    view.resize(800, 600);
    application.currentView = &view;
    FakeModuleWnd window(nullptr, nullptr, &view);
    window.setObjectName(QStringLiteral("tabela"));
    const auto source = std::make_shared<PageSource>();

    mediator->ShowPrintDialog(&window, source);
    mediator->ShowPrintDialog(&window, source);
    const QList<PrintDialog*> dialogs = view.findChildren<PrintDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs.front()->geometry(), view.rect());
    EXPECT_EQ(TakePluginEvents(), QStringList{QStringLiteral("Frame:EnterPrintMode(640x480)")});

    dialogs.front()->close();
    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("Frame:LeavePrintMode"),
                                               QStringLiteral("Frame:OnModuleWndActivate(1,tabela,0)")}));
    mediator->ShowPrintDialog(&window, source);
    EXPECT_TRUE(TakePluginEvents().contains(QStringLiteral("Frame:EnterPrintMode(640x480)")));
}

TEST_F(AppMediatorFrameTest, ColoursComeFromTheFramesLookAndTheIconFromTheApplication)
{
    MakeReady();
    EXPECT_EQ(mediator->GetXtremeColor(52), ColorRef(52));
    QWidget dialog;
    mediator->SetAppIcon(&dialog);
    EXPECT_EQ(dialog.windowIcon().cacheKey(), QGuiApplication::windowIcon().cacheKey());
}
