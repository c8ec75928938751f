#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "tests/support/FakeProvider.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/FrameSystemMenus.h"
#include "workspace/ui/ProviderMenuEntries.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <gtest/gtest.h>

using namespace WorkspaceIds;

namespace
{
class ConfigurableProvider : public FakeProvider
{
public:
    explicit ConfigurableProvider(const QString& name)
        : FakeProvider(name)
    {
    }
    int QueryBeforeConfigure() override { return query; }
    bool ShowConfiguration(QWidget*) override
    {
        ++shown;
        return changes;
    }

    int query = 0;
    bool changes = false;
    int shown = 0;
};
}

TEST(ProviderMenuEntriesTest, EveryNamedProviderGetsAnEntryOfItsOwnRegisteredId)
{
    ConfigurableProvider first(QStringLiteral("Pierwszy"));
    ConfigurableProvider nameless{QString()};
    ConfigurableProvider second(QStringLiteral("Drugi"));
    ProviderMenuEntries entries;
    EXPECT_EQ(entries.Build({&first, &nameless, &second}), 2);
    const std::vector<std::uint32_t> ids = entries.GetIds();
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_LT(ids[0], ids[1]);
    EXPECT_EQ(&entries.Find(ids[0])->GetProvider(), &first);

    // A new build registers new names, so old ids reach nothing.
    entries.Build({&first});
    EXPECT_FALSE(entries.Contains(ids[0]));
    EXPECT_EQ(entries.GetIds().size(), 1u);
    EXPECT_EQ(entries.Build({&nameless}), 0);
    EXPECT_TRUE(entries.IsEmpty());
}

TEST(ProviderMenuEntriesTest, TheSessionReloadsOnlyWhenTheProviderAllowsItAndItsConfigurationChanged)
{
    const struct
    {
        int query;
        bool changes;
        ProviderMenuEntries::ConfigureResult result;
    } cases[] = {
        {0, true, ProviderMenuEntries::ConfigureResult::Reload},
        {0, false, ProviderMenuEntries::ConfigureResult::Kept},
        {1, true, ProviderMenuEntries::ConfigureResult::Kept},
        {1, false, ProviderMenuEntries::ConfigureResult::Kept},
    };
    for (const auto& item : cases)
    {
        ConfigurableProvider provider(QStringLiteral("Dostawca"));
        provider.query = item.query;
        provider.changes = item.changes;
        ProviderMenuEntries entries;
        entries.Build({&provider});
        EXPECT_EQ(entries.Configure(entries.GetIds().front(), nullptr), item.result) << item.query << item.changes;
        EXPECT_EQ(provider.shown, 1);
        EXPECT_EQ(entries.Configure(1, nullptr), ProviderMenuEntries::ConfigureResult::NoEntry);
    }
}

TEST(FrameSystemMenusTest, TheProvidersAndTheWindowFilesOpenPagesOfTheirOwn)
{
    TestApplication::Ensure();
    ConfigurableProvider provider(QStringLiteral("Kelvora OnLine"));
    CommandBars commandBars;
    FrameSystemMenus menus(commandBars);

    const MenuTable menu = menus.BuildMainSystemMenu({&provider});
    ASSERT_EQ(menu.size(), 14u);
    const MenuItem& providers = menu[6];
    ASSERT_EQ(providers.popup.size(), 1u);
    EXPECT_EQ(providers.text, QStringLiteral("Konfiguruj źródła danych"));
    EXPECT_EQ(providers.popup.front().text, QStringLiteral("Kelvora OnLine"));
    EXPECT_EQ(menu[0].popup.size(), 7u);
    EXPECT_EQ(menus.BuildMainSystemMenu({})[6].id, ID_CONFIGURE_PROVIDERS);
    EXPECT_EQ(menus.GetStyleEditSystemMenu().size(), 3u);

    std::unique_ptr<RibbonControl> control;
    EXPECT_TRUE(menus.CreateControl(ID_CONFIGURE_PROVIDERS, {}, control));
    EXPECT_EQ(control, nullptr);
    EXPECT_TRUE(menus.CreateControl(ID_CONFIGURE_PROVIDERS, {&provider}, control));
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->GetCommandBar()->GetControls().size(), 1u);
    EXPECT_EQ(control->GetCommandBar()->GetControls().front()->GetDescription(), provider.GetDescription());
    EXPECT_TRUE(menus.CreateControl(ID_OPEN_WINDOW, {}, control));
    EXPECT_EQ(control->GetCommandBar()->GetControls().size(), 7u);
    EXPECT_FALSE(menus.CreateControl(ID_NEW_SCREEN, {}, control));
}
