#include "charts/ui/FormationsNumericValueEditControlPainter.h"
#include "platform/toolkit/RibbonPaintedEdit.h"
#include "tests/support/ui/TestApplication.h"

#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace
{
void Mouse(QWidget& widget, QEvent::Type type, QPoint point)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, point, widget.mapToGlobal(point), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Click(QWidget& widget, QPoint point)
{
    Mouse(widget, QEvent::MouseMove, point);
    Mouse(widget, QEvent::MouseButtonPress, point);
    Mouse(widget, QEvent::MouseButtonRelease, point);
}

void Paint(FormationsNumericValueEditControlPainter& painter, RibbonEditControl& control, const QRect& rect)
{
    QImage image(300, 40, QImage::Format_ARGB32);
    QPainter device(&image);
    painter.Draw(device, control, rect);
}
}

// The value box starts 3 pixels in and is as wide as the painter's value width; the caption
// starts 3 pixels after it; only the value is the mouse's track area.
TEST(FormationsNumericValueEditPainterTest, ValueAndCaptionRectangles)
{
    TestApplication::Ensure();
    const QRect rect(10, 2, 190, 24);
    for (const int width : {20, 25, 35})
    {
        SCOPED_TRACE(width);
        FormationsNumericValueEditControlPainter painter(width);
        RibbonEditControl control(33664);
        EXPECT_EQ(painter.ValueRect(rect), QRect(13, 2, width, 24));
        EXPECT_EQ(painter.CaptionRect(rect), QRect(16 + width, 2, 190 - width - 6, 24));
        Paint(painter, control, rect);
        EXPECT_EQ(control.GetMouseTrackArea(), painter.ValueRect(rect));
    }
}

// An empty edit shows "-"; the value is hovered only while the control is enabled and the mouse
// is over the value, not over the caption.
TEST(FormationsNumericValueEditPainterTest, TextAndHover)
{
    TestApplication::Ensure();
    RibbonEditControl control(33503);
    EXPECT_EQ(FormationsNumericValueEditControlPainter::ValueText(control), QStringLiteral("-"));
    control.SetEditText(QStringLiteral("12"));
    EXPECT_EQ(FormationsNumericValueEditControlPainter::ValueText(control), QStringLiteral("12"));

    FormationsNumericValueEditControlPainter painter(20);
    Paint(painter, control, QRect(0, 0, 150, 22));
    const struct
    {
        bool enabled;
        QPoint mouse;
        bool hovered;
    } cases[] = {
        {true, {10, 10}, true},
        {false, {10, 10}, false},
        {true, {60, 10}, false},
    };
    for (const auto& entry : cases)
    {
        control.SetEnabled(entry.enabled);
        control.SetMousePosition(entry.mouse);
        EXPECT_EQ(FormationsNumericValueEditControlPainter::Hovered(control), entry.hovered)
            << entry.enabled << " " << entry.mouse.x();
    }
}

// On the ribbon a click on the value opens the typing there and Enter commits the text to the
// control; a click on the caption opens nothing.
TEST(FormationsNumericValueEditPainterTest, AClickOnTheValueTypesIntoTheControl)
{
    TestApplication::Ensure();
    RibbonEditControl control(33664);
    control.SetCaption(QStringLiteral("Kąt"));
    control.SetEditText(QStringLiteral("30"));
    control.SetCustomPainter(std::make_shared<FormationsNumericValueEditControlPainter>(35));
    RibbonPaintedEdit widget(control, nullptr);
    widget.resize(150, 22);
    widget.show();
    widget.grab();

    Click(widget, QPoint(100, 10));
    EXPECT_EQ(widget.GetTypingEdit(), nullptr);

    Click(widget, QPoint(10, 10));
    QLineEdit* typing = widget.GetTypingEdit();
    ASSERT_NE(typing, nullptr);
    EXPECT_EQ(typing->text(), QStringLiteral("30"));
    typing->setText(QStringLiteral("45"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(typing, &enter);
    EXPECT_EQ(control.GetEditText(), QStringLiteral("45"));
    EXPECT_EQ(widget.GetTypingEdit(), nullptr);
}
