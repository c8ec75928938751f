#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/FormationCmdTargetsCollection.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationFiboLevelsWindowManager.h"
#include "platform/modules/FormationLevels.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "tests/charts/ui/EmptyChartWindow.h"
#include "tests/support/ui/TestApplication.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace FormationCommandIds;
using P = FormationParam;

TEST(FormationFiboLevelsDlgTest, RowsStayBetweenOneAndTwentyAndAreRelabelled)
{
    TestApplication::Ensure();
    FormationFiboLevelsDlg dialog(nullptr, nullptr);
    auto levels = std::make_shared<FiboLevelsContainer>();
    for (int i = 0; i < 5; ++i)
        levels->AddLevel({10.0 * i, i != 2});
    dialog.Fill(levels);
    ASSERT_EQ(dialog.RowCount(), 5);
    EXPECT_EQ(dialog.ValueEdit(1)->text(), QStringLiteral("10.00%"));
    dialog.SelectRow(1);
    dialog.RemoveSelectedRow();
    ASSERT_EQ(dialog.RowCount(), 4);
    EXPECT_EQ(dialog.RowLabel(1)->text(), QStringLiteral("Poziom 2"));
    EXPECT_EQ(dialog.ValueEdit(1)->text(), QStringLiteral("20.00%"));
    EXPECT_FALSE(dialog.EnabledBox(1)->isChecked());
    // Removing the last row selects the new last one.
    dialog.SelectRow(3);
    dialog.RemoveSelectedRow();
    EXPECT_EQ(dialog.SelectedRow(), 2);

    while (dialog.RowCount() < FormationFiboLevelsDlg::kMaxRows)
        dialog.AddButton()->click();
    EXPECT_FALSE(dialog.AddButton()->isEnabled());
    dialog.RemoveSelectedRow();
    EXPECT_TRUE(dialog.AddButton()->isEnabled());
    while (dialog.RowCount() > 1)
        dialog.RemoveSelectedRow();
    EXPECT_FALSE(dialog.RemoveButton()->isEnabled());
}

TEST(FormationFiboLevelsDlgTest, WhatIsTypedComesBackAsNewLevelsAndANullSourceGivesNone)
{
    TestApplication::Ensure();
    FormationFiboLevelsDlg dialog(nullptr, nullptr);
    EXPECT_EQ(dialog.GetLevels(), nullptr);
    EXPECT_EQ(dialog.RowCount(), 1);

    auto levels = FiboLevelsContainer::CreateDefalutFiboLevels(false);
    dialog.Fill(levels);
    dialog.ValueEdit(0)->setText(QStringLiteral("-5"));
    dialog.ValueEdit(1)->setText(QStringLiteral("25,5%"));
    dialog.EnabledBox(2)->setChecked(false);
    const auto edited = dialog.GetLevels();
    ASSERT_TRUE(edited);
    EXPECT_NE(edited, levels);
    EXPECT_EQ(edited->Size(), levels->Size());
    EXPECT_EQ(edited->Level(0).value, 0.0);
    EXPECT_EQ(edited->Level(1).value, 25.5);
    EXPECT_FALSE(edited->Level(2).enabled);
    EXPECT_FALSE(edited->NegativesAllowed());
    // The formation's own levels are untouched until OK writes the new ones.
    EXPECT_EQ(levels->Level(1).value, 23.6);

    dialog.DefaultButton()->click();
    EXPECT_EQ(dialog.GetLevels()->Level(1).value, 23.6);
}

TEST(FormationFiboLevelsDlgTest, OkInThePopupWritesTheLevelsOfTheSelectedRetracement)
{
    TestApplication::Ensure();
    ChartModuleConsumer consumer;
    ChartWindow* chart = MakeActiveEmptyChart(consumer);
    SelectNewFormation(*chart, P::kFiboRetracement);
    const ChartDocument& document = chart->Document();

    FormationCmdTargetsCollection targets(&consumer);
    RibbonControlPopupEx popup(ID_FIBO_LEVELS);
    popup.SetPopupWindowManager(std::make_unique<FormationFiboLevelsWindowManager>(nullptr, &popup, &consumer));
    ChartRibbonLookup::SetFinders([&popup](std::uint32_t group, std::uint32_t id) -> RibbonControl* {
        return group == GROUP_FIBO && id == ID_FIBO_LEVELS ? &popup : nullptr;
    }, {});
    auto* manager = static_cast<FormationFiboLevelsWindowManager*>(popup.GetPopupWindowManager());
    manager->CreatePopupWindow(nullptr);
    manager->UpdatePopupWindow();
    FormationFiboLevelsDlg* dialog = manager->GetDialog();
    ASSERT_EQ(dialog->RowCount(), 7);
    dialog->EnabledBox(3)->setChecked(false);
    // OK closes the popup with apply: the ribbon sends the popup's execute notification.
    NotifyInfo executed(ID_FIBO_LEVELS, NotifyCodes::Execute, &popup);
    targets.SendNotify(executed);
    ChartRibbonLookup::SetFinders({}, {});

    const auto nested = FormationLevels::Unwrap<FiboFormationParamValue>(document.formations[0].Get(P::FiboLevels));
    ASSERT_TRUE(nested && nested->Levels());
    EXPECT_FALSE(nested->Levels()->Level(3).enabled);
    EXPECT_TRUE(nested->Levels()->Level(2).enabled);
    delete dialog;
    delete chart;
}
