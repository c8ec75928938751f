#pragma once
// The orders-sheet window tests' fixture: the running program with its sheet module, and a
// sheet opened on an instrument once its book has arrived.

#include "orderssheet/ui/OSComplexPaneContainer.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "tests/app/OrdersSheetAppFixture.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

class OrdersSheetWindowTest : public OrdersSheetAppFixture
{
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(StartWithSheetModule()); }

    // A shown window on the instrument, its book arrived.
    OrderSheetMainDlg* OpenOn(const Asset& on)
    {
        EXPECT_TRUE(sheets->ShowOrdersSheetForAsset(on, panel));
        OrderSheetMainDlg* window = sheets->GetCurrentWindow();
        EXPECT_NE(window, nullptr);
        if (window)
        {
            EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return HasRows(*window); }, 10000));
        }
        return window;
    }

    static bool HasRows(const OrderSheetMainDlg& window)
    {
        const OrdersSheetPaneManager& panes = window.Panes();
        return panes.ComplexPane().Table().GetItemCount() > 1 && panes.SecondPane().Table().GetItemCount() > 0;
    }
};
