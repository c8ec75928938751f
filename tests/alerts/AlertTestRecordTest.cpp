#include "AlertsFixture.h"

#include "alerts/engine/AlertsListManager.h"
#include "alerts/engine/ArgumentsListManager.h"
#include "platform/modules/AlertExprArgList.h"
#include "platform/modules/AlertExprArgValue.h"

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace
{
// Every alert in the list has a twin outside it that takes each update through its own
// test (marking, the value time, the test), as the list did before it kept records. Both
// must generate the same alerts in the same order and be left in the same state.
class AlertTestRecordTest : public AlertsFixture
{
protected:
    struct Twin
    {
        std::uint32_t id = 0;
        std::shared_ptr<BLAlert> own;
        bool usesX = false;
        bool usesY = false;
    };

    static inline const AlertExprArgDesc x = Arg(1);
    static inline const AlertExprArgDesc y = Arg(2);

    // One side: none, a comparison of x or y with a constant on either hand, or two on x.
    void FillSide(BLDirectAlert& side)
    {
        const int kind = Pick(6);
        side.SetSideEnabled(kind == 0 ? Pick(4) == 0 : Pick(5) != 0);
        if (kind == 0)
            return;
        const AlertExprArgDesc& argument = kind == 4 ? y : x;
        const int comparisons = kind == 5 ? 2 : 1;
        side.SetLogicOperator(Pick(2) == 0 ? BLDirectAlert::eAllTrue : BLDirectAlert::eAnyTrue);
        for (int i = 0; i < comparisons; ++i)
        {
            SimpleExpr& expression = side.InsertExpression(side.ExpressionsCount());
            const ConstArgumentValue level(static_cast<double>(Pick(3)) - 1.0, 2);
            const SimpleExpr::EOperandSide constant = Pick(3) == 0 ? SimpleExpr::eLeft : SimpleExpr::eRight;
            expression.SetConstant(constant, level);
            expression.SetArgument(constant == SimpleExpr::eLeft ? SimpleExpr::eRight : SimpleExpr::eLeft, argument);
            expression.SetCompareOperator(static_cast<std::uint32_t>(Pick(7)));
        }
    }

    void AddTwin(int number)
    {
        auto alert = NewAlert(QStringLiteral("%1").arg(number));
        FillSide(alert->BuySide());
        FillSide(alert->SellSide());
        alert->Properties().SetOnlyOnce(Pick(4) == 0);
        alert->Properties().SetSynchronious(Pick(4) == 0);
        alert->SetActive(Pick(4) != 0);
        if (Pick(6) == 0)
            alert->SetAssociatedArg(Pick(2) == 0 ? x : y);
        auto own = std::make_shared<BLAlert>(*alert);
        own->Properties().SetName(QStringLiteral("own %1").arg(number));
        own->SetId(100000 + static_cast<std::uint32_t>(number));
        Twin twin{module.AddAlert(alert), own, false, false};
        for (const AlertExprArgDesc& argument : own->UsedArguments())
        {
            twin.usesX = twin.usesX || argument == x;
            twin.usesY = twin.usesY || argument == y;
        }
        twins.push_back(twin);
    }

    BLAlert& Listed(const Twin& twin) { return *module.Alerts().Find(twin.id).Value(); }

    // Each test of the twins in the list's order, as the list ran them before.
    void DeliverToOwn(const AlertExprArgDesc& argument, double value, const OleDate& time)
    {
        if (!module.Arguments().UpdateArgument(argument, 2, value))
            return;
        const std::shared_ptr<Argument> entry = module.Arguments().Find(argument);
        for (const Twin& twin : twins)
        {
            if (!(argument == x ? twin.usesX : twin.usesY))
                continue;
            twin.own->MarkArgumentUpdated(argument, entry.get());
            if (twin.own->CheckArgumentTime(argument, time, entry.get()))
                twin.own->Execute();
        }
    }

    // Both arguments at once: each twin tests once, after every value was marked.
    void DeliverTogetherToOwn(double xValue, double yValue, const OleDate& time)
    {
        std::vector<BLAlert*> toRun;
        for (const auto& [argument, value] : {std::pair{x, xValue}, std::pair{y, yValue}})
        {
            if (!module.Arguments().UpdateArgument(argument, 2, value))
                continue;
            const std::shared_ptr<Argument> entry = module.Arguments().Find(argument);
            for (const Twin& twin : twins)
            {
                if (!(argument == x ? twin.usesX : twin.usesY))
                    continue;
                twin.own->MarkArgumentUpdated(argument, entry.get());
                if (twin.own->CheckArgumentTime(argument, time, entry.get())
                    && std::find(toRun.begin(), toRun.end(), twin.own.get()) == toRun.end())
                    toRun.push_back(twin.own.get());
            }
        }
        for (BLAlert* alert : toRun)
            alert->Execute();
    }

    // The generated alerts as "name side", the twins' under the names of their listed alerts.
    std::vector<QString> Generated()
    {
        module.WaitForAnnouncements();
        std::vector<QString> names;
        for (const RecordingGenerator::Generated& alert : generator.Taken())
        {
            names.push_back(QString(alert.name).remove(QStringLiteral("own ")) + QStringLiteral(" %1 %2")
                                                                                   .arg(alert.side)
                                                                                   .arg(alert.snapshots));
        }
        return names;
    }

    void Deliver(const AlertExprArgDesc& argument, double value, const OleDate& time)
    {
        module.OnArgValueUpdated(argument, AlertExprArgValue(value, 2, time));
        const std::vector<QString> listed = Generated();
        DeliverToOwn(argument, value, time);
        EXPECT_EQ(listed, Generated());
    }

    void DeliverTogether(double xValue, double yValue, const OleDate& time)
    {
        AlertExprArgList values;
        values.Attach(x, AlertExprArgValue(xValue, 2, time));
        values.Attach(y, AlertExprArgValue(yValue, 2, time));
        module.OnArgListValuesUpdated(values);
        const std::vector<QString> listed = Generated();
        DeliverTogetherToOwn(xValue, yValue, time);
        EXPECT_EQ(listed, Generated());
    }

    void ExpectSameState(const Twin& twin)
    {
        const BLAlert& listed = Listed(twin);
        const BLAlert& own = *twin.own;
        SCOPED_TRACE(listed.Name().toStdString());
        EXPECT_EQ(listed.Properties().LastGenerated(), own.Properties().LastGenerated());
        EXPECT_EQ(listed.IsActive(), own.IsActive());
        EXPECT_EQ(listed.IsExecuteAllowed(), own.IsExecuteAllowed());
        EXPECT_EQ(listed.RecentArgumentTimesCount(), own.RecentArgumentTimesCount());
        for (const unsigned number : {BLAlert::kSellSide, BLAlert::kBuySide})
        {
            const BLDirectAlert& side = listed.Side(number);
            const BLDirectAlert& ownSide = own.Side(number);
            EXPECT_EQ(side.GetLastExecutionResult(), ownSide.GetLastExecutionResult());
            EXPECT_EQ(side.GetLastIndex(), ownSide.GetLastIndex());
            for (std::size_t i = 0; i < side.ExpressionsCount(); ++i)
            {
                for (const SimpleExpr::EOperandSide operand : {SimpleExpr::eLeft, SimpleExpr::eRight})
                    EXPECT_EQ(side.Expression(i).IsArgumentUpdated(operand),
                              ownSide.Expression(i).IsArgumentUpdated(operand));
            }
        }
    }

    // A saved copy takes the place of the alert in the list; the list links it last.
    void ReplaceBySavedCopy(std::size_t index)
    {
        Twin twin = twins[index];
        module.AddAlert(module.Alerts().CloneAlert(twin.id));
        auto copy = std::make_shared<BLAlert>(*twin.own);
        copy->TakeFiringState(*twin.own);
        copy->SetExecuteAllowed(true);
        twin.own = copy;
        twins.erase(twins.begin() + static_cast<std::ptrdiff_t>(index));
        twins.push_back(twin);
    }

    void Toggle(const Twin& twin, int selector)
    {
        module.Alerts().ToggleAlertBoolParam(twin.id, selector);
        AlertProps& properties = twin.own->Properties();
        if (selector == AlertsListManager::eOnlyOnce)
            properties.SetOnlyOnce(!properties.OnlyOnce());
        else if (selector == AlertsListManager::eSynchronious)
            properties.SetSynchronious(!properties.Synchronious());
        else if (twin.own->IsExecuteAllowed())
            twin.own->SetActive(!twin.own->IsActive());
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    std::mt19937 random{1};
    std::vector<Twin> twins;
};
}

TEST_F(AlertTestRecordTest, UpdatesLeaveListedAlertsAsTheirOwnTestsLeaveThem)
{
    for (const unsigned seed : {1u, 2u, 3u, 4u})
    {
        SCOPED_TRACE(seed);
        random.seed(seed);
        for (int i = 0; i < 40; ++i)
            AddTwin(i);
        double time = 1.0;
        bool yDestroyed = false;
        std::shared_ptr<BLAlert> held;
        for (int step = 0; step < 1500 && !HasFailure(); ++step)
        {
            const int action = Pick(100);
            if (action < 90)
            {
                // Values at and around the levels, of either sign; times repeated, older,
                // new, and before the epoch, one of them the same moment as a later one.
                const double value = static_cast<double>(Pick(5)) / 2.0 - 1.0;
                const int when = Pick(10);
                const double at = when < 3   ? time
                                  : when == 3 ? time - 1.0
                                  : when == 4 ? -time
                                  : when == 5 ? (Pick(2) == 0 ? -0.5 : 0.5)
                                              : ++time;
                if (action < 70)
                    Deliver(x, value, OleDate(at));
                else if (action < 85)
                    Deliver(y, value, OleDate(at));
                else
                    DeliverTogether(value, -value, OleDate(at));
            }
            else if (action < 96)
            {
                const int selectors[] = {AlertsListManager::eActive, AlertsListManager::eOnlyOnce,
                                         AlertsListManager::eSynchronious};
                Toggle(twins[static_cast<std::size_t>(Pick(40))], selectors[Pick(3)]);
            }
            else if (action < 99)
            {
                // Once the argument is gone, a replaced alert would stay linked to it.
                if (!yDestroyed)
                    ReplaceBySavedCopy(static_cast<std::size_t>(Pick(40)));
            }
            else if (!yDestroyed)
            {
                // A copy held for editing keeps the argument, and the link to alerts that lost it.
                const auto user = std::find_if(twins.begin(), twins.end(), [](const Twin& twin) { return twin.usesY; });
                if (user != twins.end())
                    held = std::make_shared<BLAlert>(*user->own);
                module.OnArgumentDestroyed(y);
                for (const Twin& twin : twins)
                    twin.own->DeactivateArgUsage(y);
                yDestroyed = true;
            }
            for (const Twin& twin : twins)
                ExpectSameState(twin);
        }
        for (const Twin& twin : twins)
            module.RemoveIncompleteAlert(twin.id);
        twins.clear();
        held.reset();
        module.Arguments().Clear();
    }
}
