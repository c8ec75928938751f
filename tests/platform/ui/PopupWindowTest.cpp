#include "platform/ui/PopupWindow.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <gtest/gtest.h>

namespace
{
class PopupWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }

    static void Press(PopupWindow& popup, Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&popup, &event);
    }
};
}

TEST_F(PopupWindowTest, PlacementStaysInsideTheWorkArea)
{
    const QRect workArea(0, 0, 1000, 800);
    const QSize size(200, 100);
    struct Case
    {
        QRect anchor;
        QPoint expected;
    };
    const Case cases[] = {
        // Room below and to the right: under the anchor, left edges aligned.
        {QRect(100, 100, 50, 20), QPoint(100, 120)},
        // Near the right edge: right edges aligned.
        {QRect(900, 100, 50, 20), QPoint(750, 120)},
        // Ending exactly on the right edge counts as too far.
        {QRect(800, 100, 50, 20), QPoint(650, 120)},
        // Near the bottom: above the anchor.
        {QRect(100, 700, 50, 20), QPoint(100, 600)},
        // Ending exactly on the bottom edge counts as too far.
        {QRect(100, 680, 50, 20), QPoint(100, 580)},
        // No room above nor to the left: never outside the work area.
        {QRect(10, 10, 50, 785), QPoint(10, 0)},
        {QRect(-50, 100, 100, 20), QPoint(0, 120)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PopupWindow::PlaceAtAnchor(c.anchor, size, workArea), c.expected) << c.anchor.x() << "," << c.anchor.y();
}

TEST_F(PopupWindowTest, EscapeAndTheSystemKeysCloseIt)
{
    PopupWindow popup;
    int closed = 0;
    QObject::connect(&popup, &PopupWindow::popupClosed, [&closed] { ++closed; });
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Meta, Qt::Key_Menu})
    {
        popup.ShowAtAnchor(QRect(10, 10, 20, 20));
        ASSERT_TRUE(popup.isVisible());
        Press(popup, Qt::Key_A);
        EXPECT_TRUE(popup.isVisible());
        Press(popup, key);
        EXPECT_FALSE(popup.isVisible()) << key;
    }
    EXPECT_EQ(closed, 3);
}

TEST_F(PopupWindowTest, AClickOutsideClosesItAndOneInsideDoesNot)
{
    PopupWindow popup;
    popup.resize(100, 80);
    popup.ShowAtAnchor(QRect(50, 50, 20, 20));
    ASSERT_TRUE(popup.isVisible());
    QWindow* window = popup.windowHandle();
    ASSERT_NE(window, nullptr);

    const auto click = [&](const QPoint& local) {
        QMouseEvent press(QEvent::MouseButtonPress, local, popup.mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(window, &press);
    };
    click(QPoint(10, 10));
    EXPECT_TRUE(popup.isVisible());
    click(QPoint(300, 300));
    EXPECT_FALSE(popup.isVisible());
}

TEST_F(PopupWindowTest, APassivePopupClosesAfterItsDelay)
{
    PopupWindow popup(nullptr, PopupWindow::Behaviour::Passive);
    popup.resize(100, 40);
    popup.ShowAtAnchor(QRect(0, 0, 10, 10));
    ASSERT_TRUE(popup.isVisible());
    EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
    popup.CloseAfter(10);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&popup] { return !popup.isVisible(); }));
}
