#include "AlertDefinitionFixture.h"

#include "alerts/engine/SimpleExpr.h"
#include "alerts/ui/AddExpressionButton.h"
#include "alerts/ui/AlertNameValidator.h"
#include "alerts/ui/AlertOperatorComboBox.h"
#include "alerts/ui/ErrorFramePainter.h"
#include "platform/modules/DDBaseDataObjectMime.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace
{
class AlertDefinitionPanelsTest : public AlertDefinitionFixture
{
protected:
    static constexpr unsigned kBuy = BLAlert::kBuySide;
    static constexpr unsigned kSell = BLAlert::kSellSide;
    AlertPropertiesDlg& Properties() { return dialog->PropertiesPanel(); }
};

TEST_F(AlertDefinitionPanelsTest, SidePanelShowsTheSideAndItsLogic)
{
    auto alert = module.CreateNewAlert();
    alert->BuySide().SetLogicOperator(BLDirectAlert::eAnyTrue);
    alert->BuySide().SetSideEnabled(true);
    Open(alert);
    EXPECT_EQ(Panel(kBuy).SideCheckBox().text(), QStringLiteral("Alert kupna"));
    EXPECT_EQ(Panel(kSell).SideCheckBox().text(), QStringLiteral("Alert sprzedaży"));
    EXPECT_TRUE(Panel(kBuy).SideCheckBox().isChecked());
    EXPECT_TRUE(Panel(kBuy).AnyRadio().isChecked());

    // One row: no logic choice; a second row shows it.
    EXPECT_TRUE(Panel(kBuy).LogicLabel().isHidden());
    EXPECT_TRUE(Panel(kBuy).AllRadio().isHidden());
    Panel(kBuy).AddButton().click();
    EXPECT_EQ(Report(kBuy).RowCount(), 2);
    EXPECT_FALSE(Panel(kBuy).LogicLabel().isHidden());
    EXPECT_FALSE(Panel(kBuy).AnyRadio().isHidden());
    EXPECT_EQ(Panel(kBuy).LogicLabel().text(), QStringLiteral("Generuj alert, gdy:"));

    Panel(kSell).SideCheckBox().click();
    EXPECT_TRUE(alert->SellSide().IsSideEnabled());
    Panel(kSell).SideCheckBox().click();
    EXPECT_FALSE(alert->SellSide().IsSideEnabled());

    dialog->OnCancel();
    EXPECT_TRUE(Panel(kBuy).AllRadio().isChecked());
    EXPECT_FALSE(Panel(kBuy).IsSideChecked());
    EXPECT_EQ(Report(kBuy).RowCount(), 1);
}

TEST_F(AlertDefinitionPanelsTest, ASideLeftWithAnEmptyRowIsWrittenEmpty)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("x"), Arg(1), 2.0, 1.0);
    auto copy = module.Alerts().CloneAlert(id);
    Open(copy);
    Panel(kSell).SetDirectAlert(&copy->SellSide());
    Report(kSell).RemoveRow(Row(kSell, 0));
    EXPECT_EQ(Report(kSell).RowCount(), 1);
    EXPECT_TRUE(Row(kSell, 0).IsEntirelyEmpty());
    Panel(kSell).AllRadio().setChecked(true);

    Panel(kSell).WriteToSide();

    EXPECT_EQ(copy->SellSide().ExpressionsCount(), 0u);
    EXPECT_FALSE(copy->SellSide().GetLastExecutionResult());
    EXPECT_EQ(copy->SellSide().GetLogicOperator(), static_cast<std::uint32_t>(BLDirectAlert::eAnyTrue));
}

TEST_F(AlertDefinitionPanelsTest, NewRowsTakeTheSidesOperatorAndTheOnlyRowIsEmptiedNotRemoved)
{
    Open(module.CreateNewAlert());
    EXPECT_EQ(Row(kBuy, 0).GetOperator(), 0);
    EXPECT_EQ(Row(kSell, 0).GetOperator(), 2);
    EXPECT_EQ(Row(kSell, 0).OperatorCombo().currentText(), QStringLiteral(" <"));

    ASSERT_TRUE(Drop(kBuy, 0, 0, Arg(1)));
    EXPECT_FALSE(Row(kBuy, 0).IsRemovable());
    Row(kBuy, 0).RemoveButton().click();
    EXPECT_EQ(Row(kBuy, 0).LeftArgument(), Arg(1));
    Report(kBuy).RemoveRow(Row(kBuy, 0));
    EXPECT_EQ(Report(kBuy).RowCount(), 1);
    EXPECT_TRUE(Row(kBuy, 0).IsEntirelyEmpty());

    AddRow(kBuy);
    EXPECT_TRUE(Row(kBuy, 0).IsRemovable());
    Row(kBuy, 1).RemoveButton().click();
    EXPECT_EQ(Report(kBuy).RowCount(), 1);
}

