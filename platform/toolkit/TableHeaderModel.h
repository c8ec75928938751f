#pragma once
// The captions of a TableCtrl's columns as a model, so that a QHeaderView can show, size, move
// and hide them. The model has columns and no rows; TableCtrl changes it. Main thread only.

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

class TableHeaderModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return 0; }
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override { return {}; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void InsertCaption(int column, const QString& caption);
    void RemoveCaption(int column);
    void SetCaption(int column, const QString& caption);
    QString Caption(int column) const { return m_captions.value(column); }
    void Clear();

private:
    QStringList m_captions;
};
