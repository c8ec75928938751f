#include "AlertsFixture.h"

#include "alerts/engine/ArgumentsListManager.h"
#include "platform/settings/Settings.h"
#include "tests/support/TempHome.h"

#include <QDir>

#include <limits>
#include <optional>
#include <utility>

namespace
{
class AlertPersistenceTest : public AlertsFixture
{
protected:
    // Both sides, every kind of operand, an associated argument and properties that differ
    // from the defaults.
    std::shared_ptr<BLAlert> RichAlert(const QString& name)
    {
        auto alert = NewAlert(name);
        alert->SellSide().SetSideEnabled(true);
        alert->SellSide().SetLogicOperator(BLDirectAlert::eAllTrue);
        AddExpr(alert->SellSide(), Arg(1), eCmpLessOrEqual, -20.0);
        SimpleExpr& both = alert->SellSide().InsertExpression(1);
        both.SetArgument(SimpleExpr::eLeft, SeriesArg(100, 7));
        both.SetArgument(SimpleExpr::eRight, Arg(2, QStringLiteral("KGHM")));
        both.SetCompareOperator(eCmpNotEqual);
        SimpleExpr& empty = alert->BuySide().InsertExpression(0);
        empty.SetConstant(SimpleExpr::eRight, ConstArgumentValue(0.125, 3));
        empty.SetCompareOperator(eCmpEqual);
        alert->SetAssociatedArg(Arg(3));
        alert->SetActive(false);
        AlertProps& properties = alert->Properties();
        properties.SetOnlyOnce(true);
        properties.SetSound(true);
        properties.SetWindow(true);
        properties.SetLastGenerated(BLAlert::kBuySide);
        return alert;
    }

    static QString Dump(AlertModule& from)
    {
        QString dump;
        from.Alerts().LogAlertsState(dump);
        return dump;
    }
};
}

TEST_F(AlertPersistenceTest, AlertsSurviveAFileRoundTrip)
{
    const TempHome home;
    module.AddAlert(RichAlert(QStringLiteral("Żółty alert")));
    module.AddAlert(RichAlert(QStringLiteral("drugi")));
    const auto original = module.Alerts().CloneAlert(2);
    Settings session;
    module.SerialisePanelState(session);
    const QString path = QDir(home.Path()).filePath(QStringLiteral("session.q4s"));
    ASSERT_TRUE(session.SaveToFile(path, QStringLiteral("Settings")));

    FakeAlertsMediator otherMediator;
    otherMediator.sources[kSource] = &source;
    AlertModule other(otherMediator);
    Settings loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path, QStringLiteral("Settings")));
    other.PostUnserialisePanelState(loaded);

    EXPECT_EQ(Dump(other), Dump(module));
    const auto copy = other.Alerts().CloneAlert(2);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetDescription(BLAlert::kNoSide), original->GetDescription(BLAlert::kNoSide));
    EXPECT_EQ(copy->GetAssociatedArg(), Arg(3));
    EXPECT_EQ(copy->Properties().LastGenerated(), BLAlert::kBuySide);
    EXPECT_FALSE(copy->IsActive());
    EXPECT_EQ(copy->SellSide().GetLogicOperator(), BLDirectAlert::eAllTrue);
    EXPECT_EQ(copy->SellSide().Expression(1).GetArgument(SimpleExpr::eLeft), SeriesArg(100, 7));
    EXPECT_EQ(copy->BuySide().Expression(0).GetConstant(SimpleExpr::eRight).GetPrecision(), 3u);
    EXPECT_FALSE(copy->BuySide().Expression(0).GetArgument(SimpleExpr::eLeft).IsValid());
    EXPECT_FALSE(copy->BuySide().Expression(0).IsConstant(SimpleExpr::eLeft));
    EXPECT_EQ(other.Alerts().LinkCount(Arg(1)), 2u);
    other.StopThreads();
}

TEST_F(AlertPersistenceTest, LoadedIdsMoveTheCounterAndAMissingIdGetsANewOne)
{
    Settings node;
    for (const std::uint32_t id : {1u, 2u, 3u, BLAlert::kNoId})
    {
        auto alert = NewAlert(QStringLiteral("alert %1").arg(id));
        alert->SetId(id);
        alert->Serialize(node.AddUnnamed());
    }
    EXPECT_TRUE(module.UnserialiseAlerts(node));
    EXPECT_EQ(module.Alerts().Ids(), (std::vector<std::uint32_t>{1, 2, 3, 5}));
    EXPECT_EQ(AddTwoSided(QStringLiteral("nowy"), Arg(1), 10, 5), 6u);
}

