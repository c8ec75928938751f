#include "AlertsFixture.h"

#include "alerts/engine/ArgumentsListManager.h"

#include <string>
#include <vector>

namespace
{
// One comparison: argument x (0) or y (1) against a constant.
struct Expr
{
    int argument;
    std::uint32_t op;
    double constant;
};

struct SideSetup
{
    bool enabled = false;
    std::vector<Expr> expressions;
    std::uint32_t logicOperator = BLDirectAlert::eAnyTrue;
};

// A value of x or y at a time; the expected result of the step is 'B' (buy generated),
// 'S' (sell generated) or '-' (nothing).
struct Step
{
    int argument;
    double value;
    double time;
};

struct Rule
{
    const char* name;
    SideSetup buy;
    SideSetup sell;
    bool onlyOnce = false;
    bool synchronious = false;
    std::vector<Step> steps;
    std::string expected;
};

class BLAlertTest : public AlertsFixture
{
protected:
    static AlertExprArgDesc Argument(int index) { return Arg(static_cast<std::uint32_t>(index + 1)); }

    static void Fill(BLDirectAlert& side, const SideSetup& setup)
    {
        side.SetSideEnabled(setup.enabled);
        side.SetLogicOperator(setup.logicOperator);
        for (const Expr& expr : setup.expressions)
            AddExpr(side, Argument(expr.argument), expr.op, expr.constant);
    }

    std::shared_ptr<BLAlert> Make(const char* name, const SideSetup& buy, const SideSetup& sell, bool onlyOnce = false,
                                  bool synchronious = false)
    {
        auto alert = NewAlert(QString::fromUtf8(name));
        Fill(alert->BuySide(), buy);
        Fill(alert->SellSide(), sell);
        alert->Properties().SetOnlyOnce(onlyOnce);
        alert->Properties().SetSynchronious(synchronious);
        return alert;
    }

    std::string Run(const std::vector<Step>& steps)
    {
        std::string results;
        for (const Step& step : steps)
        {
            Deliver(Argument(step.argument), step.value, step.time);
            const auto generated = generator.Taken();
            results += generated.empty() ? '-' : generated.back().side == BLAlert::kBuySide ? 'B' : 'S';
        }
        return results;
    }
};

const SideSetup kXAbove10{true, {{0, eCmpGreater, 10}}};
const SideSetup kXBelow5{true, {{0, eCmpLess, 5}}};
const SideSetup kXAbove20{true, {{0, eCmpGreater, 20}}};
const SideSetup kYAbove10{true, {{1, eCmpGreater, 10}}};
const SideSetup kXAndYAbove10{true, {{0, eCmpGreater, 10}, {1, eCmpGreater, 10}}, BLDirectAlert::eAllTrue};
const SideSetup kXOrYAbove10{true, {{0, eCmpGreater, 10}, {1, eCmpGreater, 10}}, BLDirectAlert::eAnyTrue};
const SideSetup kEnabledEmpty{true, {}};
}

