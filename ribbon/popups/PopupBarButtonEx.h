#pragma once
// A flat button of the popup dialogs: one picture at rest and another while the mouse is over
// it or it is held down, both images of the program by id.

#include <QAbstractButton>
#include <QPixmap>

#include <cstdint>

class PopupBarButtonEx : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int kImageSize = 16;

    PopupBarButtonEx(std::uint32_t normalImageId, std::uint32_t hotImageId, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The image shown now.
    const QPixmap& CurrentImage() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_hot;
    bool m_hovered = false;
};