TEST_F(AlertPersistenceTest, ConstantWinsAndAnEqualArgumentKeepsItsCount)
{
    Settings node;
    ConstArgumentValue(4.5, 1).Serialize(node["LeftConstArg"]);
    Arg(1).Serialize(node["LeftArgDescription"]);
    Arg(2).Serialize(node["RightArgDescription"]);
    node["CompareOperator"] = 3u;

    SimpleExpr expression(module, 1, 0);
    expression.SetArgument(SimpleExpr::eRight, Arg(2));
    expression.Unserialize(node, QString(), nullptr);
    EXPECT_TRUE(expression.IsConstant(SimpleExpr::eLeft));
    EXPECT_EQ(expression.GetConstant(SimpleExpr::eLeft).GetValue(), 4.5);
    EXPECT_EQ(source.AddCalls(Arg(1)), 0);
    EXPECT_EQ(module.Arguments().ArgumentInstanceCount(Arg(2)), 1u);
    EXPECT_EQ(expression.GetCompareOperator(), 3u);
}

TEST_F(AlertPersistenceTest, MissingKeysAreLoggedAndKeepTheMember)
{
    Settings full;
    RichAlert(QStringLiteral("pełny"))->Serialize(full);
    struct Case
    {
        const char* parent;
        const char* key;
        const char* error;
    };
    const Case cases[] = {
        {"", "SellAlert", "Alert kierunkowy: niepoprawny obiekt ustawień"},
        {"SellAlert", "AllExpressions", "Alert kierunkowy: niepoprawny obiekt ustawień kolekcji wyrażeń alertu"},
        {"SellAlert", "LogicOperator", "Alert kierunkowy: niepoprawny obiekt ustawień operatora logicznego"},
        {"", "ID", "Alert: niepoprawny obiekt ustawień ID alertu"},
        {"", "Active", "Alert: niepoprawny obiekt ustawień flagi aktywności"},
        {"", "ExecuteAllowed", "Alert: niepoprawny obiekt ustawień flagi pozwolenia na przeliczenie alertu"},
        {"", "Properties", "Właściwości alertu: niepoprawny obiekt ustawień"},
        {"Properties", "OnlcyOnce", "Właściwości alertu: niepoprawny obiekt ustawień 'tylko raz'"},
        {"Properties", "Synchronious", "Właściwości alertu: niepoprawny obiekt ustawień 'synchroniczny'"},
        {"Properties", "Sound", "Właściwości alertu: niepoprawny obiekt ustawień 'dzwięk'"},
        {"Properties", "Mail", "Właściwości alertu: niepoprawny obiekt ustawień 'Mail'"},
        {"Properties", "Window", "Właściwości alertu: niepoprawny obiekt ustawień 'Okno'"},
        {"Properties", "Name", "Właściwości alertu: niepoprawny obiekt ustawień 'Nazwa alertu'"},
        {"Properties", "LastGenerated",
         "Właściwości alertu: niepoprawny obiekt ustawień ostatnio wygenerowanego alertu"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.key);
        const LogCapture log;
        Settings node = full;
        Settings& parent = *c.parent ? node[c.parent] : node;
        ASSERT_TRUE(parent.DetachNamedNode(QString::fromLatin1(c.key)));
        BLAlert alert(module);
        alert.Unserialize(node, QString(), nullptr);
        EXPECT_TRUE(log.Text().contains(QString::fromUtf8(c.error))) << log.Text().toStdString();
    }
}

TEST_F(AlertPersistenceTest, FaultyValuesAreRefusedOrReadAsTheyWereMeant)
{
    const LogCapture log;
    Settings side;
    BLDirectAlert(module, BLAlert::kBuySide).Serialize(side);
    side["LogicOperator"] = 7u;
    BLDirectAlert read(module, BLAlert::kBuySide);
    read.Unserialize(side, QString(), nullptr);
    EXPECT_EQ(read.GetLogicOperator(), BLDirectAlert::eAnyTrue);
    EXPECT_TRUE(log.Text().contains(QStringLiteral("operatora logicznego")));

    Settings expressionNode;
    expressionNode["CompareOperator"] = QStringLiteral("większe");
    SimpleExpr expression(module, 1, 0);
    expression.SetCompareOperator(eCmpLess);
    expression.Unserialize(expressionNode, QString(), nullptr);
    EXPECT_EQ(expression.GetCompareOperator(), static_cast<std::uint32_t>(eCmpLess));
    EXPECT_TRUE(log.Text().contains(QStringLiteral("Wyrażenie alertu: niepoprawny obiekt ustawień operatora porównania")));

    expression.Unserialize(Settings::InvalidVariable(), QString(), nullptr);
    EXPECT_TRUE(log.Text().contains(QStringLiteral("SimpleExpr::Unserialize")));
}

