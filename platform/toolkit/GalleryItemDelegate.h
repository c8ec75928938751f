#pragma once
// Draws the rows of a combo box's list as the items of the combo's gallery, so that a font
// shows in its face and a line type as its line. Row i is the gallery's item i.

#include <QPointer>
#include <QStyledItemDelegate>

class GalleryControl;

class GalleryItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GalleryItemDelegate(GalleryControl& gallery, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPointer<GalleryControl> m_gallery;
};
