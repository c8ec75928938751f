#include "tests/app/OrdersSheetAppFixture.h"

#include "app/OrdersSheetManagerQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "platform/modules/ProviderBase.h"

void OrdersSheetAppFixture::SetUp()
{
    ASSERT_TRUE(Start());
    sheets = dynamic_cast<OrdersSheetManagerQ4Classic*>(Mediator().GetModuleByName(QStringLiteral("Arkusz zlecen")));
    ASSERT_NE(sheets, nullptr);
    ProviderBase* provider = Mediator().GetDefaultProvider();
    ASSERT_NE(provider, nullptr);
    asset = provider->GetAllAssets().front();
    asset.SetProvider(provider);
    other = provider->GetAllAssets().back();
    other.SetProvider(provider);
    ASSERT_FALSE(asset == other);
    panel = Mediator().GetActivePanelView() ? Mediator().GetActivePanelView() : Mediator().GetCurrentPanelView();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(sheets->ShowOrdersSheetForAsset(asset, panel));
    window = sheets->GetCurrentWindow();
    ASSERT_NE(window, nullptr);
}
