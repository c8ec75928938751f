#include "platform/modules/PluginBase.h"
#include "tests/support/FakeAppMediator.h"
#include "tests/support/ui/FakeModuleWnd.h"
#include "tests/support/ui/TestApplication.h"

#include <QLineEdit>

#include <gtest/gtest.h>

class ModuleWndBaseTest : public ::testing::Test
{
protected:
    ModuleWndBaseTest() { TestApplication::Ensure(); }
    ~ModuleWndBaseTest() override { PluginBase::NullifyAppMediator(); }

    FakeAppMediator mediator;
};

TEST_F(ModuleWndBaseTest, ForcedActivationTellsTheApplicationThroughItsMediator)
{
    QWidget view;
    FakeModuleWnd window(nullptr, nullptr, &view);
    window.ForceActivate();
    EXPECT_EQ(mediator.GetActiveModuleWnd(), nullptr);

    PluginBase::Init(&mediator);
    window.ForceActivate();
    EXPECT_EQ(mediator.GetActiveModuleWnd(), &window);
}

TEST_F(ModuleWndBaseTest, AWidgetKnowsTheModuleWindowItLiesIn)
{
    QWidget view;
    FakeModuleWnd window(nullptr, nullptr, &view);
    auto* edit = new QLineEdit(&window);
    EXPECT_EQ(ModuleWndBase::Of(edit), &window);
    EXPECT_EQ(ModuleWndBase::Of(&window), &window);
    EXPECT_EQ(ModuleWndBase::Of(&view), nullptr);
    EXPECT_EQ(ModuleWndBase::Of(nullptr), nullptr);
}
