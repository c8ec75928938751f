#include "ribbon/popups/PopupBarBase.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <gtest/gtest.h>

namespace
{
class Recorder : public PopupBarBase::IPopupAreaObserver
{
public:
    void OnPopupAreaShown(const QRect& area) override
    {
        shownAt = area;
        calls << QStringLiteral("area shown");
    }
    void OnPopupAreaClosed() override { calls << QStringLiteral("area closed"); }

    QStringList calls;
    QRect shownAt;
};

class TestPopup : public PopupBarBase
{
public:
    TestPopup(Recorder& recorder, const QSize& size)
        : PopupBarBase(recorder)
        , m_recorder(recorder)
        , m_size(size)
    {
    }

    bool creates = true;

protected:
    bool CreatePopupWindow() override
    {
        setFixedSize(m_size);
        return creates;
    }
    void OnMouseMessageOutside(QEvent::Type type) override
    {
        m_recorder.calls << QStringLiteral("outside %1").arg(int(type));
    }
    void ResetHotItem() override { m_recorder.calls << QStringLiteral("reset hot"); }
    void OnPopupShown() override { m_recorder.calls << QStringLiteral("shown"); }
    void OnButtonDownInside(Qt::MouseButton button, const QPoint&) override
    {
        m_recorder.calls << QStringLiteral("inside %1").arg(int(button));
    }

private:
    Recorder& m_recorder;
    QSize m_size;
};

class PopupBarBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        workArea = QGuiApplication::primaryScreen()->availableGeometry();
    }

    void Show() { ASSERT_TRUE(popup.ShowAtAnchor(QRect(workArea.topLeft() + QPoint(50, 50), QSize(20, 10)))); }

    static void Mouse(QWidget& widget, QEvent::Type type, const QPoint& point, Qt::MouseButton button)
    {
        QMouseEvent event(type, point, widget.mapToGlobal(point), button, button, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }

    static void Key(QWidget& widget, Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }

    // The popup below is a widget: the application comes first.
    bool applicationReady = (TestApplication::Ensure(), true);
    QRect workArea;
    Recorder recorder;
    TestPopup popup{recorder, QSize(120, 90)};
};
}

TEST_F(PopupBarBaseTest, APopupNearTheScreensEdgeOpensInsideTheWorkArea)
{
    struct Case
    {
        QRect anchor;
        QSize size;
    };
    const QPoint corner = workArea.bottomRight();
    const Case cases[] = {
        {QRect(corner - QPoint(30, 12), QSize(20, 10)), QSize(120, 90)},
        {QRect(corner.x() - 30, workArea.top() + 5, 20, 10), QSize(120, 90)},
        // Taller than the room above and below the anchor: kept inside all the same.
        {QRect(workArea.left() + 5, workArea.center().y(), 20, 10), QSize(120, workArea.height() - 20)},
    };
    for (const Case& c : cases)
    {
        TestPopup edge(recorder, c.size);
        ASSERT_TRUE(edge.ShowAtAnchor(c.anchor));
        const QRect placed = edge.frameGeometry();
        EXPECT_TRUE(workArea.contains(placed)) << placed.x() << "," << placed.y();
        EXPECT_EQ(recorder.shownAt, placed) << "the area observer hears where it opened";
        edge.close();
    }
    TestPopup corner1(recorder, QSize(120, 90));
    corner1.ShowAtAnchor(cases[0].anchor);
    EXPECT_EQ(corner1.frameGeometry().right(), cases[0].anchor.right()) << "right edges aligned";
    EXPECT_EQ(corner1.frameGeometry().bottom() + 1, cases[0].anchor.top()) << "opened above the anchor";
}

TEST_F(PopupBarBaseTest, ShowingAndClosingTellTheObserverInOrder)
{
    Show();
    popup.close();
    EXPECT_EQ(recorder.calls, (QStringList{QStringLiteral("area shown"), QStringLiteral("shown"),
                                           QStringLiteral("area closed"), QStringLiteral("reset hot")}));

    recorder.calls.clear();
    popup.creates = false;
    EXPECT_FALSE(popup.ShowAtAnchor(QRect(10, 10, 5, 5)));
    EXPECT_FALSE(popup.isVisible());
    EXPECT_TRUE(recorder.calls.isEmpty());
}

TEST_F(PopupBarBaseTest, EscapeAndTheSystemKeysCloseIt)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Meta, Qt::Key_Super_L, Qt::Key_Super_R, Qt::Key_Menu})
    {
        Show();
        Key(popup, Qt::Key_Return);
        EXPECT_TRUE(popup.isVisible());
        Key(popup, key);
        EXPECT_FALSE(popup.isVisible()) << key;
    }
}

TEST_F(PopupBarBaseTest, AnyButtonOutsideClosesItAndMovesOutsideReachTheDerivedPopup)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton})
    {
        Show();
        Mouse(popup, QEvent::MouseButtonPress, QPoint(10, 10), button);
        EXPECT_TRUE(popup.isVisible());
        Mouse(popup, QEvent::MouseButtonPress, QPoint(-40, 10), button);
        EXPECT_FALSE(popup.isVisible()) << button;
    }
    EXPECT_EQ(recorder.calls.count(QStringLiteral("inside %1").arg(int(Qt::RightButton))), 1);

    Show();
    recorder.calls.clear();
    Mouse(popup, QEvent::MouseMove, QPoint(300, 300), Qt::NoButton);
    EXPECT_EQ(recorder.calls, QStringList{QStringLiteral("outside %1").arg(int(QEvent::MouseMove))});
    EXPECT_TRUE(popup.isVisible()) << "moving outside does not close it";
}
