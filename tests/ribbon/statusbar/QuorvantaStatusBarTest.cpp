#include "platform/ui/Images.h"
#include "ribbon/statusbar/INotifySource.h"
#include "ribbon/statusbar/NotifyStatusBarPane.h"
#include "ribbon/statusbar/QuorvantaStatusBar.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProgressBar>
#include <QToolTip>

#include <gtest/gtest.h>

namespace
{
struct FakeNotifySource : INotifySource
{
    int GetNotifyState() const override { return state; }
    QString GetNotifyTooltip() const override { return tooltip; }

    int state = 0;
    QString tooltip;
};

// The frame's bar: the separator, the info pane, the progress pane and one notify pane.
class QuorvantaStatusBarTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TestApplication::Ensure(); }

    void SetUp() override
    {
        bar.AddIndicator(StatusBarBase::kSeparatorId);
        ASSERT_TRUE(bar.AddInfoPane());
        ASSERT_TRUE(bar.AddProgressPane());
        notifyPane = bar.AddNotifyPane(&source);
        ASSERT_NE(notifyPane, nullptr);
        bar.resize(700, bar.sizeHint().height());
        bar.show();
    }

    QRect PaneRect(std::uint32_t id) { return bar.FindPane(id)->geometry(); }

    QuorvantaStatusBar bar;
    FakeNotifySource source;
    NotifyStatusBarPane* notifyPane = nullptr;
};

TEST_F(QuorvantaStatusBarTest, ProgressPositionsAreClampedToTheRange)
{
    const struct
    {
        int position;
        int shown;
    } cases[] = {{-5, 0}, {0, 0}, {57, 57}, {100, 100}, {250, 100}};
    for (const auto& c : cases)
    {
        // The bar itself would keep its old value for a position outside its range.
        bar.SetProgressPos(30);
        bar.SetProgressPos(c.position);
        EXPECT_EQ(bar.GetProgressCtrl()->value(), c.shown) << c.position;
    }
}

TEST_F(QuorvantaStatusBarTest, ProgressPaneIsAFixedBorderlessPaneOutOfTheCustomisationList)
{
    const StatusBarPane* pane = bar.FindPane(QuorvantaStatusBar::ID_INDICATOR_PROGRESS);
    EXPECT_EQ(pane->width(), QuorvantaStatusBar::kProgressPaneWidth);
    EXPECT_TRUE(pane->GetStyle() & StatusBarPane::kStyleNoBorders);
    EXPECT_FALSE(pane->GetCustomizationVisible());
    EXPECT_EQ(bar.GetProgressCtrl()->parentWidget(), pane);
    EXPECT_EQ(bar.GetProgressCtrl()->geometry(), pane->rect());
    EXPECT_FALSE(bar.AddProgressPane());
    EXPECT_FALSE(bar.AddInfoPane());
}

TEST_F(QuorvantaStatusBarTest, ProgressPaneShowsAndHides)
{
    StatusBarPane* pane = bar.FindPane(QuorvantaStatusBar::ID_INDICATOR_PROGRESS);
    ASSERT_TRUE(pane->isVisible());
    pane->hide();
    EXPECT_FALSE(bar.GetProgressCtrl()->isVisible());
    EXPECT_EQ(bar.HitTestPane(pane->geometry().center()), nullptr);
    pane->show();
    EXPECT_TRUE(bar.GetProgressCtrl()->isVisible());
}

TEST_F(QuorvantaStatusBarTest, InfoPaneShowsOnlyWhileItHasText)
{
    StatusBarPane* pane = bar.FindPane(QuorvantaStatusBar::ID_INDICATOR_INFO);
    EXPECT_TRUE(pane->isHidden());
    bar.SetInfoText(QStringLiteral("Ostatnie notowanie: 11:04:37"));
    EXPECT_FALSE(pane->isHidden());
    EXPECT_EQ(pane->GetText(), QStringLiteral("Ostatnie notowanie: 11:04:37"));
    bar.SetInfoText(QString());
    EXPECT_TRUE(pane->isHidden());
    EXPECT_TRUE(pane->GetText().isEmpty());
    bar.SetInfoText(QStringLiteral("11:04:38"));
    EXPECT_FALSE(pane->isHidden());
}