TEST_F(AlertDefinitionPanelsTest, DropsLandOnlyOnOperandsAndALeftDropEnablesTheSide)
{
    Open(module.CreateNewAlert());
    EXPECT_FALSE(Drop(kSell, 0, 2, Arg(1)));
    EXPECT_FALSE(Drop(kSell, 0, 5, Arg(1)));
    EXPECT_FALSE(Panel(kSell).IsSideChecked());
    EXPECT_TRUE(dialog->Candidates().empty());

    EXPECT_TRUE(Drop(kSell, 0, 4, Arg(1)));
    EXPECT_FALSE(Panel(kSell).IsSideChecked());
    EXPECT_TRUE(Drop(kSell, 0, 0, Arg(2)));
    EXPECT_TRUE(Panel(kSell).IsSideChecked());
    EXPECT_EQ(Row(kSell, 0).LeftCell().Text(), QStringLiteral("arg2"));
    // The first argument dropped is the one the alert is about.
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(1));
}

TEST_F(AlertDefinitionPanelsTest, ADraggedArgumentSurvivesTheTripAndMalformedDataIsRefused)
{
    DDBaseDataObject object;
    object.SetupAlertArg(QStringLiteral("SessionStatistics"), 7, QStringLiteral("Obrót"), QStringLiteral("sesja"));
    const std::unique_ptr<QMimeData> data = DDBaseDataObjectMime::Pack(object);
    const std::optional<DDBaseDataObject> back = DDBaseDataObjectMime::Unpack(data.get());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetAlertArgDescription(), object.GetAlertArgDescription());
    EXPECT_EQ(back->GetAlertArgDescription().GetArgumentName(), QStringLiteral("Obrót"));

    for (const char* malformed : {"", "SessionStatistics\nx\na\nb", "\n1\na\nb", "S\n1\na"})
    {
        QMimeData bad;
        bad.setData(DDBaseDataObjectMime::kAlertArgFormat, QByteArray(malformed));
        EXPECT_FALSE(DDBaseDataObjectMime::Unpack(&bad)) << malformed;
    }
    EXPECT_FALSE(DDBaseDataObjectMime::Unpack(nullptr));
}

TEST_F(AlertDefinitionPanelsTest, OperatorChosenInTheComboIsTheRowsOperator)
{
    Open(module.CreateNewAlert());
    AlertOperatorComboBox& combo = Row(kBuy, 0).OperatorCombo();
    ASSERT_EQ(combo.count(), 6);
    EXPECT_EQ(combo.itemText(0), QStringLiteral(" >"));
    combo.showPopup();
    combo.setCurrentIndex(3);
    combo.hidePopup();
    EXPECT_EQ(Row(kBuy, 0).GetOperator(), 3);
}

TEST_F(AlertDefinitionPanelsTest, HeaderRowsCollapseWithTheirButtonsAndAddRows)
{
    Open(module.CreateNewAlert());
    AlertDefinitionReportControl& report = *dialog->Report();
    ASSERT_NE(report.HeaderAddButton(AlertDefinitionReportControl::kSellRecord), nullptr);
    EXPECT_EQ(report.HeaderAddButton(AlertDefinitionReportControl::kPropertiesRecord), nullptr);

    report.HeaderAddButton(AlertDefinitionReportControl::kSellRecord)->click();
    EXPECT_EQ(Report(kSell).RowCount(), 2);
    EXPECT_EQ(Report(kBuy).RowCount(), 1);

    const int height = report.height();
    report.ExpandButton(AlertDefinitionReportControl::kSellRecord)->click();
    EXPECT_FALSE(report.IsExpanded(AlertDefinitionReportControl::kSellRecord));
    EXPECT_TRUE(report.HeaderAddButton(AlertDefinitionReportControl::kSellRecord)->isHidden());
    EXPECT_TRUE(Panel(kSell).isHidden());
    EXPECT_LT(report.height(), height);
    report.Expand(AlertDefinitionReportControl::kSellRecord);
    EXPECT_FALSE(report.HeaderAddButton(AlertDefinitionReportControl::kSellRecord)->isHidden());
    EXPECT_EQ(report.height(), height);

    // Pressed, then released outside: nothing added.
    AddExpressionButton& add = *report.HeaderAddButton(AlertDefinitionReportControl::kBuyRecord);
    QTest::mousePress(&add, Qt::LeftButton, {}, add.rect().center());
    QTest::mouseRelease(&add, Qt::LeftButton, {}, add.rect().bottomRight() + QPoint(40, 40));
    EXPECT_EQ(Report(kBuy).RowCount(), 1);
}

