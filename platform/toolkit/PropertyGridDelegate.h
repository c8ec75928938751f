#pragma once
// Makes and fills the in-place editor of a property grid's value by what the item asks for:
// a line edit (text, real numbers; masked for passwords; read-only for read-only items), a
// spin box (whole numbers, with the item's limits shown as spin buttons when it has them), a
// combo box (yes/no texts, choices), date and time edits, a line edit with a "…" button
// (colours, file paths, fonts), two spin boxes (sizes) and the pen editor. Draws the grid's
// lines.

#include <QStyledItemDelegate>

class PropertyGridItem;
class PropertyGridView;

class PropertyGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit PropertyGridDelegate(PropertyGridView& view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QWidget* CreateEditorFor(QWidget* parent, PropertyGridItem& item) const;

    PropertyGridView& m_view;
};