TEST_F(AlertPersistenceTest, InvalidSessionsLeaveOrEmptyTheListAsTheyShould)
{
    const LogCapture log;
    AddTwoSided(QStringLiteral("zostaje"), Arg(1), 10, 5);
    module.PostUnserialisePanelState(Settings::InvalidVariable());
    EXPECT_EQ(module.Alerts().Count(), 1u);
    EXPECT_TRUE(log.Text().contains(QStringLiteral("Moduł alertów: nie ma nod-a stanu modułu alertów")));
    // A desktop saved before any alert existed, or with no list at all, holds nothing to put in place.
    Settings savedEmpty;
    savedEmpty["AllAlerts"];
    for (const Settings* state : {&savedEmpty, &savedEmpty["Inny"]})
    {
        EXPECT_FALSE(AlertModule::StateHoldsAlerts(*state));
        module.PostUnserialisePanelState(*state);
        EXPECT_EQ(module.Alerts().Count(), 1u);
    }

    EXPECT_FALSE(module.UnserialiseAlerts(Settings::InvalidVariable()));
    EXPECT_EQ(module.Alerts().Count(), 0u);
    EXPECT_TRUE(log.Text().contains(QStringLiteral("Moduł alertów: niepoprawna gałąź stanu zdefiniowanych alertów")));
}

TEST_F(AlertPersistenceTest, AlertsOfInstrumentsNoLongerQuotedLoadButDoNotRun)
{
    auto alert = NewAlert(QStringLiteral("notowany"));
    alert->BuySide().SetSideEnabled(true);
    AddExpr(alert->BuySide(), Arg(1, QStringLiteral("KGHM")), eCmpGreater, 10);
    Settings node;
    alert->Serialize(node.AddUnnamed());
    alert.reset();

    mediator.listedInstruments = QStringList{QStringLiteral("PKOBP"), QStringLiteral("CDR")};
    ASSERT_TRUE(module.UnserialiseAlerts(node));
    const std::uint32_t id = module.Alerts().Ids().front();
    EXPECT_FALSE(module.Alerts().IsLocalAlertEditable(id));
    Deliver(Arg(1, QStringLiteral("KGHM")), 11, 1);
    EXPECT_EQ(generator.Count(), 0u);
}

TEST_F(AlertPersistenceTest, SidesWithoutTheEnabledKeyAreEnabledWhenTheyHoldComparisons)
{
    struct Case
    {
        const char* name;
        std::optional<bool> enabledKey;
        bool withComparison;
        bool enabled;
    };
    const Case cases[] = {
        {"old side with a comparison", std::nullopt, true, true},
        {"old empty side", std::nullopt, false, false},
        {"empty side saved enabled", true, false, true},
        {"side saved disabled", false, true, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        BLDirectAlert written(module, BLAlert::kSellSide);
        written.SetSideEnabled(c.enabledKey.value_or(false));
        if (c.withComparison)
            AddExpr(written, Arg(1), eCmpLess, 5);
        Settings node;
        written.Serialize(node);
        if (!c.enabledKey)
        {
            ASSERT_TRUE(node.DetachNamedNode(QStringLiteral("SideEnabled")));
        }
        BLDirectAlert read(module, BLAlert::kSellSide);
        read.Unserialize(node, QString(), nullptr);
        EXPECT_EQ(read.IsSideEnabled(), c.enabled);
    }
}

TEST_F(AlertPersistenceTest, OldBuyOnlyAlertFiresAtEveryCrossing)
{
    auto alert = NewAlert(QStringLiteral("stary"));
    alert->BuySide().SetSideEnabled(true);
    AddExpr(alert->BuySide(), Arg(1), eCmpGreater, 10);
    Settings node;
    Settings& stored = node.AddUnnamed();
    alert->Serialize(stored);
    alert.reset();
    for (const char* side : {"SellAlert", "BuyAlert"})
        ASSERT_TRUE(stored[side].DetachNamedNode(QStringLiteral("SideEnabled")));

    ASSERT_TRUE(module.UnserialiseAlerts(node));
    for (int i = 0; i < 6; ++i)
        Deliver(Arg(1), i % 2 == 0 ? 11 : 5, i + 1);
    EXPECT_EQ(generator.Count(), 3u);
}

TEST_F(AlertPersistenceTest, AlertOfAnAbsentSourceIsRemovedAsIncompleteAfterLoading)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    const QString closed = QStringLiteral("Zamknięty");
    FakeArgumentSource closedSource;
    mediator.sources[closed] = &closedSource;
    Settings node;
    for (const auto& [name, argument] :
         {std::pair(QStringLiteral("osierocony"), AlertExprArgDesc(closed, 1, QStringLiteral("x"), QStringLiteral("y"))),
          std::pair(QStringLiteral("pełny"), Arg(1))})
    {
        auto alert = NewAlert(name);
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), argument, eCmpGreater, 10);
        alert->Serialize(node.AddUnnamed());
    }
    mediator.sources.erase(closed);

    ASSERT_TRUE(module.UnserialiseAlerts(node));
    EXPECT_EQ(module.Alerts().Count(), 2u);
    EXPECT_FALSE(module.Alerts().RemoveIncompleteAlerts());
    EXPECT_EQ(module.Alerts().Count(), 1u);
    EXPECT_FALSE(module.Alerts().FindIdByName(QStringLiteral("osierocony")));
    EXPECT_EQ(log.Text().count(QStringLiteral("Alert lokalny niekompletny usunięcie -  - osierocony")), 1);
}
