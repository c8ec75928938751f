#pragma once
// A combo box on the ribbon: a list of items (caption and a number the owner chose), the
// current item, and for an editable combo the text in its edit part. Choosing an item or
// committing a text runs the control, which sends the execute notification.

#include "platform/toolkit/RibbonControl.h"

#include <vector>

class RibbonComboBoxControl : public RibbonControl
{
    Q_OBJECT

public:
    struct Item
    {
        QString caption;
        std::intptr_t data = 0;
    };

    explicit RibbonComboBoxControl(std::uint32_t id);

    int AddItem(const QString& caption, std::intptr_t data = 0);
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_items.size()); }
    const Item& GetItem(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    // -1 when none; an index out of range selects none.
    int GetCurSel() const { return m_current; }
    void SetCurSel(int index);
    int FindItemData(std::intptr_t data) const;

    // A drop-down list takes no typed text.
    bool IsDropDownList() const { return m_dropDownList; }
    void SetDropDownList(bool dropDownList);
    // The edit part: the current item's caption, or what was typed.
    const QString& GetEditText() const { return m_editText; }
    void SetEditText(const QString& text);

    // The view's editor reports the user's choice or typed text.
    void ChooseItem(int index);
    void CommitText(const QString& text);

private:
    std::vector<Item> m_items;
    int m_current = -1;
    bool m_dropDownList = false;
    QString m_editText;
};
