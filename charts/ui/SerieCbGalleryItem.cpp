#include "charts/ui/SerieCbGalleryItem.h"

#include <QPainter>

SerieCbGalleryItem::SerieCbGalleryItem(std::uint32_t id, const SeriesObj& series, bool checked,
                                       const QString& additionalText)
    : CheckBoxGalleryControlItem(id, series.GetDSProp().GetLabel(), checked)
    , m_series(series)
    , m_additionalText(additionalText.isEmpty() ? series.GetAdditionalInfo() : additionalText)
{
}

void SerieCbGalleryItem::Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
                              const GalleryItemState& state) const
{
    CheckBoxGalleryControlItem::Draw(painter, gallery, rect, state);
    if (m_additionalText.isEmpty())
        return;
    const QRect textRect = rect.adjusted(0, 0, -3, 0);
    painter.save();
    painter.setClipRect(textRect);
    painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, m_additionalText);
    painter.restore();
}
