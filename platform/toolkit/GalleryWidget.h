#pragma once
// Shows a gallery's items in a popup: the item under the pointer is previewed, a click chooses
// it, a right click goes to the gallery first.

#include <QPointer>
#include <QWidget>

class GalleryControl;

class GalleryWidget : public QWidget
{
    Q_OBJECT

public:
    GalleryWidget(GalleryControl& gallery, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ItemAt(const QPoint& point) const;

    QPointer<GalleryControl> m_gallery;
};
