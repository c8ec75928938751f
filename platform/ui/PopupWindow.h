#pragma once
// The base of the program's frameless popups. A grabbing popup (under a ribbon control) takes
// the input while it shows and closes on a click outside it or on Escape, the Super keys or
// the menu key; a passive popup (a message) shows without taking the focus and closes when
// told or after a delay. Closing hides the window; the object stays and can show again.

#include "platform/ui/Wnd.h"

#include <QRect>
#include <QWidget>

class PopupWindow : public QWidget, public Wnd
{
    Q_OBJECT

public:
    enum class Behaviour
    {
        Grabbing,
        Passive
    };

    explicit PopupWindow(QWidget* owner = nullptr, Behaviour behaviour = Behaviour::Grabbing);

    // Shows the popup under the anchor (screen coordinates), kept inside the work area of the
    // anchor's screen.
    void ShowAtAnchor(const QRect& anchor);
    void CloseAfter(int milliseconds);

    // Below the anchor and left-aligned with it, unless the popup would reach the work area's
    // right or bottom edge: then right-aligned with the anchor, or above it. Never beyond the
    // work area's left or top edge.
    static QPoint PlaceAtAnchor(const QRect& anchor, const QSize& size, const QRect& workArea);

signals:
    void popupShown(const QRect& geometry);
    void popupClosed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
