#include "AlertDefinitionFixture.h"

#include "alerts/engine/AlertLog.h"
#include "alerts/engine/SimpleExpr.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <thread>

namespace
{
class AlertDefinitionDlgTest : public AlertDefinitionFixture
{
protected:
    static constexpr unsigned kBuy = BLAlert::kBuySide;
    static constexpr unsigned kSell = BLAlert::kSellSide;

    // The listed alert with that id, as a copy.
    std::shared_ptr<BLAlert> Listed(std::uint32_t id) { return module.Alerts().CloneAlert(id); }
};

TEST_F(AlertDefinitionDlgTest, NewAlertWithTwoExpressionsPerSideIsSavedAndFires)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    Open(module.CreateNewAlert());
    const QString name = dialog->PropertiesPanel().NameEdit().text();

    ASSERT_TRUE(Drop(kBuy, 0, 0, Arg(1)));
    Type(kBuy, 0, QStringLiteral("100"));
    AddRow(kBuy);
    ASSERT_TRUE(Drop(kBuy, 1, 0, Arg(2)));
    Type(kBuy, 1, QStringLiteral("5,5"));
    ASSERT_TRUE(Drop(kSell, 0, 0, Arg(1)));
    Type(kSell, 0, QStringLiteral("50"));
    AddRow(kSell);
    ASSERT_TRUE(Drop(kSell, 1, 0, Arg(2)));
    Type(kSell, 1, QStringLiteral("1"));
    EXPECT_TRUE(Panel(kBuy).IsSideChecked());
    EXPECT_TRUE(Panel(kSell).IsSideChecked());

    dialog->OkButton().click();

    EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->EditedAlert(), nullptr);
    ASSERT_EQ(module.Alerts().Count(), 1u);
    const std::uint32_t id = module.Alerts().FindIdByName(name).value();
    const std::shared_ptr<BLAlert> stored = Listed(id);
    ASSERT_EQ(stored->BuySide().ExpressionsCount(), 2u);
    ASSERT_EQ(stored->SellSide().ExpressionsCount(), 2u);
    EXPECT_EQ(stored->BuySide().Expression(1).GetConstant(SimpleExpr::eRight).GetValue(), 5.5);
    EXPECT_EQ(stored->SellSide().Expression(0).GetCompareOperator(), eCmpLess);
    EXPECT_EQ(stored->GetAssociatedArg(), Arg(1));
    EXPECT_TRUE(log.Text().contains(QStringLiteral("Alert lokalny dodanie - ")));

    Deliver(Arg(1), 150.0, 1.0);
    Deliver(Arg(2), 3.0, 1.0);
    ASSERT_TRUE(generator.WaitFor(name, 1));
    EXPECT_EQ(generator.Taken().front().side, BLAlert::kBuySide);
}

TEST_F(AlertDefinitionDlgTest, AnEditedAlertKeepsItsIdAndReplacesItsOriginal)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    const std::uint32_t id = AddTwoSided(QStringLiteral("stary"), Arg(1), 10.0, 5.0);
    auto copy = Listed(id);
    copy->SetAssociatedArg(Arg(1));
    Open(copy);
    EXPECT_EQ(Row(kBuy, 0).LeftCell().Text(), QStringLiteral("arg1"));
    Type(kBuy, 0, QStringLiteral("20"));

    ASSERT_TRUE(dialog->OnOK()) << Messages().join(QLatin1Char('|')).toStdString();

    ASSERT_EQ(module.Alerts().Count(), 1u);
    EXPECT_EQ(module.Alerts().FindIdByName(QStringLiteral("stary")), id);
    EXPECT_EQ(Listed(id)->BuySide().Expression(0).GetConstant(SimpleExpr::eRight).GetValue(), 20.0);
    EXPECT_TRUE(log.Text().contains(QStringLiteral("Alert lokalny edycja - ")));
}

