#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/popups/ColorPickerItems.h"
#include "ribbon/popups/ColorPickerPopupWindow.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace
{
constexpr int kCommitted = 0x123456;

// A style parameter edited through the picker: the hot colour shows at once, clearing puts
// the committed colour back, picking commits what shows. Every call is also recorded.
class PreviewedColor : public ColorPickerPopupWindow::IPickedColorObserver
{
public:
    void OnColorPicked() override
    {
        committed = shown;
        calls << QStringLiteral("picked");
    }
    void OnColorHot(int color) override
    {
        shown = color;
        calls << QStringLiteral("hot %1").arg(color, 0, 16);
    }
    void OnHotColorCleared() override
    {
        shown = committed;
        calls << QStringLiteral("cleared");
    }

    int committed = kCommitted;
    int shown = kCommitted;
    QStringList calls;
};

class NoArea : public PopupBarBase::IPopupAreaObserver
{
public:
    void OnPopupAreaShown(const QRect&) override {}
    void OnPopupAreaClosed() override {}
};

class ColorPickerPopupWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        picker.SetSelectedColor(kCommitted);
        ASSERT_TRUE(picker.ShowAtAnchor(QRect(100, 100, 20, 20)));
    }

    // The centre of the first item of the colour (or of the caption with the text).
    QPoint CentreOf(int color) const
    {
        for (const auto& item : picker.GetItems())
        {
            if (item->GetColor() == color)
                return item->GetRect().center();
        }
        ADD_FAILURE() << "no item of colour " << color;
        return {};
    }

    void Mouse(QEvent::Type type, const QPoint& point)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, point, picker.mapToGlobal(point), button, button, Qt::NoModifier);
        QApplication::sendEvent(&picker, &event);
    }

    // The popup below is a widget: the application comes first.
    bool applicationReady = (TestApplication::Ensure(), true);
    PreviewedColor observer;
    NoArea area;
    ColorPickerPopupWindow picker{observer, area};
};
}

TEST_F(ColorPickerPopupWindowTest, LaysOutItsRowsAndCells)
{
    const auto& items = picker.GetItems();
    ASSERT_EQ(items.size(), 75u);
    struct Expected
    {
        std::size_t index;
        QRect rect;
    };
    const Expected expected[] = {
        {0, QRect(3, 3, 170, 17)},    // "Domyślny"
        {1, QRect(3, 23, 170, 17)},   // "Kolory motywu"
        {2, QRect(3, 43, 13, 13)},    // White
        {12, QRect(3, 60, 13, 13)},   // the first shade stands 4 below the base colours
        {61, QRect(156, 112, 13, 13)}, // the last shade of Orange
        {62, QRect(3, 128, 170, 17)}, // "Kolory standardowe"
        {63, QRect(3, 148, 13, 13)},  // Dark Red
        {73, QRect(3, 164, 170, 2)},  // the separator
        {74, QRect(3, 169, 170, 17)}, // "Więcej kolorów"
    };
    for (const Expected& e : expected)
        EXPECT_EQ(items[e.index]->GetRect(), e.rect) << e.index;
    EXPECT_EQ(picker.GetPopupSize(), QSize(176, 189));
    EXPECT_EQ(items[0]->GetColor(), ColorMarkers::kDefault);
    EXPECT_EQ(items[74]->GetColor(), ColorMarkers::kMore);
    const auto* base = dynamic_cast<const ColorPickerPopupWindow::ColorItem*>(items[2].get());
    ASSERT_NE(base, nullptr);
    EXPECT_TRUE(base->HasTopBorder() && base->HasBottomBorder());
}

