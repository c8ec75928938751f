#include "AlertsFixture.h"

#include "alerts/engine/AlertsListManager.h"
#include "alerts/engine/ArgumentsListManager.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/AlertExprArgList.h"

#include <utility>

namespace
{
class AlertsListManagerTest : public AlertsFixture
{
protected:
    AlertsListManager& List() { return module.Alerts(); }

    // Fires at every test, alternating sides: both sides hold on x or y.
    std::uint32_t AddAlwaysFiring(const QString& name)
    {
        auto alert = NewAlert(name);
        for (BLDirectAlert* side : {&alert->BuySide(), &alert->SellSide()})
        {
            side->SetSideEnabled(true);
            AddExpr(*side, Arg(1), eCmpGreater, 0);
            AddExpr(*side, Arg(2), eCmpGreater, 0);
        }
        return module.AddAlert(alert);
    }
};
}

TEST_F(AlertsListManagerTest, SavedEditKeepsTheIdAndMovesLinksAndName)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("Stary"), Arg(1), 10, 5);
    const auto clone = List().CloneAlert(id);
    ASSERT_TRUE(clone);
    clone->Properties().SetName(QStringLiteral("Nowy"));
    clone->BuySide().Expression(0).SetArgument(SimpleExpr::eLeft, Arg(2));
    clone->SellSide().Expression(0).SetArgument(SimpleExpr::eLeft, Arg(2));
    EXPECT_EQ(List().InsertAlert(clone), id);

    EXPECT_EQ(List().Count(), 1u);
    EXPECT_EQ(List().LinkCount(Arg(1)), 0u);
    EXPECT_EQ(List().LinkCount(Arg(2)), 1u);
    EXPECT_TRUE(List().AlertNameAvailable(QStringLiteral("Stary")));
    EXPECT_FALSE(List().AlertNameAvailable(QStringLiteral("Nowy")));
    EXPECT_FALSE(module.Arguments().Find(Arg(1)));
    EXPECT_EQ(source.RemoveCalls(Arg(1)), 1);
}

TEST_F(AlertsListManagerTest, IdsAreNeverReused)
{
    AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    const std::uint32_t second = AddTwoSided(QStringLiteral("b"), Arg(1), 10, 5);
    List().RemoveAlert(second);
    List().Clear();
    EXPECT_EQ(AddTwoSided(QStringLiteral("c"), Arg(1), 10, 5), 3u);
}

TEST_F(AlertsListManagerTest, NewNamesSkipLocalAndCloudNames)
{
    AddTwoSided(QStringLiteral("Alert (1)"), Arg(1), 10, 5);
    mediator.cloudAlertNames << QStringLiteral("Alert (2)");
    EXPECT_EQ(List().GetNewAlertName(), QStringLiteral("Alert (3)"));
    EXPECT_EQ(module.CreateNewAlert()->Name(), QStringLiteral("Alert (3)"));
    EXPECT_TRUE(module.CreateNewAlert()->IsNew());
}

TEST_F(AlertsListManagerTest, ValuesArrivingTogetherTestAnAlertOnce)
{
    AddAlwaysFiring(QStringLiteral("a"));
    AlertExprArgList values;
    values.Attach(Arg(1), AlertExprArgValue(1, 2, OleDate(1)));
    values.Attach(Arg(2), AlertExprArgValue(1, 2, OleDate(1)));
    module.OnArgListValuesUpdated(values);
    module.WaitForAnnouncements();
    EXPECT_EQ(generator.Taken().size(), 1u);
    Deliver(Arg(1), 1, 2);
    Deliver(Arg(2), 1, 3);
    EXPECT_EQ(generator.Taken().size(), 2u);
}

TEST_F(AlertsListManagerTest, RenamingRefusesEmptyAndTakenNames)
{
    const std::uint32_t a = AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    AddTwoSided(QStringLiteral("b"), Arg(1), 10, 5);
    EXPECT_FALSE(List().SetAlertStringParam(a, QString()));
    EXPECT_FALSE(List().SetAlertStringParam(a, QStringLiteral("b")));
    EXPECT_FALSE(List().SetAlertStringParam(99, QStringLiteral("c")));
    EXPECT_EQ(List().GetAlertStringParam(a, AlertsListManager::eName), QStringLiteral("a"));
    EXPECT_TRUE(List().SetAlertStringParam(a, QStringLiteral("c")));
    EXPECT_TRUE(List().AlertNameAvailable(QStringLiteral("a")));
    EXPECT_FALSE(List().AlertNameAvailable(QStringLiteral("c")));
}

