#pragma once
// A check-box item of a chart series gallery: the series' label, and on the right the text that
// says more about it (where it was shown), clipped to the item.

#include "platform/modules/SeriesObj.h"
#include "ribbon/galleries/CheckBoxGalleryControlItem.h"

class SerieCbGalleryItem : public CheckBoxGalleryControlItem
{
public:
    // Without an additional text the series' own additional information is shown.
    SerieCbGalleryItem(std::uint32_t id, const SeriesObj& series, bool checked, const QString& additionalText = QString());

    const SeriesObj& GetSeries() const { return m_series; }
    const QString& GetAdditionalText() const { return m_additionalText; }

    void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
              const GalleryItemState& state) const override;

private:
    SeriesObj m_series;
    QString m_additionalText;
};
