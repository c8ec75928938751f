#pragma once
// One row of a property grid: a caption and a value that the user edits in place, with rows
// of its own below it. The item keeps its value as text; typed items keep their typed value
// beside it and write the text from it. The user's edits go through the Edit... operations:
// they refuse what the item cannot take with a message fit for the user and tell the grid
// when the value really changed. Values the program sets (Set...) are not reported as edits.

#include <QString>

#include <any>
#include <memory>
#include <vector>

class PropertyGrid;

class PropertyGridItem
{
public:
    // What the grid's view edits the value with.
    enum class EditorKind
    {
        None,
        Text,
        Number,
        Double,
        Bool,
        Enum,
        Color,
        Size,
        FilePath,
        Time,
        Date,
        DateTime,
        Font,
        Pen
    };

    explicit PropertyGridItem(QString caption, QString value = QString());
    virtual ~PropertyGridItem();

    PropertyGridItem(const PropertyGridItem&) = delete;
    PropertyGridItem& operator=(const PropertyGridItem&) = delete;

    const QString& GetCaption() const { return m_caption; }
    // The value as the program reads it; a password in clear.
    const QString& GetValue() const { return m_value; }
    // What the grid shows: a password masked character by character.
    QString GetViewValue() const;
    // The program's value; not reported as an edit.
    void SetValue(const QString& value);

    // The user typed a value. False, with the reason in errorText, when the item refuses it.
    virtual bool EditValue(const QString& text, QString* errorText = nullptr);

    virtual EditorKind GetEditorKind() const { return EditorKind::Text; }
    virtual bool IsCategory() const { return false; }
    // A read-only item shows its value for reading and copying; the user cannot change it.
    bool IsReadOnly() const { return m_readOnly || !IsEditable(); }
    void SetReadOnly(bool readOnly);
    // False for items that take no edit at all, not even an editor to read the value in.
    virtual bool IsEditable() const { return true; }

    // Shows the value as one mask character per character; the value itself stays in clear.
    void SetPasswordMask(QChar mask = QChar(u'*'));
    bool IsPassword() const { return !m_passwordMask.isNull(); }

    // What the item stands for, for the program that filled the grid.
    const std::any& GetItemData() const { return m_itemData; }
    void SetItemData(std::any data) { m_itemData = std::move(data); }

    // The rows below this one; the item owns them.
    PropertyGridItem* AddChildItem(std::unique_ptr<PropertyGridItem> child);
    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    // Null out of range.
    PropertyGridItem* GetChild(int index) const;
    bool HasChildren() const { return !m_children.empty(); }
    PropertyGridItem* GetParentItem() const { return m_parent; }
    PropertyGrid* GetGrid() const { return m_grid; }

    bool IsExpanded() const { return m_expanded; }
    void Expand() { SetExpanded(true); }
    void Collapse() { SetExpanded(false); }

protected:
    // False, with the read-only message, when the user may not change the value.
    bool CheckEditable(QString* errorText) const;
    // The text of a typed value changed: the grid shows it.
    void SetValueText(const QString& text);
    // The user changed the value: the grid is told.
    void NotifyValueChanged();
    // The item shows something else: the grid's view is told.
    void NotifyChanged();

private:
    friend class PropertyGrid;

    void SetExpanded(bool expanded);
    void AttachGrid(PropertyGrid* grid);

    QString m_caption;
    QString m_value;
    QChar m_passwordMask;
    bool m_readOnly = false;
    bool m_expanded = false;
    std::any m_itemData;
    PropertyGridItem* m_parent = nullptr;
    PropertyGrid* m_grid = nullptr;
    std::vector<std::unique_ptr<PropertyGridItem>> m_children;
};
