#include "platform/toolkit/GalleryItemDelegate.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryGeometry.h"

#include <QPainter>

GalleryItemDelegate::GalleryItemDelegate(GalleryControl& gallery, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_gallery(&gallery)
{
}

void GalleryItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const GalleryItem* item = m_gallery ? m_gallery->GetItem(index.row()) : nullptr;
    if (item == nullptr)
    {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    GalleryItemState state;
    state.enabled = option.state.testFlag(QStyle::State_Enabled) && item->IsEnabled();
    state.hot = option.state.testFlag(QStyle::State_Selected) || option.state.testFlag(QStyle::State_MouseOver);
    painter->save();
    painter->fillRect(option.rect, option.palette.base());
    item->Draw(*painter, *m_gallery, option.rect, state);
    painter->restore();
}

QSize GalleryItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const GalleryItem* item = m_gallery ? m_gallery->GetItem(index.row()) : nullptr;
    return item ? GalleryGeometry::ItemSize(*m_gallery, *item) : QStyledItemDelegate::sizeHint(option, index);
}