TEST_F(AlertDefinitionDlgTest, AnEditedAlertWhoseOriginalLeftMeanwhileComesBackAsAdded)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    const std::uint32_t id = AddTwoSided(QStringLiteral("znikły"), Arg(1), 10.0, 5.0);
    auto copy = Listed(id);
    copy->SetAssociatedArg(Arg(1));
    Open(copy);
    ASSERT_TRUE(module.RemoveAlert(QStringLiteral("znikły")));

    ASSERT_TRUE(dialog->OnOK()) << Messages().join(QLatin1Char('|')).toStdString();

    ASSERT_EQ(module.Alerts().Count(), 1u);
    EXPECT_TRUE(module.Alerts().FindIdByName(QStringLiteral("znikły")).has_value());
    EXPECT_TRUE(log.Text().contains(QStringLiteral("Alert lokalny dodanie - ")));
    EXPECT_FALSE(log.Text().contains(QStringLiteral("Alert lokalny edycja - ")));
}

TEST_F(AlertDefinitionDlgTest, CancelLeavesTheListAsItWas)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("stały"), Arg(1), 10.0, 5.0);
    Open(Listed(id));
    Type(kBuy, 0, QStringLiteral("99"));
    Report(kSell).RemoveRow(Row(kSell, 0));
    dialog->PropertiesPanel().NameEdit().setText(QStringLiteral("inna"));

    dialog->CancelButton().click();

    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->EditedAlert(), nullptr);
    const std::shared_ptr<BLAlert> kept = Listed(id);
    EXPECT_EQ(kept->Name(), QStringLiteral("stały"));
    EXPECT_EQ(kept->BuySide().Expression(0).GetConstant(SimpleExpr::eRight).GetValue(), 10.0);
    EXPECT_EQ(kept->SellSide().ExpressionsCount(), 1u);
    EXPECT_TRUE(Messages().isEmpty());
}

// Every refusal of "OK" shows its own text as an error and stores nothing.
TEST_F(AlertDefinitionDlgTest, EveryRefusalShowsItsTextAndStoresNothing)
{
    struct Case
    {
        const char* label;
        std::function<void()> arrange;
        QString message;
    };
    const QString emptyName = QStringLiteral("Nieprawidłowy parametr alertu. Pusta nazwa.");
    const QString repeatedName = QStringLiteral("Nieprawidłowy parametr alertu. Powtórzona nazwa");
    const std::vector<Case> cases = {
        {"no side checked", [] {}, AlertDefinitionDlg::kNoSideText},
        {"checked side with an untouched row",
         [this] { Panel(kBuy).SetSideChecked(true); }, AlertDefinitionDlg::kIncompleteSideText},
        {"checked sell side with an untouched second row",
         [this] {
             Drop(kSell, 0, 0, Arg(1));
             Type(kSell, 0, QStringLiteral("3"));
             AddRow(kSell);
         },
         AlertDefinitionDlg::kIncompleteSideText},
        {"argument against nothing",
         [this] { Drop(kBuy, 0, 0, Arg(1)); }, AlertDefinitionDlg::kInvalidConditionText},
        {"constant against nothing",
         [this] {
             Panel(kBuy).SetSideChecked(true);
             Type(kBuy, 0, QStringLiteral("4"));
         },
         AlertDefinitionDlg::kInvalidConditionText},
        {"empty name",
         [this] {
             Drop(kBuy, 0, 0, Arg(1));
             Type(kBuy, 0, QStringLiteral("4"));
             dialog->PropertiesPanel().NameEdit().clear();
         },
         emptyName},
        {"name of another alert",
         [this] {
             Drop(kBuy, 0, 0, Arg(1));
             Type(kBuy, 0, QStringLiteral("4"));
             dialog->PropertiesPanel().NameEdit().setText(QStringLiteral("zajęta"));
         },
         repeatedName},
        {"constants only: no argument to be about",
         [this] {
             Panel(kBuy).SetSideChecked(true);
             Row(kBuy, 0).SetConstantFromText(AlertSubexpressionsReportControl::kLeftValueItem, QStringLiteral("1"));
             Type(kBuy, 0, QStringLiteral("2"));
         },
         QStringLiteral("Niepoprawny argument powiązany")},
        {"source gone",
         [this] {
             Drop(kBuy, 0, 0, Arg(1));
             Type(kBuy, 0, QStringLiteral("4"));
             source.Invalidate(Arg(1));
         },
         AlertDefinitionDlg::kSourceGoneText},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        module.RemoveAllAlerts();
        AddTwoSided(QStringLiteral("zajęta"), Arg(9), 1.0, 0.0);
        const std::size_t shown = dialogs.MessageBox().Boxes().size();
        Open(module.CreateNewAlert());
        c.arrange();

        EXPECT_FALSE(dialog->OnOK());

        ASSERT_EQ(dialogs.MessageBox().Boxes().size(), shown + 1);
        EXPECT_EQ(dialogs.MessageBox().Boxes().back().text, c.message);
        EXPECT_EQ(dialogs.MessageBox().Boxes().back().flags & MB_ICONERROR, MB_ICONERROR);
        EXPECT_EQ(module.Alerts().Count(), 1u);
        EXPECT_TRUE(dialog->IsShown());
        dialog->OnCancel();
    }
}