TEST_F(AlertDefinitionPanelsTest, NameChecksKeepTheAlertsOwnNameAndFrameTheOthers)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("własny"), Arg(1), 2.0, 1.0);
    AddTwoSided(QStringLiteral("cudzy"), Arg(1), 2.0, 1.0);
    Open(module.Alerts().CloneAlert(id));
    QLineEdit& name = Properties().NameEdit();
    EXPECT_TRUE(Properties().ValidateName());
    EXPECT_EQ(Properties().GetErrorKind(), AlertPropertiesDlg::eNoError);

    name.setFocus();
    QTest::keyClicks(&name, QStringLiteral("x"));
    name.setText(QStringLiteral("cudz"));
    QTest::keyClicks(&name, QStringLiteral("y"));
    EXPECT_EQ(Properties().GetErrorKind(), AlertPropertiesDlg::eRepeatedName);
    EXPECT_FALSE(ErrorFramePainter::IsValid(name));

    name.setText(QStringLiteral("cudzy"));
    dialog->OkButton().setFocus();
    EXPECT_FALSE(ErrorFramePainter::IsValid(name));

    name.clear();
    EXPECT_FALSE(Properties().ValidateName());
    EXPECT_EQ(Properties().GetErrorKind(), AlertPropertiesDlg::eEmptyName);
    EXPECT_EQ(Properties().GetErrorText(), QStringLiteral("Nieprawidłowy parametr alertu. Pusta nazwa."));
}

TEST_F(AlertDefinitionPanelsTest, OnlyOnceSwitchedOnStartsTheAlertAfresh)
{
    struct Case
    {
        bool before;
        bool after;
        std::uint32_t lastGenerated;
    };
    for (const Case& c : {Case{false, true, AlertProps::kNoneGenerated}, Case{true, true, BLAlert::kBuySide},
                          Case{false, false, BLAlert::kBuySide}})
    {
        auto alert = module.CreateNewAlert();
        alert->Properties().SetOnlyOnce(c.before);
        alert->Properties().SetLastGenerated(BLAlert::kBuySide);
        Open(alert);
        Properties().OnlyOnceBox().setChecked(c.after);
        Properties().SoundBox().setChecked(true);
        Properties().WriteToAlertProps();
        EXPECT_EQ(alert->Properties().LastGenerated(), c.lastGenerated);
        EXPECT_EQ(alert->Properties().OnlyOnce(), c.after);
        EXPECT_TRUE(alert->Properties().Sound());
        dialog->OnCancel();
    }
}

TEST_F(AlertDefinitionPanelsTest, RefusedNameTextsNeverReadTheNameAsAFormat)
{
    EXPECT_EQ(AlertNameValidator::InvalidText(QString()),
              QStringLiteral("Nie zmieniono nazwy alertu ponieważ\npusta nazwa jest niedozwolona\n"));
    for (const QString& name : {QStringLiteral("Alert (1)"), QStringLiteral("%s %1 %d")})
        EXPECT_EQ(AlertNameValidator::InvalidText(name),
                  QStringLiteral("Nie zmieniono nazwy alertu ponieważ\nalert o nazwie \"") + name
                      + QStringLiteral("\" już istnieje\n"));
    AlertNameValidator validator(module);
    AddTwoSided(QStringLiteral("jest"), Arg(1), 2.0, 1.0);
    EXPECT_FALSE(validator.IsValid(QString()));
    EXPECT_FALSE(validator.IsValid(QStringLiteral("jest")));
    EXPECT_TRUE(validator.IsValid(QStringLiteral("nowy")));
    validator.OnInvalid(QStringLiteral("jest"));
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].text, AlertNameValidator::InvalidText(QStringLiteral("jest")));
}

TEST_F(AlertDefinitionPanelsTest, AssociatedArgumentComboTakesOnlyNavigationKeysAndDrops)
{
    Open(module.CreateNewAlert());
    ASSERT_TRUE(Drop(kBuy, 0, 0, Arg(1)));
    ASSERT_TRUE(Drop(kBuy, 0, 4, Arg(2)));
    AssociatedAlertComboBox& combo = Properties().Combo();
    ASSERT_EQ(combo.currentIndex(), 0);
    QTest::keyClick(&combo, Qt::Key_A);
    QTest::keyClick(&combo, Qt::Key_O);
    EXPECT_EQ(combo.currentIndex(), 0);
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.currentIndex(), 1);

    Properties().OnAssociatedSelChange(1);
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(2));

    const QPoint onCombo = combo.mapTo(&Properties(), combo.rect().center());
    EXPECT_FALSE(Properties().CanDrop(QPoint(1, 1)));
    ASSERT_TRUE(Properties().CanDrop(onCombo));
    DDBaseDataObject unused;
    unused.SetupAlertArg(kSource, 8, QStringLiteral("arg8"), QStringLiteral("opis 8"));
    EXPECT_TRUE(Properties().OnDrop(&unused));
    EXPECT_EQ(dialog->AssociatedArgument(), Arg(8));
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_FALSE(Properties().OnDrop(nullptr));
}
}