TEST_F(AlertsListManagerTest, BoolSelectorsAndTheirLogLines)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    const std::uint32_t id = AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    for (int selector : {AlertsListManager::eWindow, AlertsListManager::eSound, AlertsListManager::eMail,
                         AlertsListManager::eOnlyOnce, AlertsListManager::eSynchronious})
    {
        SCOPED_TRACE(selector);
        const bool before = List().GetAlertBoolParam(id, selector);
        List().ToggleAlertBoolParam(id, selector);
        EXPECT_NE(List().GetAlertBoolParam(id, selector), before);
    }
    EXPECT_TRUE(List().GetAlertBoolParam(id, AlertsListManager::eActive));
    module.OnArgumentDestroyed(Arg(1));
    EXPECT_FALSE(List().GetAlertBoolParam(id, AlertsListManager::eExecuteAllowed));
    EXPECT_FALSE(List().GetAlertBoolParam(id, AlertsListManager::eActive));
    // An alert that may not run keeps its flag and the log no edit.
    List().ToggleAlertBoolParam(id, AlertsListManager::eActive);
    EXPECT_EQ(log.Text().count(QStringLiteral("Alert lokalny edycja - a   jednorazowy:")), 5);
    List().ToggleAlertBoolParam(id, AlertsListManager::eExecuteAllowed);
    EXPECT_FALSE(List().GetAlertBoolParam(id, AlertsListManager::eExecuteAllowed));
    EXPECT_TRUE(List().CloneAlert(id)->IsActive());
    EXPECT_EQ(log.Text().count(QStringLiteral("Alert lokalny edycja - a   jednorazowy:")), 6);
    EXPECT_FALSE(List().GetAlertBoolParam(99, AlertsListManager::eWindow));
}

TEST_F(AlertsListManagerTest, AlertLogWritesOnlyForProductKind11)
{
    {
        const LogCapture log;
        for (int kind = 0; kind <= 4; ++kind)
            module.GetAlertLog().AddLog(kind, QStringLiteral("x"));
        EXPECT_FALSE(log.Text().contains(QStringLiteral("Alert lokalny")));
    }
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    for (int kind = 0; kind <= 5; ++kind)
        module.GetAlertLog().AddLog(kind, QStringLiteral("tekst %1").arg(kind));
    const QString text = log.Text();
    for (const QString& line : {QStringLiteral("Alert lokalny dodanie - tekst 0"),
                                QStringLiteral("Alert lokalny edycja - tekst 1"),
                                QStringLiteral("Alert lokalny generacja - tekst 2"),
                                QStringLiteral("Alert lokalny usunięcie - tekst 3"),
                                QStringLiteral("Alert lokalny niekompletny usunięcie - tekst 4"),
                                QStringLiteral("| AlertLog::AddLog (30) | tekst 5")})
        EXPECT_TRUE(text.contains(line)) << line.toStdString();
}

TEST_F(AlertsListManagerTest, IncompleteAlertsAreRemovedAloneAndLoggedOnce)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    const std::uint32_t complete = AddTwoSided(QStringLiteral("pełny"), Arg(1), 10, 5);
    const std::uint32_t incomplete = AddTwoSided(QStringLiteral("niepełny"), Arg(2), 10, 5);
    EXPECT_TRUE(List().RemoveIncompleteAlerts());
    source.Invalidate(Arg(2));
    EXPECT_FALSE(List().RemoveIncompleteAlerts());
    EXPECT_TRUE(List().Contains(complete));
    EXPECT_FALSE(List().Contains(incomplete));
    EXPECT_EQ(List().LinkCount(Arg(2)), 0u);
    EXPECT_EQ(log.Text().count(QStringLiteral("Alert lokalny niekompletny usunięcie -  - niepełny")), 1);
}

TEST_F(AlertsListManagerTest, DumpOfTheAlerts)
{
    QString empty;
    List().LogAlertsState(empty);
    EXPECT_TRUE(empty.isEmpty());

    auto alert = NewAlert(QStringLiteral("Zrzut"));
    alert->Properties().SetOnlyOnce(true);
    SimpleExpr& buy = alert->BuySide().InsertExpression(0);
    buy.SetConstant(SimpleExpr::eLeft, ConstArgumentValue(1.5, 2));
    buy.SetConstant(SimpleExpr::eRight, ConstArgumentValue(2, 0));
    module.AddAlert(alert);
    QString dump;
    List().LogAlertsState(dump);
    const QString line(65, QLatin1Char('='));
    EXPECT_EQ(dump, QStringLiteral("\n\n") + line
                        + QStringLiteral("\nTAlertId\tAlertName\tOnlyOnce\n1\tZrzut\t1\nSellSide:\n\nBuySide:\n"
                                         "\tLeftSide:\n\t\tValue\n\t\t1.5\n\n\tRightSide:\n\t\tValue\n\t\t2\n")
                        + line + QStringLiteral("\n"));
}

