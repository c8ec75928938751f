#pragma once
// The gallery painting of the program's ribbon theme: galleries in popups on the popup colour,
// labels as shaded bands with a grey line under them, and the scroll column's buttons as
// gradient buttons with the program's own glyphs. The theme installs it
// (GalleryPaintManager::SetCurrent) and gives it the gallery colours of its palette.

#include "platform/toolkit/GalleryPaintManager.h"

#include <QColor>

class ControlGalleryPaintManagerEx : public GalleryPaintManager
{
public:
    // The background of a gallery on a group, hot or at rest; invalid colours leave it unfilled.
    void SetGalleryColors(const QColor& selected, const QColor& normal);

    void FillControl(QPainter& painter, const GalleryControl& gallery, const QRect& rect, bool inPopup) const override;
    void DrawLabel(QPainter& painter, const GalleryItem& label, const QRect& rect) const override;

protected:
    void DrawScrollButton(QPainter& painter, const QRect& rect, int code, ButtonState state) const override;

private:
    QColor m_selected;
    QColor m_normal{0xFF, 0xFF, 0xFF};
};
