#pragma once
// The base of the self-drawn popups under ribbon controls (the colour picker among them). The
// popup takes the input while it shows and closes on a button press outside it (left, middle
// or right), on Escape or on a Super or menu key; other mouse moves outside reach the derived
// popup. Its area observer hears where it showed and that it closed. Closing hides the
// window; the object stays with its owner and can show again.

#include "platform/ui/PopupWindow.h"

#include <QEvent>

class PopupBarBase : public PopupWindow
{
    Q_OBJECT

public:
    class IPopupAreaObserver
    {
    public:
        virtual ~IPopupAreaObserver() = default;
        // The popup's window rectangle in screen coordinates, after it was placed.
        virtual void OnPopupAreaShown(const QRect& area) = 0;
        virtual void OnPopupAreaClosed() = 0;
    };

    explicit PopupBarBase(IPopupAreaObserver& areaObserver, QWidget* owner = nullptr);

    // Prepares the window, shows it under the anchor (screen coordinates) inside the work area
    // of the anchor's screen, tells the area observer and runs OnPopupShown. A window that
    // cannot be prepared is not shown (false, logged). Call it on the popup itself: it stands
    // in front of the plain popup window's showing.
    bool ShowAtAnchor(const QRect& anchor);

protected:
    // Prepares the popup's window before each showing; false when it cannot.
    virtual bool CreatePopupWindow() = 0;
    // A mouse event outside the popup that does not close it.
    virtual void OnMouseMessageOutside(QEvent::Type type) = 0;
    virtual void ResetHotItem() = 0;
    virtual void OnPopupShown();
    // The mouse inside the popup.
    virtual void OnMouseMoveInside(const QPoint& point);
    virtual void OnButtonDownInside(Qt::MouseButton button, const QPoint& point);

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // After closing: the area observer hears it, then the hot item is cleared.
    void hideEvent(QHideEvent* event) override;

private:
    IPopupAreaObserver& m_areaObserver;
};