TEST_F(AlertsListManagerTest, IteratorsWalkTheAlertsInIdOrder)
{
    AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    const std::uint32_t second = AddTwoSided(QStringLiteral("b"), Arg(1), 10, 5);
    AddTwoSided(QStringLiteral("c"), Arg(1), 10, 5);
    const SafeAutoLock lock(List().LinksLock(), "AlertsListManagerTest", "AlertsListManagerTest");
    QStringList names;
    AlertsListManager::CConstIterator walk(std::as_const(List()));
    for (walk.First(); walk.IsNotEnd(); walk.Next())
        names << walk.Value()->Name();
    EXPECT_EQ(names, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    AlertsListManager::CIterator found = List().Find(second);
    ASSERT_TRUE(found.IsNotEnd());
    EXPECT_EQ(found.Key(), second);
    found.Value()->Properties().SetMail(true);
    EXPECT_TRUE(List().GetAlertBoolParam(second, AlertsListManager::eMail));
    EXPECT_TRUE(List().Find(99).IsEnd());
}

// A copy is taken, the live alert sees the values before, the copy (edited or not) is saved,
// and the alert sees the values after; each value gives 'B', 'S' or '-'.
TEST_F(AlertsListManagerTest, SavedCopyGoesOnFromTheFiringStateUnlessItsComparisonsChanged)
{
    enum EEdit
    {
        eUnchanged,
        eOtherLevel,
        eOnlyOnceSwitchedOn,
    };
    struct Case
    {
        const char* name;
        bool twoSided;
        bool onlyOnce;
        EEdit edit;
        std::vector<double> before;
        std::vector<double> after;
        std::string expected;
    };
    const Case cases[] = {
        {"condition that stays true", false, false, eUnchanged, {11}, {12, 5, 11}, "B--B"},
        {"only once", false, true, eUnchanged, {11}, {5, 11}, "B--"},
        {"sides alternate", true, false, eUnchanged, {11}, {12, 4}, "B-S"},
        {"other level", false, false, eOtherLevel, {11}, {12}, "BB"},
        {"only once switched on", false, false, eOnlyOnceSwitchedOn, {11}, {5, 11, 5, 11}, "B-B--"},
    };
    double time = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        auto alert = NewAlert(QString::fromUtf8(c.name));
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), Arg(1), eCmpGreater, 10);
        if (c.twoSided)
        {
            alert->SellSide().SetSideEnabled(true);
            AddExpr(alert->SellSide(), Arg(1), eCmpLess, 5);
        }
        alert->Properties().SetOnlyOnce(c.onlyOnce);
        const std::uint32_t id = module.AddAlert(alert);
        const auto copy = List().CloneAlert(id);
        if (c.edit == eOtherLevel)
            copy->BuySide().Expression(0).SetConstant(SimpleExpr::eRight, ConstArgumentValue(6, 2));
        if (c.edit == eOnlyOnceSwitchedOn)
        {
            copy->Properties().SetOnlyOnce(true);
            copy->Properties().SetLastGenerated(AlertProps::kNoneGenerated);
        }
        std::string results;
        const auto deliver = [&](const std::vector<double>& values) {
            for (const double value : values)
            {
                Deliver(Arg(1), value, ++time);
                const auto generated = generator.Taken();
                results += generated.empty() ? '-' : generated.back().side == BLAlert::kBuySide ? 'B' : 'S';
            }
        };
        deliver(c.before);
        module.AddAlert(copy);
        deliver(c.after);
        EXPECT_EQ(results, c.expected);
        module.RemoveAlert(QString::fromUtf8(c.name));
    }
}

TEST_F(AlertsListManagerTest, CopyHeldAcrossClearAllGivesBackOnlyWhatItCounted)
{
    for (const bool saved : {false, true})
    {
        SCOPED_TRACE(saved ? "saved" : "dropped");
        AddTwoSided(QStringLiteral("przed"), Arg(1), 10, 5);
        auto held = List().CloneAlert(List().Ids().front());
        held->Properties().SetName(QStringLiteral("trzymany"));
        module.ClearAll();
        AddTwoSided(QStringLiteral("po"), Arg(1), 10, 5);
        if (saved)
            module.AddAlert(held);
        held.reset();

        // Both sides of each alert use the argument.
        EXPECT_EQ(module.Arguments().ArgumentInstanceCount(Arg(1)), saved ? 4u : 2u);
        EXPECT_EQ(List().LinkCount(Arg(1)), saved ? 2u : 1u);
        Deliver(Arg(1), 11, 1);
        EXPECT_EQ(generator.Taken().size(), saved ? 2u : 1u);
        module.ClearAll();
    }
}