TEST_F(AlertDefinitionDlgTest, RowCheckMarksTheMissingOperand)
{
    enum Operand
    {
        Empty,
        Constant,
        Argument
    };
    struct Case
    {
        Operand left;
        Operand right;
        bool valid;
        bool leftMarked;
        bool rightMarked;
    };
    const Case cases[] = {
        {Empty, Empty, false, false, false},        {Empty, Constant, false, true, false},
        {Empty, Argument, false, true, false},      {Constant, Empty, false, false, true},
        {Constant, Constant, true, false, false},   {Constant, Argument, true, false, false},
        {Argument, Empty, false, false, true},      {Argument, Constant, true, false, false},
        {Argument, Argument, true, false, false},
    };
    Open(module.CreateNewAlert());
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.left << " " << c.right);
        SubExpressionRecord& row = Row(kBuy, 0);
        row.Clear();
        row.ClearErrorMarks();
        if (c.left == Constant)
            row.SetConstantFromText(AlertSubexpressionsReportControl::kLeftValueItem, QStringLiteral("1"));
        else if (c.left == Argument)
            row.SetLeftArgument(Arg(1));
        if (c.right == Constant)
            row.SetConstantFromText(AlertSubexpressionsReportControl::kRightValueItem, QStringLiteral("2"));
        else if (c.right == Argument)
            row.SetRightArgument(Arg(2));

        EXPECT_EQ(Report(kBuy).ValidateRows(), c.valid);
        EXPECT_EQ(row.LeftCell().HasError(), c.leftMarked);
        EXPECT_EQ(row.RightCell().HasError(), c.rightMarked);
        EXPECT_EQ(Report(kBuy).HasEmptyRow(), c.left == Empty && c.right == Empty);
    }
}

TEST_F(AlertDefinitionDlgTest, UsedArgumentsAreCountedAndTheAssociatedOneFollows)
{
    Open(module.CreateNewAlert());
    AssociatedAlertComboBox& combo = dialog->PropertiesPanel().Combo();
    ASSERT_TRUE(Drop(kBuy, 0, 0, Arg(1)));
    AddRow(kBuy);
    ASSERT_TRUE(Drop(kBuy, 1, 0, Arg(1)));
    ASSERT_TRUE(Drop(kSell, 0, 0, Arg(1)));
    ASSERT_TRUE(Drop(kSell, 0, 4, Arg(2)));
    ASSERT_EQ(dialog->Candidates().size(), 2u);
    EXPECT_EQ(dialog->Candidates()[0].count, 3);
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("arg1 opis 1"));
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(1));

    Report(kBuy).RemoveRow(Row(kBuy, 1));
    Row(kBuy, 0).SetLeftArgument(Arg(2));
    EXPECT_EQ(dialog->Candidates()[0].count, 1);
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(1));

    // The last use goes while a new argument comes in: the new one is the associated argument.
    Row(kSell, 0).SetLeftArgument(Arg(3));
    ASSERT_EQ(dialog->Candidates().size(), 2u);
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(3));
    EXPECT_EQ(combo.currentText(), QStringLiteral("arg3 opis 3"));

    // Without a new one, the first remaining argument.
    Type(kSell, 0, QStringLiteral("1"));
    Row(kSell, 0).Clear();
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(2));
    EXPECT_EQ(combo.count(), 1);

    // None left: reset.
    Row(kBuy, 0).Clear();
    EXPECT_TRUE(dialog->Candidates().empty());
    EXPECT_FALSE(dialog->AssociatedArgument().IsValid());
    EXPECT_EQ(combo.count(), 0);
}

