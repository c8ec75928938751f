#include "platform/toolkit/ToolkitColors.h"
#include "platform/ui/PopupWindow.h"
#include "ribbon/popups/PopupWindowManagerEx.h"
#include "tests/support/ui/TestApplication.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace
{
class IntervalManager : public PopupWindowManagerEx
{
public:
    using PopupWindowManagerEx::PopupWindowManagerEx;

    bool makes = true;
    int created = 0;
    int updated = 0;
    int poped = 0;

protected:
    QWidget* CreatePopupWindow(QWidget* host) override
    {
        if (!makes)
            return nullptr;
        ++created;
        auto* label = new QLabel(QStringLiteral("Interwał"), host);
        label->setFixedSize(120, 60);
        return label;
    }
    void UpdatePopupWindow() override { ++updated; }
    void OnWindowPoped() override { ++poped; }
};
}

TEST(PopupWindowManagerTest, MakesTheDialogOnceAndFillsItAtEveryShowing)
{
    TestApplication::Ensure();
    QWidget frame;
    IntervalManager manager(&frame);
    EXPECT_EQ(manager.GetParentWnd(), &frame);

    ASSERT_TRUE(manager.ShowAtAnchor(QRect(40, 40, 30, 20)));
    EXPECT_TRUE(manager.IsPopupShown());
    const QRect shown = manager.GetPopupWindow()->frameGeometry();
    EXPECT_EQ(shown.topLeft(), QPoint(40, 60)) << "under the anchor";
    EXPECT_TRUE(manager.OnMouseHitTest(shown.center()));
    EXPECT_FALSE(manager.OnMouseHitTest(shown.bottomRight() + QPoint(5, 5)));
    manager.ClosePopup();
    EXPECT_FALSE(manager.IsPopupShown());
    EXPECT_FALSE(manager.OnMouseHitTest(shown.center()));

    ASSERT_TRUE(manager.ShowAtAnchor(QRect(40, 40, 30, 20)));
    EXPECT_EQ(manager.created, 1);
    EXPECT_EQ(manager.updated, 2);
    EXPECT_EQ(manager.poped, 2);
}

TEST(PopupWindowManagerTest, TheHostIsPaintedWithThePopupGradient)
{
    TestApplication::Ensure();
    ToolkitColors::SetSource([](int index) { return index == ToolkitColors::PopupBackground ? QColor(250, 0, 0) : QColor(); });
    IntervalManager manager;
    ASSERT_TRUE(manager.ShowAtAnchor(QRect(40, 40, 30, 20)));
    const QImage image = manager.GetPopupWindow()->grab().toImage();
    ToolkitColors::SetSource({});
    EXPECT_EQ(image.pixelColor(1, 0).red(), 250) << "the gradient starts in the popup colour";
    EXPECT_LE(image.pixelColor(1, 0).green(), 2);
    EXPECT_GT(image.pixelColor(1, image.height() - 1).green(), 50) << "and runs towards the shadow";
}

TEST(PopupWindowManagerTest, ADialogThatCannotBeMadeShowsNothingAndAGoneParentLeavesNoDanglingHost)
{
    TestApplication::Ensure();
    IntervalManager failing;
    failing.makes = false;
    EXPECT_FALSE(failing.ShowAtAnchor(QRect(10, 10, 5, 5)));
    EXPECT_FALSE(failing.IsPopupShown());

    auto frame = std::make_unique<QWidget>();
    IntervalManager manager(frame.get());
    ASSERT_TRUE(manager.ShowAtAnchor(QRect(10, 10, 5, 5)));
    frame.reset();
    EXPECT_EQ(manager.GetPopupWindow(), nullptr) << "the frame took its popup with it";
    EXPECT_FALSE(manager.IsPopupShown());
}
