#pragma once
// The running program with its orders-sheet module found, and two instruments of the built-in
// feed to open sheets on, for the sheet's application tests.

#include "app/OrdersSheetManagerQ4Classic.h"
#include "platform/modules/Asset.h"
#include "tests/app/ClassicAppFixture.h"

class OrderSheetMainDlg;
class QWidget;

class OrdersSheetAppFixture : public ClassicAppFixture
{
protected:
    // Starts the program and fills the members; a failed step fails the test.
    void StartWithSheetModule();
    // Then shows a sheet on the first instrument: the module's current window.
    void StartWithSheet();
    void TearDown() override { Exit(); }

    OrdersSheetManagerQ4Classic* sheets = nullptr;
    Asset asset;
    Asset other;
    QWidget* panel = nullptr;
    OrderSheetMainDlg* window = nullptr;
};
