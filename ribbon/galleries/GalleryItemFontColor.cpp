#include "ribbon/galleries/GalleryItemFontColor.h"

#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/galleries/GalleryFrames.h"

namespace
{
constexpr int kInset = 2;
}

GalleryItemFontColor::GalleryItemFontColor(int color, const QString& name, bool topBorder, bool bottomBorder)
    : GalleryItem(ColorMarkers::ItemId(color), name)
    , m_color(color)
    , m_topBorder(topBorder)
    , m_bottomBorder(bottomBorder)
{
    SetToolTip(name);
    SetDescription(name);
    SetSize(QSize(kSize, kSize));
}

void GalleryItemFontColor::Draw(QPainter& painter, const GalleryControl&, const QRect& rect,
                                const GalleryItemState& state) const
{
    // Cells of one block touch; a block's first and last rows keep a gap.
    const QRect cell = rect.adjusted(kInset, m_topBorder ? kInset : 0, -kInset, m_bottomBorder ? -kInset : 0);
    GalleryFrames::DrawColorCell(painter, cell, m_color, m_topBorder, m_bottomBorder, state.hot, state.checked);
}
