#pragma once
// Shows a gallery's items in a popup: the item under the pointer is previewed, a click chooses
// it, a right click goes to the gallery first, and each item shows its own tooltip. A gallery
// taller than its height gets the scroll column of its paint manager: up and down scroll by a
// row, expand opens the gallery's own popup.

#include <QPointer>
#include <QWidget>

class GalleryControl;

class GalleryWidget : public QWidget
{
    Q_OBJECT

public:
    GalleryWidget(GalleryControl& gallery, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The items' area (the scroll column excluded) and the column itself; empty when none.
    QRect ItemsArea() const;
    QRect ScrollColumn() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int FullWidth() const;
    bool HasScrollColumn() const;
    QRect ContentArea() const;
    int ItemAt(const QPoint& point) const;
    int ScrollCodeAt(const QPoint& point) const;
    void ScrollRows(int rows);
    void Relayout();

    QPointer<GalleryControl> m_gallery;
    int m_hotCode = 0;
    int m_pressedCode = 0;
};
