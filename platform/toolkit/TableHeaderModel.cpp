#include "platform/toolkit/TableHeaderModel.h"

int TableHeaderModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
}

QVariant TableHeaderModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_captions.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_captions.at(section);
    return {};
}

void TableHeaderModel::InsertCaption(int column, const QString& caption)
{
    beginInsertColumns({}, column, column);
    m_captions.insert(column, caption);
    endInsertColumns();
}

void TableHeaderModel::RemoveCaption(int column)
{
    beginRemoveColumns({}, column, column);
    m_captions.removeAt(column);
    endRemoveColumns();
}

void TableHeaderModel::SetCaption(int column, const QString& caption)
{
    m_captions[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void TableHeaderModel::Clear()
{
    if (m_captions.isEmpty())
        return;
    beginRemoveColumns({}, 0, static_cast<int>(m_captions.size()) - 1);
    m_captions.clear();
    endRemoveColumns();
}
