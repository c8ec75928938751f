#include "ribbon/galleries/GalleryItemFont.h"

#include "platform/toolkit/GalleryControl.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPalette>

namespace
{
constexpr int kTextInset = 6;
constexpr int kPointSize = 11;
}

GalleryItemFont::GalleryItemFont(std::uint32_t id, const QString& family)
    : GalleryItem(id, family)
{
    SetToolTip(family);
}

void GalleryItemFont::FillFontsGallery(GalleryControl& gallery)
{
    const QStringList families = QFontDatabase::families();
    for (qsizetype index = 0; index < families.size(); ++index)
        gallery.AddItem(std::make_unique<GalleryItemFont>(static_cast<std::uint32_t>(index + 1), families[index]));
}

void GalleryItemFont::Draw(QPainter& painter, const GalleryControl&, const QRect& rect,
                           const GalleryItemState& state) const
{
    DrawHighlight(painter, rect, state);
    QFont font(GetCaption(), kPointSize);
    painter.setFont(font);
    const QPalette palette;
    painter.setPen(palette.color(state.enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect textRect = rect.adjusted(kTextInset, 0, -kTextInset, 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(GetCaption(), Qt::ElideRight, textRect.width()));
}
