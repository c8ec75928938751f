#pragma once
// The thin bar above the quick-add popup by which the user drags the popup about. It shows
// itself only while the cursor is over it (fading in and out on its own timer) and gives the
// focus back to the popup, so that the popup never loses it to the bar. Main thread only.

#include "platform/ui/Wnd.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

class MovementBarDlg : public QWidget, public Wnd
{
    Q_OBJECT

public:
    static constexpr int kHeight = 12;
    static constexpr int kFadeTimer = 0;
    static constexpr int kMaxAlpha = 150;
    static constexpr int kAlphaStep = 25;

    struct Services
    {
        std::function<void(double opacity)> setOpacity;
        std::function<QPoint()> cursorPos;
        std::function<bool()> leftButtonDown;
        // The popup's OK and Cancel.
        std::function<void()> ok;
        std::function<void()> cancel;
    };

    MovementBarDlg(QWidget* owner, Services services);

    int GetAlpha() const { return m_alpha; }
    void SetAlpha(int alpha);
    // Lays the bar over the popup's top row (in screen coordinates) and ties the popup to it.
    void PlaceAbove(const QRect& topRow);
    bool IsDragging() const { return m_dragging; }

protected:
    void OnTimer(std::uint32_t id) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void GiveFocusToOwner();

    QPointer<QWidget> m_owner;
    Services m_services;
    int m_alpha = 0;
    bool m_attached = false;
    bool m_dragging = false;
    QPoint m_lastCursor;
};
