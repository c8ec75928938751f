#pragma once
// A gallery on the ribbon or in a popup: items in a grid of equal cells, one of them shown
// checked (the current value). Hovering an item previews it, choosing runs it; both reach the
// ribbon's command routing as notifications. Galleries whose items exist only at run time
// refill them in OnCalcDynamicSize, which runs each time the gallery is about to show.

#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonControl.h"

#include <QPoint>
#include <QSize>

#include <memory>
#include <vector>

class GalleryControl : public RibbonControl
{
    Q_OBJECT

public:
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

private:
    std::vector<std::unique_ptr<GalleryItem>> m_items;
    QSize m_itemSize{120, 22};
    std::uint32_t m_checkedItem = 0;
    int m_selected = -1;
    bool m_previewing = false;
};