TEST_F(BLAlertTest, FiringRules)
{
    const Rule rules[] = {
        {"one side fires on the edge only", kXAbove10, {}, false, false,
         {{0, 11, 1}, {0, 12, 2}, {0, 9, 3}, {0, 11, 4}}, "B--B"},
        {"sell side alone", {}, kXBelow5, false, false, {{0, 4, 1}, {0, 3, 2}, {0, 6, 3}, {0, 4, 4}}, "S--S"},
        {"both sides alternate, buy first, no edge check", kXAbove10, kXAbove20, false, false,
         {{0, 11, 1}, {0, 12, 2}, {0, 25, 3}, {0, 25, 4}, {0, 26, 5}}, "B-SBS"},
        {"both sides fire sell first when buy does not hold", kXAbove10, kXBelow5, false, false,
         {{0, 4, 1}, {0, 3, 2}, {0, 11, 3}}, "S-B"},
        {"only once, one side", kXAbove10, {}, true, false, {{0, 11, 1}, {0, 9, 2}, {0, 11, 3}}, "B--"},
        {"only once, two sides", kXAbove10, kXBelow5, true, false, {{0, 11, 1}, {0, 4, 2}, {0, 11, 3}}, "B--"},
        {"AND waits for every argument", kXAndYAbove10, {}, false, false, {{0, 11, 1}, {1, 11, 2}}, "-B"},
        {"without synchronous, one fresh value tests again", kXAndYAbove10, {}, false, false,
         {{0, 11, 1}, {1, 11, 2}, {0, 5, 3}, {0, 11, 4}}, "-B-B"},
        {"synchronous needs both values fresh again", kXAndYAbove10, {}, false, true,
         {{0, 11, 1}, {1, 11, 2}, {0, 5, 3}, {0, 11, 4}, {1, 12, 5}}, "-B---"},
        {"OR: an argument without a value counts false and blocks nothing", kXOrYAbove10, {}, false, false,
         {{0, 11, 1}}, "B"},
        {"same series and time tests once", kXAbove10, {}, false, false,
         {{0, 11, 1}, {0, 5, 2}, {0, 11, 2}, {0, 11, 3}}, "B--B"},
        {"only an argument of the side due next starts a test", kXAbove10, kYAbove10, false, false,
         {{0, 11, 1}, {1, 11, 2}, {1, 12, 3}, {0, 12, 4}}, "BS-B"},
    };
    for (const Rule& rule : rules)
    {
        SCOPED_TRACE(rule.name);
        const std::uint32_t id = module.AddAlert(Make(rule.name, rule.buy, rule.sell, rule.onlyOnce, rule.synchronious));
        EXPECT_EQ(Run(rule.steps), rule.expected);
        module.RemoveIncompleteAlert(id);
        module.Arguments().Clear();
    }
}

TEST_F(BLAlertTest, AlertsThatCannotRunNeverFire)
{
    const std::vector<Step> fire{{0, 11, 1}};
    {
        SCOPED_TRACE("a side without comparisons");
        auto alert = Make("empty", kEnabledEmpty, {});
        alert->SetAssociatedArg(Argument(0));
        const std::uint32_t id = module.AddAlert(alert);
        EXPECT_EQ(Run(fire), "-");
        module.RemoveIncompleteAlert(id);
    }
    {
        SCOPED_TRACE("an instrument no longer quoted");
        auto alert = NewAlert(QStringLiteral("delisted"));
        alert->BuySide().SetSideEnabled(true);
        AlertExprArgDesc delisted = Argument(0);
        delisted.SetAlertNameValid(false);
        AddExpr(alert->BuySide(), delisted, eCmpGreater, 10);
        const std::uint32_t id = module.AddAlert(alert);
        EXPECT_EQ(Run(fire), "-");
        EXPECT_FALSE(module.Alerts().IsLocalAlertEditable(id));
        module.RemoveIncompleteAlert(id);
    }
    {
        SCOPED_TRACE("switched off by the user");
        auto alert = Make("inactive", kXAbove10, {});
        alert->SetActive(false);
        const std::uint32_t id = module.AddAlert(alert);
        EXPECT_EQ(Run(fire), "-");
        module.RemoveIncompleteAlert(id);
    }
}

