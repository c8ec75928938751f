#include "tests/app/OrdersSheetAppFixture.h"

#include "core/mediator/AppMediator.h"
#include "platform/modules/ProviderBase.h"

#include <gtest/gtest.h>

void OrdersSheetAppFixture::StartWithSheetModule()
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
}

void OrdersSheetAppFixture::StartWithSheet()
{
    ASSERT_NO_FATAL_FAILURE(StartWithSheetModule());
    ASSERT_TRUE(sheets->ShowOrdersSheetForAsset(asset, panel));
    window = sheets->GetCurrentWindow();
    ASSERT_NE(window, nullptr);
}
