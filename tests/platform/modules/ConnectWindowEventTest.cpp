#include "platform/modules/ConnectWindowEvent.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

// A window's id names it for as long as it lives, differs from every other window's, and asking
// for it leaves the window a plain child (a native one would cover its siblings).
TEST(ConnectWindowEventTest, AWindowsIdIsItsOwnAndLeavesItAPlainChild)
{
    TestApplication::Ensure();
    QWidget view;
    QWidget first(&view);
    QWidget second(&view);
    const int firstId = ConnectWindowEvent::WindowIdOf(&first);
    const int secondId = ConnectWindowEvent::WindowIdOf(&second);
    EXPECT_GT(firstId, 0);
    EXPECT_NE(firstId, secondId);
    EXPECT_EQ(ConnectWindowEvent::WindowIdOf(&first), firstId);
    EXPECT_EQ(ConnectWindowEvent::WindowIdOf(nullptr), 0);
    EXPECT_FALSE(first.testAttribute(Qt::WA_NativeWindow));
    EXPECT_EQ(first.internalWinId(), 0u);
}
