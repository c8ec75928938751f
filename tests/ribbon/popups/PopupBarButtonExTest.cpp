#include "ribbon/popups/PopupBarButtonEx.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QEnterEvent>

#include <gtest/gtest.h>

TEST(PopupBarButtonExTest, ShowsItsHotImageUnderTheMouse)
{
    TestApplication::Ensure();
    PopupBarButtonEx button(1364, 1365);
    const QImage normal = button.CurrentImage().toImage();

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&button, &enter);
    const QImage hot = button.CurrentImage().toImage();
    EXPECT_NE(hot, normal);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.CurrentImage().toImage(), normal);
}
