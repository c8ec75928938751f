#pragma once
// A gallery on the ribbon or in a popup: items in rows, one of them shown checked (the current
// value). Hovering an item previews it, choosing runs it; both reach the ribbon's command
// routing as notifications. Galleries whose items exist only at run time refill them in
// OnCalcDynamicSize, which runs each time the gallery is about to show. A gallery whose items
// do not fit its height scrolls through the buttons of its scroll column.

#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonControl.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>
#include <vector>

class GalleryControl : public RibbonControl
{
    Q_OBJECT

public:
    // Hit codes of the scroll column's buttons.
    enum ScrollCode
    {
        ScrollNone = 0,
        ScrollUp = 60,
        ScrollDown = 61,
        ScrollExpand = 65
    };

    explicit GalleryControl(std::uint32_t id = 0);
    ~GalleryControl() override;

    GalleryItem* AddItem(std::unique_ptr<GalleryItem> item);
    GalleryItem* AddItem(std::uint32_t id, const QString& caption, std::uint32_t imageId = 0);
    void RemoveAll();
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Null when the index is out of range.
    GalleryItem* GetItem(int index) const;

    QSize GetItemSize() const { return m_itemSize; }
    void SetItemSize(const QSize& size);
    // 0 when no item is checked.
    std::uint32_t GetCheckedItem() const { return m_checkedItem; }
    void SetCheckedItem(std::uint32_t id);
    // The item under the pointer or last chosen; -1 when none.
    int GetSelectedItem() const { return m_selected; }
    void SetSelectedItem(int index);
    // A hidden selection is not shown as hot.
    bool IsSelectionHidden() const { return m_selectionHidden; }
    void HideSelection(bool hidden) { m_selectionHidden = hidden; }

    // Display flags: label items shown; the scroll column shown when the items do not fit.
    bool GetShowLabels() const { return m_showLabels; }
    void SetShowLabels(bool show);
    bool GetShowScrollBar() const { return m_showScrollBar; }
    void SetShowScrollBar(bool show);

    // The popup bar the gallery sits in; null on a ribbon group.
    RibbonPopupBar* GetParentBar() const { return m_parentBar; }
    void SetParentBar(RibbonPopupBar* bar) { m_parentBar = bar; }

    // The view laid the items out in the rectangle (the scroll column excluded).
    virtual void SetRect(const QRect& rect);
    const QRect& GetItemsRect() const { return m_rect; }
    // The height of all items at the items rectangle's width.
    int GetItemsHeight() const;
    // Pixels scrolled from the top, kept between 0 and what the items rectangle leaves hidden.
    int GetScrollPos() const { return m_scrollPos; }
    void SetScrollPos(int pos);
    virtual bool IsScrollButtonEnabled(int code) const;
    // The expand button was clicked: the gallery's own popup shows all its items.
    virtual void OnExpandButton();

    // The pointer moved onto an item (preview) or off every item (-1: preview cancelled).
    void HoverItem(int index);
    // The user chose the item at the index: it becomes the selected item and the gallery runs.
    void ChooseItem(int index);

    virtual void OnCalcDynamicSize();
    // A right click on the gallery; true when handled, so nothing else happens.
    virtual bool OnRButtonDown(const QPoint& point);
    virtual bool OnRButtonUp(const QPoint& point);

    // Ends a preview with the apply notification, then runs as every control does.
    void OnExecute() override;

protected:
    // The selected item changed (hover, choice or refill).
    virtual void OnSelectedItemChanged();

private:
    void Select(int index);

    std::vector<std::unique_ptr<GalleryItem>> m_items;
    QSize m_itemSize{120, 22};
    std::uint32_t m_checkedItem = 0;
    int m_selected = -1;
    bool m_selectionHidden = false;
    bool m_previewing = false;
    bool m_showLabels = true;
    bool m_showScrollBar = true;
    RibbonPopupBar* m_parentBar = nullptr;
    QRect m_rect;
    int m_scrollPos = 0;
};
