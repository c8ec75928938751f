#pragma once
// What fills a gallery whose items exist only at run time (the series of the active chart, the
// hidden columns of a table, the stored styles of a kind) and acts on the user's choice. The
// tab that owns the gallery writes the helper; the gallery holds a share of it.

#include <QPoint>

class CmdUI;
class DynamicGallery;
class GalleryItem;

class IDynamicGalleryHelper
{
public:
    virtual ~IDynamicGalleryHelper() = default;

    // Clears and refills the gallery's items; runs each time the gallery is about to show.
    virtual void Fill(DynamicGallery& gallery) = 0;
    // The user chose the item.
    virtual void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) = 0;
    // Marks the current item as checked.
    virtual void UpdateCheckedItem() {}
    // The same, asked by the gallery's update-UI handler with its command's update object.
    virtual void UpdateCheckedItem(DynamicGallery& gallery, CmdUI& cmdUI) { UpdateCheckedItem(); }
    // A right click on the gallery; true when handled, false lets the ribbon's own handling run.
    virtual bool OnRButtonDown(DynamicGallery& gallery, const QPoint& point) { return false; }
    virtual bool OnRButtonUp(DynamicGallery& gallery, const QPoint& point) { return false; }
    // Whether ticking a check-box item also closes the popup.
    virtual bool IsClosingOnClick() const { return false; }
};
