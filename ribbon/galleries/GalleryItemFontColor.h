#pragma once
// A colour cell of the ribbon's colour galleries, 17 x 17: the colour, edged at the top and the
// bottom where its row starts or ends a block. Its id is the colour value; its caption and
// tooltip are the colour's name.

#include "platform/toolkit/GalleryItem.h"

class GalleryItemFontColor : public GalleryItem
{
public:
    static constexpr int kSize = 17;

    GalleryItemFontColor(int color, const QString& name, bool topBorder, bool bottomBorder);

    int GetColor() const { return m_color; }
    bool HasTopBorder() const { return m_topBorder; }
    bool HasBottomBorder() const { return m_bottomBorder; }

    void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
              const GalleryItemState& state) const override;

private:
    int m_color;
    bool m_topBorder;
    bool m_bottomBorder;
};
