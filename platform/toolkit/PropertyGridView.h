#pragma once
// A property grid on screen: the rows of a PropertyGrid in two columns, caption and value,
// with categories as headings (a category without a caption shows only its rows). A click on
// a value opens the editor its item asks for (PropertyGridDelegate); what the user enters goes
// to the item, and a value the item refuses is reported in a message box while the row goes
// back to the item's value. Colours, files, fonts and the colours of pens are chosen in the
// program's dialogs (DialogServices), with no editor open. Main thread only.

#include <QHash>
#include <QPointer>
#include <QTreeWidget>

#include <cstdint>

class PropertyGrid;
class PropertyGridDelegate;
class PropertyGridItem;

class PropertyGridView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit PropertyGridView(PropertyGrid& grid, QWidget* parent = nullptr);
    ~PropertyGridView() override;

    PropertyGrid& Grid() const { return m_grid; }
    using QTreeWidget::edit;

    // The row of the item; null when it is not shown.
    QTreeWidgetItem* RowOf(const PropertyGridItem* item) const;
    // The item a cell of the view shows; null for none.
    static PropertyGridItem* ItemOf(const QModelIndex& index);

    // Opens the item's value editor as a click on its value does; the editor, or null when the
    // item takes none.
    QWidget* EditItem(const PropertyGridItem* item);
    // The editor that is open; null when none.
    QWidget* OpenEditor() const { return m_editor; }
    // Hands the open editor's value to its item and closes the editor; false when there was
    // none or the item refused the value (the user is told).
    bool CommitEditor();
    // The editor's work is done (a choice taken, a dialog asked for): its value goes to the
    // item and it closes.
    void FinishEditor(QWidget* editor);

    // The open editor's value to the item; false when refused (the user is told).
    bool ApplyEditor(QWidget* editor, PropertyGridItem& item);
    // Runs the dialog that chooses the item's value (colour, file, font, or the colour of a
    // pen) and gives the item the answer; false when cancelled, refused or the item has no
    // such dialog.
    bool ChooseValue(PropertyGridItem& item);
    // Asks for ChooseValue once the current event is over, so that no editor is open while
    // the dialog runs; nothing happens when the item is gone by then.
    void ChooseValueLater(const PropertyGridItem& item);

protected:
    // Whichever cell of a row the user acts on, the value is what gets edited.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class PropertyGridDelegate;

    void Rebuild();
    void AddRows(QTreeWidgetItem* parent, const PropertyGridItem& item);
    void UpdateRow(QTreeWidgetItem& row, const PropertyGridItem& item);
    void OnItemChanged(PropertyGridItem* item);
    void OnRowChanged(QTreeWidgetItem* row, int column);
    void OnRowExpansion(QTreeWidgetItem* row, bool expanded);
    // Whether the item is still one of the grid's rows.
    bool Holds(const PropertyGridItem* item) const;
    void ReportRefusal(const QString& text);
    void CloseOpenEditor();

    PropertyGrid& m_grid;
    PropertyGridDelegate* m_delegate;
    QPointer<QWidget> m_editor;
    PropertyGridItem* m_editorItem = nullptr;
    QHash<const PropertyGridItem*, QTreeWidgetItem*> m_rows;
};
