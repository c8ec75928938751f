#pragma once
// An item of the line-type list: a line drawn in its type (0 solid, 1 dashed, 2 dotted,
// 3 dash-dot, 4 dash-dot-dot, the pen styles the styles store). The id is the type.

#include "platform/toolkit/GalleryItem.h"

class LineTypeGalleryItem : public GalleryItem
{
public:
    static constexpr int kTypeCount = 5;

    explicit LineTypeGalleryItem(int lineType);

    int GetLineType() const { return m_lineType; }
    // The Qt pen style of a line type; solid for an unknown type.
    static Qt::PenStyle PenStyle(int lineType);

    void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
              const GalleryItemState& state) const override;

private:
    int m_lineType;
};