TEST_F(ColorPickerPopupWindowTest, PreviewsOnHoverAndCommitsOnClick)
{
    Mouse(QEvent::MouseMove, CentreOf(0x0000FF));
    EXPECT_EQ(observer.shown, 0x0000FF);
    Mouse(QEvent::MouseMove, picker.GetItems()[1]->GetRect().center());
    EXPECT_EQ(observer.shown, kCommitted) << "a caption clears the preview";
    Mouse(QEvent::MouseMove, CentreOf(ColorMarkers::kDefault));
    EXPECT_EQ(observer.shown, ColorMarkers::kDefault);
    Mouse(QEvent::MouseMove, QPoint(400, 10));
    EXPECT_EQ(observer.shown, kCommitted) << "leaving the popup clears it";
    Mouse(QEvent::MouseMove, CentreOf(0x50B000));
    Mouse(QEvent::MouseButtonPress, CentreOf(0x50B000));

    EXPECT_EQ(observer.calls, (QStringList{QStringLiteral("hot ff"), QStringLiteral("cleared"), QStringLiteral("hot -2"),
                                           QStringLiteral("cleared"), QStringLiteral("hot 50b000"),
                                           QStringLiteral("picked")}));
    EXPECT_EQ(observer.committed, 0x50B000);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.GetHotColor(), ColorMarkers::kNone);
}

TEST_F(ColorPickerPopupWindowTest, EscapeAndAnOutsideClickCancelToTheCommittedColour)
{
    Mouse(QEvent::MouseMove, CentreOf(0x00FFFF));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&picker, &escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(observer.shown, kCommitted);

    ASSERT_TRUE(picker.ShowAtAnchor(QRect(100, 100, 20, 20)));
    Mouse(QEvent::MouseMove, CentreOf(0x00FFFF));
    Mouse(QEvent::MouseButtonPress, QPoint(-20, -20));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(observer.shown, kCommitted);
    EXPECT_EQ(observer.committed, kCommitted);
    EXPECT_EQ(observer.calls.count(QStringLiteral("picked")), 0);
}

TEST_F(ColorPickerPopupWindowTest, MoreColoursAsksTheColourDialog)
{
    ScopedFakeDialogs dialogs;
    dialogs.ColorDialog().SetAnswer(QColor(0x11, 0x22, 0x33));
    Mouse(QEvent::MouseMove, CentreOf(ColorMarkers::kMore));
    EXPECT_EQ(observer.shown, kCommitted) << "it previews the selected colour";
    Mouse(QEvent::MouseButtonPress, CentreOf(ColorMarkers::kMore));

    ASSERT_EQ(dialogs.ColorDialog().Opened().size(), 1u);
    EXPECT_EQ(dialogs.ColorDialog().Opened().front(), ColorMarkers::ToQColor(kCommitted));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(observer.calls, (QStringList{QStringLiteral("hot 123456"), QStringLiteral("cleared"),
                                           QStringLiteral("hot 332211"), QStringLiteral("picked")}));
    EXPECT_EQ(observer.committed, 0x332211);

    observer.calls.clear();
    dialogs.ColorDialog().SetAnswer(std::nullopt);
    ASSERT_TRUE(picker.ShowAtAnchor(QRect(100, 100, 20, 20)));
    Mouse(QEvent::MouseButtonPress, CentreOf(ColorMarkers::kMore));
    EXPECT_EQ(observer.calls, QStringList{QStringLiteral("picked")}) << "cancelled: picked with nothing hot";
    EXPECT_EQ(observer.committed, 0x332211);
}

TEST_F(ColorPickerPopupWindowTest, MarksTheSelectedColourOnly)
{
    const auto selectedCount = [this] {
        return std::count_if(picker.GetItems().begin(), picker.GetItems().end(),
                             [](const auto& item) { return item->IsSelected(); });
    };
    picker.SetSelectedColor(0x0000C0);
    EXPECT_EQ(selectedCount(), 1);
    picker.SetSelectedColor(0x010203);
    EXPECT_EQ(selectedCount(), 0) << "a colour the popup does not offer";
    EXPECT_EQ(picker.GetSelectedColor(), 0x010203);
}
