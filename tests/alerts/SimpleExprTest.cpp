#include "AlertsFixture.h"

#include "alerts/engine/ArgumentsListManager.h"
#include "alerts/engine/SimpleExpr.h"

#include <cmath>
#include <limits>

namespace
{
class SimpleExprTest : public AlertsFixture
{
protected:
    SimpleExpr Constants(double left, std::uint32_t op, double right)
    {
        SimpleExpr expression(module, 1, 0);
        expression.SetConstant(SimpleExpr::eLeft, ConstArgumentValue(left, 2));
        expression.SetConstant(SimpleExpr::eRight, ConstArgumentValue(right, 2));
        expression.SetCompareOperator(op);
        return expression;
    }

    std::uint32_t Count(const AlertExprArgDesc& argument)
    {
        return module.Arguments().ArgumentInstanceCount(argument);
    }
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
}

TEST_F(SimpleExprTest, EvaluatesExactlyWithoutTouchingTheRegistryForConstants)
{
    struct Case
    {
        double left;
        std::uint32_t op;
        double right;
        bool holds;
        const char* text;
    };
    const Case cases[] = {
        {2.0, eCmpGreater, 1.0, true, ">"},
        {1.0, eCmpGreater, 1.0, false, ">"},
        {1.0, eCmpGreaterOrEqual, 1.0, true, ">="},
        {1.0, eCmpLess, 2.0, true, "<"},
        {2.0, eCmpLessOrEqual, 2.0, true, "<="},
        {0.3, eCmpEqual, 0.3 + 1e-10, false, "=="},
        {0.3, eCmpNotEqual, 0.3 + 1e-10, true, "!="},
        {kNaN, eCmpGreater, 1.0, false, ">"},
        {kNaN, eCmpLessOrEqual, kNaN, false, "<="},
        {kNaN, eCmpEqual, kNaN, false, "=="},
        {kNaN, eCmpNotEqual, kNaN, true, "!="},
        {2.0, 9, 1.0, false, "ECmpOperator error"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        const SimpleExpr expression = Constants(c.left, c.op, c.right);
        EXPECT_EQ(expression.Evaluate(), c.holds);
        EXPECT_EQ(expression.GetOperatorText(), QString::fromUtf8(c.text));
        EXPECT_TRUE(expression.AreOperandsReady());
    }
    EXPECT_EQ(source.TotalCalls(), 0);
}

TEST_F(SimpleExprTest, BindingCountsOneUsePerOperandAndMovesItOnChange)
{
    const AlertExprArgDesc a = Arg(1);
    const AlertExprArgDesc b = Arg(2);
    SimpleExpr expression(module, 1, 0);
    expression.SetArgument(SimpleExpr::eLeft, a);
    expression.SetArgument(SimpleExpr::eRight, a);
    EXPECT_EQ(Count(a), 2u);
    EXPECT_EQ(source.AddCalls(a), 1);

    expression.SetArgument(SimpleExpr::eLeft, a);
    EXPECT_EQ(Count(a), 2u);

    expression.SetArgument(SimpleExpr::eLeft, b);
    EXPECT_EQ(Count(a), 1u);
    EXPECT_EQ(Count(b), 1u);

    source.Refuse(Arg(3));
    expression.SetArgument(SimpleExpr::eRight, Arg(3));
    EXPECT_FALSE(expression.GetArgument(SimpleExpr::eRight).IsValid());
    EXPECT_FALSE(module.Arguments().Find(Arg(3)));
    EXPECT_EQ(source.RemoveCalls(a), 1);
    EXPECT_FALSE(module.Arguments().Find(a));
}

TEST_F(SimpleExprTest, CopiesHoldTheirOwnUsesUntilDestroyed)
{
    const AlertExprArgDesc a = Arg(1);
    const AlertExprArgDesc b = Arg(2);
    {
        SimpleExpr expression(module, 1, 0);
        expression.SetArgument(SimpleExpr::eLeft, a);
        expression.SetArgument(SimpleExpr::eRight, b);
        {
            const SimpleExpr copy(expression);
            EXPECT_EQ(Count(a), 2u);
            EXPECT_EQ(Count(b), 2u);
            EXPECT_EQ(copy.GetArgument(SimpleExpr::eLeft), a);
        }
        EXPECT_EQ(Count(a), 1u);
        EXPECT_EQ(source.RemoveCalls(a), 0);
    }
    EXPECT_EQ(source.AddCalls(a), 1);
    EXPECT_EQ(source.RemoveCalls(a), 1);
    EXPECT_EQ(source.RemoveCalls(b), 1);
    EXPECT_FALSE(module.Arguments().Find(a));
}

TEST_F(SimpleExprTest, DeliveredArgumentIsFoundByItsEntryOrElseByItsDescriptor)
{
    const AlertExprArgDesc a = Arg(1);
    const AlertExprArgDesc b = Arg(2);
    SimpleExpr expression(module, 1, 0);
    expression.SetArgument(SimpleExpr::eLeft, a);
    expression.SetArgument(SimpleExpr::eRight, b);
    const std::shared_ptr<Argument> entryA = module.Arguments().Find(a);
    const std::shared_ptr<Argument> entryB = module.Arguments().Find(b);
    const auto updated = [](SimpleExpr& tested, const AlertExprArgDesc& descriptor, const Argument* entry) {
        tested.ResetArgumentsUpdated();
        tested.MarkArgumentUpdated(descriptor, entry);
        return std::pair(tested.IsArgumentUpdated(SimpleExpr::eLeft), tested.IsArgumentUpdated(SimpleExpr::eRight));
    };
    EXPECT_EQ(updated(expression, a, entryA.get()), std::pair(true, false));
    EXPECT_EQ(updated(expression, Arg(2), entryB.get()), std::pair(false, true));
    EXPECT_EQ(updated(expression, a, nullptr), std::pair(true, false));
    const std::shared_ptr<Argument> entryC = module.Arguments().Register(Arg(3));
    EXPECT_FALSE(expression.UsesArgument(Arg(3), entryC.get()));

    // The registry emptied and the argument made anew: the use held on the old entry is still
    // the argument's, and a use taken while nothing was registered has no entry at all.
    module.Arguments().Clear();
    SimpleExpr withoutEntries(expression);
    const std::shared_ptr<Argument> renewedA = module.Arguments().Register(a);
    EXPECT_EQ(updated(expression, a, renewedA.get()), std::pair(true, false));
    EXPECT_TRUE(expression.UsesArgument(a, renewedA.get()));
    EXPECT_EQ(updated(withoutEntries, a, renewedA.get()), std::pair(true, false));
    EXPECT_EQ(updated(withoutEntries, b, entryB.get()), std::pair(false, true));
}

TEST_F(SimpleExprTest, RequestIdChangeMovesTheUseToTheNewRequest)
{
    const AlertExprArgDesc old = SeriesArg(100, 7);
    const AlertExprArgDesc session = Arg(100);
    SimpleExpr expression(module, 1, 0);
    expression.SetArgument(SimpleExpr::eLeft, old);
    expression.SetArgument(SimpleExpr::eRight, session);
    {
        SimpleExpr copy(expression);
        copy.UpdateRequestId(100, 200);
        const AlertExprArgDesc moved = copy.GetArgument(SimpleExpr::eLeft);
        EXPECT_EQ(moved.GetBaseArgumentSourceID(), 200u);
        EXPECT_EQ(moved.GetExtendedArgumentSourceID(), 7u);
        EXPECT_EQ(Count(moved), 1u);
        // The copy's use of the old request went back; the original keeps its own.
        EXPECT_EQ(Count(old), 1u);
        // An argument that is not series based is no request's, whatever its id.
        EXPECT_EQ(copy.GetArgument(SimpleExpr::eRight), session);
        EXPECT_EQ(Count(session), 2u);
    }
    expression.SetArgument(SimpleExpr::eLeft, AlertExprArgDesc());
    EXPECT_EQ(source.RemoveCalls(old), 1);
    EXPECT_FALSE(module.Arguments().Find(old));
}

TEST_F(SimpleExprTest, DescriptionShowsNamesValuesAndSources)
{
    SimpleExpr expression(module, 1, 0);
    expression.SetArgument(SimpleExpr::eLeft, Arg(1));
    expression.SetConstant(SimpleExpr::eRight, ConstArgumentValue(2.5, 2));
    expression.SetCompareOperator(eCmpGreaterOrEqual);
    module.Arguments().UpdateArgument(Arg(1), 2, 3.25);
    EXPECT_EQ(expression.GetDescription(false, false), QStringLiteral("arg1 (opis 1)    >=  2.5  źródło: FakeSource"));
    EXPECT_EQ(expression.GetDescription(true, true),
              QStringLiteral("\n\targ1 (opis 1)    wartość: 3.25    >=  2.5  źródło: FakeSource"));

    expression.SetArgument(SimpleExpr::eRight, Arg(2));
    EXPECT_EQ(expression.GetDescription(false, false),
              QStringLiteral("arg1 (opis 1)    >=  arg2 (opis 2)      źródło: FakeSourceFakeSource"));

    QString state;
    Constants(1e-7, eCmpLess, 42).LogState(state);
    EXPECT_EQ(state, QStringLiteral("\tLeftSide:\n\t\tValue\n\t\t1e-07\n\n\tRightSide:\n\t\tValue\n\t\t42\n"));
}

TEST_F(SimpleExprTest, MissingSourceRemovesTheAlertOnceAndLogsIt)
{
    const LogCapture log;
    mediator.productKind = 11;
    auto alert = NewAlert(QStringLiteral("Niekompletny"));
    alert->BuySide().SetSideEnabled(true);
    SimpleExpr& expression = AddExpr(alert->BuySide(), Arg(1), eCmpGreater, 1);
    expression.SetArgument(SimpleExpr::eRight, Arg(2));
    const std::uint32_t id = module.AddAlert(alert);
    source.Invalidate(Arg(1));
    source.Invalidate(Arg(2));

    EXPECT_FALSE(expression.CheckArgumentSources());
    EXPECT_FALSE(module.Alerts().Contains(id));
    EXPECT_EQ(log.Text().count(QStringLiteral("Alert lokalny niekompletny usunięcie -  - Niekompletny")), 1);
}