TEST_F(AlertDefinitionDlgTest, DestroyedSourceClearsOperandsInPlaceAndMovesTheAssociatedArgument)
{
    Open(module.CreateNewAlert());
    ASSERT_TRUE(Drop(kBuy, 0, 0, Arg(1)));
    ASSERT_TRUE(Drop(kBuy, 0, 4, Arg(2)));
    ASSERT_TRUE(Drop(kSell, 0, 0, Arg(1)));
    ASSERT_EQ(dialog->AssociatedArgument(), Arg(1));

    std::thread worker([this] { dialog->PostDeactivateArgUsageMsg(Arg(1)); });
    worker.join();
    EXPECT_EQ(dialog->PendingDestroyedCount(), 1u);
    Settle();

    EXPECT_EQ(dialog->PendingDestroyedCount(), 0u);
    EXPECT_TRUE(Row(kBuy, 0).LeftCell().IsHintShown());
    EXPECT_FALSE(Row(kSell, 0).LeftArgument().IsValid());
    EXPECT_EQ(Row(kBuy, 0).RightArgument(), Arg(2));
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(2));
    EXPECT_EQ(dialog->PropertiesPanel().Combo().currentText(), QStringLiteral("arg2 opis 2"));
    EXPECT_TRUE(dialog->IsShown());

    // "OK" now stops at the cleared operands.
    EXPECT_FALSE(dialog->OnOK());
    EXPECT_EQ(Messages(), QStringList{AlertDefinitionDlg::kIncompleteSideText});
}

TEST_F(AlertDefinitionDlgTest, ASourceDestroyedWhileHiddenLeavesNothingBehind)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("a"), Arg(1), 10.0, 5.0);
    Open(Listed(id));
    dialog->OnCancel();
    dialog->PostDeactivateArgUsageMsg(Arg(1));
    Settle();

    EXPECT_EQ(dialog->PendingDestroyedCount(), 0u);
    EXPECT_TRUE(dialog->Candidates().empty());
    EXPECT_FALSE(dialog->AssociatedArgument().IsValid());
    Open(module.CreateNewAlert());
    EXPECT_EQ(Report(kBuy).RowCount(), 1);
    EXPECT_TRUE(Report(kBuy).RemovedExpressions().empty());
    EXPECT_EQ(dialog->PropertiesPanel().Combo().count(), 0);
}

