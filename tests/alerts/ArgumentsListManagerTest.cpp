#include "AlertsFixture.h"

#include "alerts/engine/ArgumentsListManager.h"

#include <atomic>
#include <thread>

namespace
{
class ArgumentsListManagerTest : public AlertsFixture
{
protected:
    ArgumentsListManager& Registry() { return module.Arguments(); }

    // An operand's way of binding: find or register, then count.
    bool Bind(const AlertExprArgDesc& argument)
    {
        if (!Registry().Find(argument))
            Registry().Register(argument);
        return Registry().IncrementArgumentInstanceCount(argument);
    }
};
}

TEST_F(ArgumentsListManagerTest, SourceServesFromTheFirstUserToTheLast)
{
    const AlertExprArgDesc a = Arg(1);
    ASSERT_TRUE(Bind(a));
    ASSERT_TRUE(Bind(a));
    EXPECT_EQ(source.AddCalls(a), 1);
    Registry().DecrementArgumentInstanceCount(a);
    EXPECT_EQ(source.RemoveCalls(a), 0);
    EXPECT_TRUE(Registry().UpdateArgument(a, 3, 1.5));
    EXPECT_EQ(Registry().ArgumentPrecision(a), 3);
    Registry().DecrementArgumentInstanceCount(a);
    EXPECT_EQ(source.RemoveCalls(a), 1);
    EXPECT_FALSE(Registry().Find(a));

    // Bound again, it waits for a fresh value.
    ASSERT_TRUE(Bind(a));
    EXPECT_FALSE(Registry().ArgumentInitialised(a));
    EXPECT_EQ(source.AddCalls(a), 2);
}

TEST_F(ArgumentsListManagerTest, RefusedArgumentLeavesNoEntryAndNoLinks)
{
    const AlertExprArgDesc refused = Arg(1);
    auto alert = NewAlert(QStringLiteral("a"));
    alert->BuySide().SetSideEnabled(true);
    AddExpr(alert->BuySide(), refused, eCmpGreater, 1);
    module.AddAlert(alert);
    ASSERT_EQ(module.Alerts().LinkCount(refused), 1u);

    source.Refuse(refused);
    Registry().Clear();
    EXPECT_FALSE(Bind(refused));
    EXPECT_FALSE(Registry().Find(refused));
    EXPECT_EQ(module.Alerts().LinkCount(refused), 0u);

    mediator.sources.clear();
    EXPECT_FALSE(Bind(Arg(2)));
    EXPECT_FALSE(Registry().Find(Arg(2)));
}

TEST_F(ArgumentsListManagerTest, ValuesOfArgumentsNotInUseAreDropped)
{
    const AlertExprArgDesc unknown = Arg(1);
    const AlertExprArgDesc idle = Arg(2);
    Registry().Register(idle);
    EXPECT_FALSE(Registry().UpdateArgument(unknown, 2, 1.0));
    EXPECT_FALSE(Registry().UpdateArgument(idle, 2, 1.0));
    EXPECT_FALSE(Registry().ArgumentInitialised(idle));

    // Unknown arguments read as nothing, and giving one back changes nothing.
    Registry().DecrementArgumentInstanceCount(unknown);
    Registry().DecrementArgumentInstanceCount(idle);
    EXPECT_EQ(Registry().ArgumentValue(unknown), 0.0);
    EXPECT_FALSE(Registry().ArgumentInitialised(unknown));
    EXPECT_EQ(Registry().ArgumentPrecision(unknown), 0);
    EXPECT_EQ(Registry().ArgumentInstanceCount(idle), 0u);
    EXPECT_EQ(source.RemoveCalls(idle), 0);
}

TEST_F(ArgumentsListManagerTest, UsesGoBackOnlyToTheEntryTheyWereTakenOn)
{
    const AlertExprArgDesc a = Arg(1);
    Registry().Register(a);
    std::shared_ptr<Argument> before;
    ASSERT_TRUE(Registry().IncrementArgumentInstanceCount(a, before));
    Registry().Clear();
    Registry().Register(a);
    std::shared_ptr<Argument> after;
    ASSERT_TRUE(Registry().IncrementArgumentInstanceCount(a, after));
    ASSERT_NE(before, after);

    Registry().DecrementArgumentInstanceCount(a, before);
    EXPECT_EQ(Registry().ArgumentInstanceCount(a), 1u);
    EXPECT_EQ(source.RemoveCalls(a), 1);
    Registry().DecrementArgumentInstanceCount(a, after);
    EXPECT_FALSE(Registry().Find(a));
    EXPECT_EQ(source.RemoveCalls(a), 2);
}

TEST_F(ArgumentsListManagerTest, ClearingStopsTheSourcesOfArgumentsInUse)
{
    ASSERT_TRUE(Bind(Arg(1)));
    Registry().Register(Arg(2));
    Registry().Clear();
    EXPECT_EQ(source.RemoveCalls(Arg(1)), 1);
    EXPECT_EQ(source.RemoveCalls(Arg(2)), 0);
    EXPECT_FALSE(Registry().Find(Arg(1)));
}

// The worker stores values and tests alerts while the main thread binds and releases the
// same arguments: the lock order must hold and no count may get lost.
TEST_F(ArgumentsListManagerTest, BindingWhileTheWorkerTestsStaysConsistent)
{
    constexpr int kArguments = 8;
    for (int i = 0; i < kArguments; ++i)
        AddTwoSided(QStringLiteral("alert %1").arg(i), Arg(i), 10, 5);
    std::atomic<bool> done = false;
    std::thread worker([this, &done] {
        for (int round = 0; !done.load(); ++round)
        {
            const int i = round % kArguments;
            module.OnArgValueUpdated(Arg(i), AlertExprArgValue(round % 20, 2, OleDate(round)));
        }
    });
    for (int round = 0; round < 2000; ++round)
    {
        const auto clone = module.Alerts().CloneAlert(static_cast<std::uint32_t>(round % kArguments + 1));
        ASSERT_TRUE(clone);
        clone->BuySide().Expression(0).SetArgument(SimpleExpr::eLeft, Arg(100 + round % 3));
        if (round % 50 == 0)
            module.AddAlert(clone);
    }
    done = true;
    worker.join();
    for (int i = 0; i < kArguments; ++i)
    {
        const std::uint32_t count = Registry().ArgumentInstanceCount(Arg(i));
        EXPECT_GE(count, 1u);
        EXPECT_LE(count, 2u);
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Registry().ArgumentInstanceCount(Arg(100 + i)), module.Alerts().LinkCount(Arg(100 + i)));
}
