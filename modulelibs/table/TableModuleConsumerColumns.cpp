// The quote table consumer's operations on the current table's columns: adding, removing,
// hiding, moving and merging them, their headers, the fields window, and sorting by a column.

#include "modulelibs/table/TableModuleConsumer.h"

#include "modulelibs/table/QuoteTableFieldsWnd.h"
#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableFields.h"

// Columns

bool TableModuleConsumer::AddColumn(bool before)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().AddColumn(before))
        return false;
    table->update();
    UpdateFieldsWnd();
    return true;
}

bool TableModuleConsumer::RemoveColumn()
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().RemoveColumn())
        return false;
    table->update();
    UpdateFieldsWnd();
    return true;
}

bool TableModuleConsumer::CanRemoveColumn() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().CanRemoveColumn();
}

bool TableModuleConsumer::HideSelectedColumn()
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().HideSelectedColumn())
        return false;
    table->update();
    UpdateFieldsWnd();
    return true;
}

bool TableModuleConsumer::CanHideColumn() const
{
    return CanRemoveColumn();
}

bool TableModuleConsumer::ShowColumn(std::uint32_t id, bool show)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().ShowColumn(static_cast<int>(id), show))
        return false;
    table->update();
    UpdateFieldsWnd();
    return true;
}

bool TableModuleConsumer::HasHiddenColumns() const
{
    return !GetHiddenColumns().empty();
}

std::vector<TableItemInfo> TableModuleConsumer::GetHiddenColumns() const
{
    QuoteTableWindow* table = CurrentTable();
    return table ? table->Model().HiddenColumns() : std::vector<TableItemInfo>();
}

bool TableModuleConsumer::MoveColumnToLeft() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.MoveColumn(-1); });
}

bool TableModuleConsumer::MoveColumnToRight() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.MoveColumn(1); });
}

bool TableModuleConsumer::CanMoveColumnToLeft() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().CanMoveColumn(-1);
}

bool TableModuleConsumer::CanMoveColumnToRight() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().CanMoveColumn(1);
}

std::optional<QString> TableModuleConsumer::GetColumnHeader() const
{
    QuoteTableWindow* table = CurrentTable();
    return table ? table->Model().ColumnHeader() : std::nullopt;
}

bool TableModuleConsumer::SetColumnHeader(const QString& header) 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.SetColumnHeader(header); });
}

bool TableModuleConsumer::LockColumns(bool lock) 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.LockColumns(lock); });
}

bool TableModuleConsumer::AreColumnsLocked() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().AreColumnsLocked();
}

bool TableModuleConsumer::MergeSelection() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.MergeSelection(); });
}

bool TableModuleConsumer::CanMergeFields() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().CanMergeFields();
}

bool TableModuleConsumer::HasMergedFieldsInSelection() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().HasMergedFieldsInSelection();
}

bool TableModuleConsumer::ShowConfigTypeFieldsWnd(bool show)
{
    if (!show)
    {
        if (m_fieldsWnd)
            m_fieldsWnd->hide();
        return true;
    }
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    if (!m_fieldsWnd)
        m_fieldsWnd = new QuoteTableFieldsWnd(m_fieldsWndParent ? m_fieldsWndParent.data() : table->window(),
                                              [this] { RefreshCurrTableAfterFieldsEdition(); });
    UpdateFieldsWnd();
    m_fieldsWnd->show();
    m_fieldsWnd->raise();
    return true;
}

bool TableModuleConsumer::IsConfigTypeFieldsWndVisible() const
{
    return m_fieldsWnd && m_fieldsWnd->isVisible();
}

void TableModuleConsumer::SetConfigTypeFieldsWndParent(QWidget* view)
{
    m_fieldsWndParent = view;
    if (m_fieldsWnd && view && m_fieldsWnd->parentWidget() != view)
    {
        const bool visible = m_fieldsWnd->isVisible();
        m_fieldsWnd->setParent(view, Qt::Tool);
        m_fieldsWnd->setVisible(visible);
    }
}

bool TableModuleConsumer::RefreshCurrTableAfterFieldsEdition()
{
    return Redraw(true);
}

void TableModuleConsumer::UpdateFieldsWnd()
{
    if (!m_fieldsWnd)
        return;
    QuoteTableWindow* table = CurrentTable();
    m_fieldsWnd->ShowTable(table ? &table->Model() : nullptr);
}
// Sorting

bool TableModuleConsumer::SortAsc()
{
    QuoteTableWindow* table = CurrentTable();
    const int field = table ? (table->Model().SelectedField() != 0 ? table->Model().SelectedField() : table->Model().SortField()) : 0;
    return field != 0 && OnCurrent([field](QuoteTableModel& model) { return model.SortBy(field, true); });
}

bool TableModuleConsumer::SortDesc()
{
    QuoteTableWindow* table = CurrentTable();
    const int field = table ? (table->Model().SelectedField() != 0 ? table->Model().SelectedField() : table->Model().SortField()) : 0;
    return field != 0 && OnCurrent([field](QuoteTableModel& model) { return model.SortBy(field, false); });
}

bool TableModuleConsumer::SortSwitch()
{
    return OnCurrent([](QuoteTableModel& model) { return model.SortSwitch(); });
}

bool TableModuleConsumer::SortBy(const TableFieldType& field)
{
    return OnCurrent([&field](QuoteTableModel& model) { return model.SortBy(field.fieldId, true); });
}

bool TableModuleConsumer::EnableAutoSort(bool enable)
{
    return OnCurrent([enable](QuoteTableModel& model) {
        model.EnableAutoSort(enable);
        return true;
    });
}

bool TableModuleConsumer::IsAutoSort() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().IsAutoSort();
}

std::vector<TableFieldType> TableModuleConsumer::GetSortableTableFields() const
{
    std::vector<TableFieldType> fields;
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return fields;
    for (const QuoteTableColumn* column : table->Model().VisibleColumns())
    {
        if (column->fieldId != TableFields::kComment)
            fields.push_back({column->fieldId, table->Model().HeaderOf(*column)});
    }
    return fields;
}

std::optional<TableFieldType> TableModuleConsumer::GetSortableTableField() const
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || table->Model().SortField() == 0)
        return std::nullopt;
    return TableFields::TypeOf(table->Model().SortField());
}