// A removed row's expression leaves the side only on "OK"; a cancelled removal is forgotten and
// never reaches the alert edited next.
TEST_F(AlertDefinitionDlgTest, RemovedExpressionsGoOnlyOnOkAndNeverReachTheNextAlert)
{
    const auto makeTwoRowAlert = [this](const QString& name, double first, double second) {
        auto alert = NewAlert(name);
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), Arg(1), eCmpGreater, first);
        AddExpr(alert->BuySide(), Arg(1), eCmpGreater, second);
        alert->SetAssociatedArg(Arg(1));
        return module.AddAlert(alert);
    };
    const std::uint32_t a = makeTwoRowAlert(QStringLiteral("A"), 1.0, 2.0);
    const std::uint32_t b = makeTwoRowAlert(QStringLiteral("B"), 3.0, 4.0);

    Open(Listed(a));
    Report(kBuy).RemoveRow(Row(kBuy, 0));
    EXPECT_EQ(Report(kBuy).RemovedExpressions().size(), 1u);
    dialog->OnCancel();
    EXPECT_EQ(Listed(a)->BuySide().ExpressionsCount(), 2u);

    Open(Listed(b));
    EXPECT_TRUE(Report(kBuy).RemovedExpressions().empty());
    ASSERT_TRUE(dialog->OnOK());
    ASSERT_EQ(Listed(b)->BuySide().ExpressionsCount(), 2u);
    EXPECT_EQ(Listed(b)->BuySide().Expression(0).GetConstant(SimpleExpr::eRight).GetValue(), 3.0);

    Open(Listed(a));
    Report(kBuy).RemoveRow(Row(kBuy, 0));
    AddRow(kBuy);
    ASSERT_TRUE(Drop(kBuy, 1, 0, Arg(2)));
    Type(kBuy, 1, QStringLiteral("7"));
    ASSERT_TRUE(dialog->OnOK());
    const std::shared_ptr<BLAlert> edited = Listed(a);
    ASSERT_EQ(edited->BuySide().ExpressionsCount(), 2u);
    EXPECT_EQ(edited->BuySide().Expression(0).GetConstant(SimpleExpr::eRight).GetValue(), 2.0);
    EXPECT_EQ(edited->BuySide().Expression(1).GetArgument(SimpleExpr::eLeft), Arg(2));
}

TEST_F(AlertDefinitionDlgTest, TypedConstantsTakeValueAndPrecisionAndBlankTextChangesNothing)
{
    Open(module.CreateNewAlert());
    ASSERT_TRUE(Drop(kBuy, 0, 4, Arg(5)));
    ASSERT_EQ(dialog->Candidates().size(), 1u);

    Type(kBuy, 0, QString());
    Type(kBuy, 0, QStringLiteral("  "));
    EXPECT_EQ(Row(kBuy, 0).RightArgument(), Arg(5));
    EXPECT_FALSE(Row(kBuy, 0).RightConstant().IsConstant());

    EXPECT_FALSE(Row(kBuy, 0).SetConstantFromText(AlertSubexpressionsReportControl::kRightValueItem, QStringLiteral("1x")));
    EXPECT_TRUE(Row(kBuy, 0).RightCell().HasError());
    EXPECT_EQ(Row(kBuy, 0).RightArgument(), Arg(5));

    Type(kBuy, 0, QStringLiteral("12,5"));
    const ConstArgumentValue& constant = Row(kBuy, 0).RightConstant();
    EXPECT_TRUE(constant.IsConstant());
    EXPECT_EQ(constant.GetValue(), 12.5);
    EXPECT_EQ(constant.GetPrecision(), 1u);
    EXPECT_FALSE(Row(kBuy, 0).RightArgument().IsValid());
    EXPECT_TRUE(dialog->Candidates().empty());
    EXPECT_EQ(Row(kBuy, 0).RightCell().Text(), QStringLiteral("12.5"));
}

TEST_F(AlertDefinitionDlgTest, AReportHeightChangeGrowsTheDialogAndMovesItsButtons)
{
    Open(module.CreateNewAlert());
    const int height = dialog->height();
    const int okTop = dialog->OkButton().y();
    const int reportHeight = dialog->Report()->height();

    AddRow(kBuy);
    Settle();

    const int delta = dialog->Report()->height() - reportHeight;
    EXPECT_GT(delta, 0);
    // Both rows get their full height: none is squeezed into the room of one.
    const int rowHeight = Row(kBuy, 0).minimumSizeHint().height();
    EXPECT_GE(Row(kBuy, 0).height(), rowHeight);
    EXPECT_GE(Row(kBuy, 1).height(), rowHeight);
    EXPECT_GE(delta, rowHeight);
    EXPECT_EQ(dialog->height(), height + delta);
    EXPECT_EQ(dialog->OkButton().y(), okTop + delta);
}
}
