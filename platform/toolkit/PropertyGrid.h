#pragma once
// A property grid without a display: categories of rows with captions and values, in the
// order they were added (the grid never sorts). It tells its view what changed and its
// owner which value the user changed (the notification code 3 of the grid). Tests drive it
// headless; PropertyGridView shows it. Main thread only.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class PropertyGridItem;

class PropertyGrid : public QObject
{
    Q_OBJECT

public:
    // The code with which the grid tells its owner that the user changed a value.
    static constexpr int kNotifyValueChanged = 3;

    PropertyGrid();
    ~PropertyGrid() override;

    // A new category at the end; the grid owns it.
    PropertyGridItem* AddCategory(const QString& caption);
    // Removes every row.
    void ResetContent();

    int GetCategoryCount() const;
    PropertyGridItem* GetCategory(int index) const;
    // Every row, categories included, depth first in display order.
    void ForEachItem(const std::function<void(PropertyGridItem&)>& visit) const;
    // The first row of that caption, depth first; null when none.
    PropertyGridItem* FindItem(const QString& caption) const;

signals:
    // The user changed the item's value.
    void ItemValueChanged(PropertyGridItem* item);
    // The item shows something else (its value, expansion or state).
    void ItemChanged(PropertyGridItem* item);
    // Rows were added or removed.
    void ContentChanged();

private:
    friend class PropertyGridItem;

    void OnItemValueChanged(PropertyGridItem* item);
    void OnItemChanged(PropertyGridItem* item);
    void OnContentChanged();

    // The invisible parent of the categories.
    std::unique_ptr<PropertyGridItem> m_root;
};
