#pragma once
// The engine's fixture with the alert definition dialog shown in a stand-in panel, and helpers
// that act on it as the user does: drops of arguments on operand cells, typed constants.

#include "AlertsFixture.h"

#include "alerts/ui/AlertDefinitionDlg.h"
#include "alerts/ui/AlertDefinitionReportControl.h"
#include "alerts/ui/AlertPropertiesDlg.h"
#include "alerts/ui/AlertSubexpressionsReportControl.h"
#include "alerts/ui/AssociatedAlertComboBox.h"
#include "alerts/ui/DirectAlertPanelDlg.h"
#include "alerts/ui/SubExpressionRecord.h"
#include "alerts/ui/AlertArgDescReportRecordItem.h"
#include "alerts/ui/AlertOperatorComboBox.h"
#include "platform/modules/DDBaseDataObject.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QStringList>
#include <QToolButton>

#include <memory>

class AlertDefinitionFixture : public AlertsFixture
{
protected:
    AlertDefinitionFixture()
    {
        panel->resize(1000, 900);
        panel->show();
    }

    // The dialog on the alert, shown and laid out.
    void Open(const std::shared_ptr<BLAlert>& alert)
    {
        dialog->SetAlert(alert);
        dialog->Show();
        Settle();
    }
    static void Settle()
    {
        QApplication::processEvents();
        QApplication::processEvents();
    }

    DirectAlertPanelDlg& Panel(unsigned side) { return side == BLAlert::kBuySide ? dialog->BuyPanel() : dialog->SellPanel(); }
    AlertSubexpressionsReportControl& Report(unsigned side) { return Panel(side).Report(); }
    SubExpressionRecord& Row(unsigned side, int row) { return Report(side).Record(row); }
    SubExpressionRecord& AddRow(unsigned side)
    {
        SubExpressionRecord& record = Report(side).AddExpressionRow(nullptr, -1);
        Settle();
        return record;
    }

    // A drop at the centre of the row's item (0 left, 2 operator, 4 right, 5 remove); false when refused.
    bool Drop(unsigned side, int row, int item, const AlertExprArgDesc& argument)
    {
        Settle();
        SubExpressionRecord& record = Row(side, row);
        QWidget* cell = item == 0 ? static_cast<QWidget*>(&record.LeftCell())
                        : item == 2 ? static_cast<QWidget*>(&record.OperatorCombo())
                        : item == 4 ? static_cast<QWidget*>(&record.RightCell())
                                    : static_cast<QWidget*>(&record.RemoveButton());
        AlertSubexpressionsReportControl& report = Report(side);
        if (!report.CanDrop(cell->mapTo(&report, cell->rect().center())))
            return false;
        DDBaseDataObject object;
        object.SetupAlertArg(argument.GetSourceModuleName(), argument.GetBaseArgumentSourceID(),
                             argument.GetArgumentName(), argument.GetArgumentDescription());
        return report.OnDrop(&object);
    }
    // Typed into the row's right operand and the edit left.
    void Type(unsigned side, int row, const QString& text)
    {
        AlertSubexpressionsReportControl& report = Report(side);
        report.BeginEdit(Row(side, row));
        report.InplaceEdit().setText(text);
        report.EndEdit(true);
    }
    QStringList Messages()
    {
        QStringList texts;
        for (const auto& box : dialogs.MessageBox().Boxes())
            texts << box.text;
        return texts;
    }
    static AlertExprArgDesc Dropped(std::uint32_t id) { return Arg(id); }

    const bool applicationReady = (TestApplication::Ensure(), true);
    ScopedFakeDialogs dialogs;
    std::unique_ptr<QWidget> panel = std::make_unique<QWidget>();
    // Made before the module's fixture goes: its copy gives its arguments back through the module.
    std::unique_ptr<AlertDefinitionDlg> dialog = std::make_unique<AlertDefinitionDlg>(module, panel.get());
};
