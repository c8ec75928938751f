#pragma once
// The standard edition started with one orders-sheet window shown in the active panel, on the
// simulated market's first instrument; the market's last instrument stands by as another.

#include "platform/modules/Asset.h"
#include "tests/app/ClassicAppFixture.h"

class OrderSheetMainDlg;
class OrdersSheetManagerQ4Classic;
class QWidget;

class OrdersSheetAppFixture : public ClassicAppFixture
{
protected:
    void SetUp() override;
    void TearDown() override { Exit(); }

    OrdersSheetManagerQ4Classic* sheets = nullptr;
    OrderSheetMainDlg* window = nullptr;
    QWidget* panel = nullptr;
    Asset asset;
    Asset other;
};
