#include "alerts/ui/AlertSubexpressionsReportControl.h"

#include "alerts/engine/BLAlert.h"
#include "alerts/engine/BLDirectAlert.h"
#include "alerts/ui/AlertArgDescReportRecordItem.h"
#include "alerts/ui/AlertArgumentDrop.h"
#include "alerts/ui/AlertDefinitionDlg.h"
#include "alerts/ui/SubExpressionRecord.h"
#include "platform/modules/DDBaseDataObject.h"
#include "platform/toolkit/NumericStringValidator.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

AlertSubexpressionsReportInplaceEdit::AlertSubexpressionsReportInplaceEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("constantEdit"));
    setValidator(new NumericStringValidator(this));
    hide();
}

void AlertSubexpressionsReportInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
    {
        emit cancelled();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

AlertSubexpressionsReportControl::AlertSubexpressionsReportControl(AlertDefinitionDlg& owner, unsigned sideKind,
                                                                   QWidget* parent)
    : QWidget(parent)
    , m_owner(owner)
    , m_sideKind(sideKind)
{
    setAcceptDrops(true);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_edit = new AlertSubexpressionsReportInplaceEdit(this);
    connect(m_edit, &QLineEdit::editingFinished, this, [this] { EndEdit(true); });
    connect(m_edit, &AlertSubexpressionsReportInplaceEdit::cancelled, this, [this] { EndEdit(false); });
}

SubExpressionRecord& AlertSubexpressionsReportControl::AddExpressionRow(const SimpleExpr* expression,
                                                                        int expressionIndex, int index)
{
    const int emptyOperator = m_sideKind == BLAlert::kBuySide ? 0 : 2;
    auto* record = new SubExpressionRecord(*this, expression, expressionIndex, emptyOperator);
    const int position = index < 0 || index > RowCount() ? RowCount() : index;
    m_records.insert(m_records.begin() + position, record);
    m_layout->insertWidget(position, record);
    // Shown now, not when the layout gets round to it, so that the heights fitted next count it.
    record->show();
    RowsChanged();
    return *record;
}

void AlertSubexpressionsReportControl::RemoveRow(SubExpressionRecord& record)
{
    if (m_editedRecord == &record)
        EndEdit(false);
    if (record.ExpressionIndex() >= 0)
        m_removedExpressions.push_back(record.ExpressionIndex());
    if (RowCount() == 1)
    {
        record.Clear();
        return;
    }
    m_records.erase(std::find(m_records.begin(), m_records.end(), &record));
    // Not deleted at once: the remove button that asked is still in its click.
    record.hide();
    m_layout->removeWidget(&record);
    record.ForgetExpression();
    record.Clear();
    record.deleteLater();
    RowsChanged();
}

void AlertSubexpressionsReportControl::RemoveAllRecords()
{
    EndEdit(false);
    for (SubExpressionRecord* record : m_records)
    {
        m_layout->removeWidget(record);
        record->hide();
        record->Clear();
        record->deleteLater();
    }
    m_records.clear();
    m_removedExpressions.clear();
    RowsChanged();
}

bool AlertSubexpressionsReportControl::ValidateRows()
{
    const bool valid = std::all_of(m_records.begin(), m_records.end(),
                                   [](SubExpressionRecord* record) { return record->Validate(); });
    update();
    return valid;
}

bool AlertSubexpressionsReportControl::HasEmptyRow() const
{
    return std::any_of(m_records.begin(), m_records.end(),
                       [](const SubExpressionRecord* record) { return record->IsEntirelyEmpty(); });
}

void AlertSubexpressionsReportControl::ClearErrorMarks()
{
    for (SubExpressionRecord* record : m_records)
        record->ClearErrorMarks();
}

void AlertSubexpressionsReportControl::ForgetArgument(const AlertExprArgDesc& argument)
{
    for (SubExpressionRecord* record : m_records)
        record->ForgetArgument(argument);
}

void AlertSubexpressionsReportControl::WriteToSide(BLDirectAlert& side)
{
    // A row emptied in place (its arguments' sources gone) takes its expression out too.
    std::set<int> removed(m_removedExpressions.begin(), m_removedExpressions.end());
    m_removedExpressions.clear();
    for (const SubExpressionRecord* record : m_records)
    {
        if (record->ExpressionIndex() >= 0 && record->IsEntirelyEmpty())
            removed.insert(record->ExpressionIndex());
    }
    const int loaded = static_cast<int>(side.ExpressionsCount());
    for (auto index = removed.rbegin(); index != removed.rend(); ++index)
    {
        if (*index < loaded)
            side.RemoveExpression(static_cast<std::size_t>(*index));
    }
    std::size_t position = 0;
    for (const SubExpressionRecord* record : m_records)
    {
        if (record->IsEntirelyEmpty())
            continue;
        // The expressions kept are in their rows' order, so the next one is at this position.
        SimpleExpr& expression = record->ExpressionIndex() >= 0 && position < side.ExpressionsCount()
                                     ? side.Expression(position)
                                     : side.InsertExpression(position);
        record->WriteTo(expression);
        ++position;
    }
}

bool AlertSubexpressionsReportControl::CanDrop(const QPoint& point)
{
    m_dropColumn = -1;
    m_dropRow = -1;
    for (int row = 0; row < RowCount(); ++row)
    {
        SubExpressionRecord& record = Record(row);
        if (!record.geometry().contains(point))
            continue;
        const int item = record.ItemAt(point - record.pos());
        if (item == kLeftNameItem || item == kLeftValueItem || item == kRightNameItem || item == kRightValueItem)
        {
            m_dropColumn = item;
            m_dropRow = row;
            return true;
        }
        return false;
    }
    return false;
}

bool AlertSubexpressionsReportControl::OnDrop(const DDBaseDataObject* object)
{
    if (!object || !object->HasAlertArg() || m_dropRow < 0 || m_dropRow >= RowCount())
        return false;
    const AlertExprArgDesc& argument = object->GetAlertArgDescription();
    SubExpressionRecord& record = Record(m_dropRow);
    if (m_dropColumn == kLeftNameItem || m_dropColumn == kLeftValueItem)
        record.SetLeftArgument(argument);
    else if (m_dropColumn == kRightNameItem || m_dropColumn == kRightValueItem)
        record.SetRightArgument(argument);
    else
        return false;
    ClearErrorMarks();
    m_owner.OnArgumentDropped(argument);
    return true;
}

void AlertSubexpressionsReportControl::BeginEdit(SubExpressionRecord& record)
{
    EndEdit(true);
    m_editedRecord = &record;
    const QRect cell = record.RightCell().geometry().translated(record.pos());
    m_edit->setGeometry(cell.adjusted(5, 2, -4, 0));
    m_edit->setText(record.RightConstant().IsConstant() ? record.RightCell().Text() : QString());
    m_edit->show();
    m_edit->raise();
    m_edit->setFocus();
    m_edit->selectAll();
}

void AlertSubexpressionsReportControl::EndEdit(bool apply)
{
    SubExpressionRecord* record = m_editedRecord;
    if (!record)
        return;
    m_editedRecord = nullptr;
    m_edit->hide();
    if (apply)
        record->SetConstantFromText(kRightValueItem, m_edit->text());
}

void AlertSubexpressionsReportControl::dragEnterEvent(QDragEnterEvent* event)
{
    AlertArgumentDrop::Enter(event);
}

void AlertSubexpressionsReportControl::dragMoveEvent(QDragMoveEvent* event)
{
    AlertArgumentDrop::Move(event, [this](const QPoint& point) { return CanDrop(point); });
}

void AlertSubexpressionsReportControl::dropEvent(QDropEvent* event)
{
    AlertArgumentDrop::Drop(event, [this](const QPoint& point) { return CanDrop(point); },
                            [this](const DDBaseDataObject* object) { return OnDrop(object); });
}

void AlertSubexpressionsReportControl::RowsChanged()
{
    const bool removable = RowCount() > 1;
    for (SubExpressionRecord* record : m_records)
        record->SetRemovable(removable);
    emit rowsChanged();
}