TEST(QuorvantaStatusBarWithoutPanesTest, SettersDoNothingWithoutTheirPanes)
{
    TestApplication::Ensure();
    QuorvantaStatusBar bar;
    bar.SetInfoText(QStringLiteral("11:04:37"));
    bar.SetProgressPos(40);
    EXPECT_EQ(bar.GetPaneCount(), 0);
    EXPECT_EQ(bar.GetProgressCtrl(), nullptr);
}

TEST_F(QuorvantaStatusBarTest, NotifyPanesTakeIdsFromFourOnward)
{
    FakeNotifySource second;
    const NotifyStatusBarPane* added = bar.AddNotifyPane(&second);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(notifyPane->GetID(), 4u);
    EXPECT_EQ(added->GetID(), 5u);
    EXPECT_EQ(bar.FindPane(5), added);
    EXPECT_EQ(bar.GetNotifyPanes(), (std::vector<NotifyStatusBarPane*>{notifyPane, const_cast<NotifyStatusBarPane*>(added)}));
    EXPECT_EQ(added->GetWidth(), QuorvantaStatusBar::kNotifyPaneWidth);
    EXPECT_FALSE(added->GetCustomizationVisible());
    EXPECT_EQ(bar.GetPane(bar.GetPaneCount() - 1), added);
}

TEST_F(QuorvantaStatusBarTest, NotifyPaneShowsTheImageOfTheSourcesState)
{
    for (std::size_t state = 0; state < NotifyStatusBarPane::kStateImageIds.size(); ++state)
    {
        source.state = static_cast<int>(state);
        const QImage expected = Images::Instance()
                                    .Icon(NotifyStatusBarPane::kStateImageIds[state])
                                    .pixmap(NotifyStatusBarPane::kImageSize, NotifyStatusBarPane::kImageSize)
                                    .toImage();
        EXPECT_EQ(notifyPane->GetStateImage().toImage(), expected) << state;
    }
    for (const int outside : {-1, 3})
    {
        source.state = outside;
        EXPECT_TRUE(notifyPane->GetStateImage().isNull()) << outside;
    }
}

TEST_F(QuorvantaStatusBarTest, TooltipsComeFromTheNotifySourceOrThePane)
{
    QString text = QStringLiteral("unchanged");
    source.tooltip = QStringLiteral("Kelvora OnLine: połączono");
    EXPECT_EQ(bar.OnToolHitTest(PaneRect(4).center(), text), 4);
    EXPECT_EQ(text, source.tooltip);

    source.tooltip.clear();
    text = QStringLiteral("unchanged");
    EXPECT_EQ(bar.OnToolHitTest(PaneRect(4).center(), text), -1);
    EXPECT_EQ(text, QStringLiteral("unchanged"));

    bar.FindPane(QuorvantaStatusBar::ID_INDICATOR_PROGRESS)->SetTooltip(QStringLiteral("Postęp"));
    EXPECT_EQ(bar.OnToolHitTest(PaneRect(QuorvantaStatusBar::ID_INDICATOR_PROGRESS).center(), text), 1);
    EXPECT_EQ(text, QStringLiteral("Postęp"));
    EXPECT_EQ(bar.OnToolHitTest(PaneRect(StatusBarBase::kSeparatorId).center(), text), -1);
}

TEST_F(QuorvantaStatusBarTest, PaneWithoutSourceHasNoImageAndNoTooltip)
{
    notifyPane->SetSource(nullptr);
    QString text;
    EXPECT_TRUE(notifyPane->GetStateImage().isNull());
    EXPECT_EQ(bar.OnToolHitTest(PaneRect(4).center(), text), -1);
}

TEST_F(QuorvantaStatusBarTest, ATooltipEventOverANotifyPaneShowsTheSourcesText)
{
    source.tooltip = QStringLiteral("Kelvora OnLine: brak połączenia");
    const QPoint local = notifyPane->rect().center();
    QHelpEvent event(QEvent::ToolTip, local, notifyPane->mapToGlobal(local));
    QApplication::sendEvent(notifyPane, &event);
    EXPECT_EQ(QToolTip::text(), source.tooltip);
    QToolTip::hideText();
}
}