TEST_F(BLAlertTest, RecentTimesSuppressRepeatsAreCappedAndNotCopied)
{
    auto alert = Make("capped", kXOrYAbove10, {});
    EXPECT_TRUE(alert->CheckArgumentTime(Argument(0), OleDate(1)));
    EXPECT_EQ(alert->RecentArgumentTimesCount(), 0u);
    alert->Properties().SetLastGenerated(BLAlert::kBuySide);
    EXPECT_TRUE(alert->CheckArgumentTime(Argument(0), OleDate(1)));
    EXPECT_FALSE(alert->CheckArgumentTime(Argument(0), OleDate(1)));
    EXPECT_TRUE(alert->CheckArgumentTime(Argument(1), OleDate(1)));
    EXPECT_TRUE(alert->CheckArgumentTime(Argument(0), OleDate(2)));
    EXPECT_EQ(alert->RecentArgumentTimesCount(), 2u);
    EXPECT_TRUE(alert->CheckArgumentTime(Argument(0), OleDate(1)));
    EXPECT_EQ(BLAlert(*alert).RecentArgumentTimesCount(), 0u);

    // Four comparisons keep four records; the fifth time overwrites the oldest.
    const SideSetup fourOnX{true, {{0, eCmpGreater, 10}, {0, eCmpGreater, 11}, {0, eCmpGreater, 12}, {0, eCmpGreater, 13}}};
    auto wide = Make("wide", fourOnX, {});
    wide->Properties().SetLastGenerated(BLAlert::kBuySide);
    for (double time : {1.0, 2.0, 3.0, 4.0})
        EXPECT_TRUE(wide->CheckArgumentTime(Argument(0), OleDate(time)));
    EXPECT_EQ(wide->RecentArgumentTimesCount(), 4u);
    for (double time : {1.0, 2.0, 3.0, 4.0})
        EXPECT_FALSE(wide->CheckArgumentTime(Argument(0), OleDate(time)));
    EXPECT_TRUE(wide->CheckArgumentTime(Argument(0), OleDate(5)));
    EXPECT_EQ(wide->RecentArgumentTimesCount(), 4u);
    EXPECT_TRUE(wide->CheckArgumentTime(Argument(0), OleDate(1)));
    EXPECT_FALSE(wide->CheckArgumentTime(Argument(0), OleDate(3)));
    EXPECT_FALSE(wide->CheckArgumentTime(Argument(0), OleDate(4)));
}

TEST_F(BLAlertTest, DestroyedArgumentStopsTheAlertAndReleasesTheAssociatedOne)
{
    const AlertExprArgDesc x = Argument(0);
    const AlertExprArgDesc y = Argument(1);
    auto alert = Make("deactivated", kXAbove10, {});
    alert->SetAssociatedArg(y);
    {
        const BLAlert copy(*alert);
        EXPECT_EQ(module.Arguments().ArgumentInstanceCount(y), 2u);
    }
    EXPECT_EQ(module.Arguments().ArgumentInstanceCount(y), 1u);

    alert->DeactivateArgUsage(Arg(99));
    EXPECT_TRUE(alert->IsExecuteAllowed());
    alert->DeactivateArgUsage(x);
    EXPECT_FALSE(alert->IsExecuteAllowed());
    EXPECT_FALSE(alert->BuySide().Expression(0).GetArgument(SimpleExpr::eLeft).IsValid());
    EXPECT_TRUE(alert->GetAssociatedArg().IsValid());

    alert->SetExecuteAllowed(true);
    alert->DeactivateArgUsage(y);
    EXPECT_FALSE(alert->IsExecuteAllowed());
    EXPECT_FALSE(alert->GetAssociatedArg().IsValid());
    EXPECT_FALSE(module.Arguments().Find(y));
    EXPECT_EQ(source.RemoveCalls(x), 1);
}

TEST_F(BLAlertTest, DescriptionsForTheLog)
{
    auto alert = Make("Moje", kXAbove10, kXBelow5);
    alert->Properties().SetWindow(true);
    alert->Properties().SetMail(true);
    EXPECT_EQ(alert->GetDescription(BLAlert::kNoSide),
              QStringLiteral("Moje   jednorazowy: nie\n  kupno:\n\targ1 (opis 1)    >  10  źródło: FakeSource"
                             "\n  sprzedaż:\n\targ1 (opis 1)    <  5  źródło: FakeSource"
                             "\n  Właściwości: aktywny-1 okno-1 dźwięk-0 mail-1 synchroniczny-0"));
    module.AddAlert(alert);
    Deliver(Argument(0), 11, 0.5);
    EXPECT_EQ(alert->GetDescription(BLAlert::kBuySide, OleDate(45000.75)),
              QStringLiteral("Moje   18:00:00    kupno  -  arg1 (opis 1)    wartość: 11    >  10  źródło: FakeSource"));
    EXPECT_EQ(alert->GetDescription(BLAlert::kSellSide), QStringLiteral("Moje    sprzedaż  -  "));
}
