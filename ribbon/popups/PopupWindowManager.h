#pragma once
// Shows a popup dialog under a ribbon control for a derived manager: the manager makes the
// dialog on first use, fills it before every showing, and the popup window that hosts it
// opens under the control's rectangle inside the work area, closing as every grabbing popup
// does. The host paints the background the manager gives it.

#include <QPointer>
#include <QRect>
#include <QWidget>

class PopupWindow;
class QPainter;

class PopupWindowManager
{
public:
    explicit PopupWindowManager(QWidget* parent = nullptr);
    virtual ~PopupWindowManager();

    PopupWindowManager(const PopupWindowManager&) = delete;
    PopupWindowManager& operator=(const PopupWindowManager&) = delete;

    // Shows the popup under the anchor (screen coordinates); false when the dialog could not
    // be made.
    bool ShowAtAnchor(const QRect& anchor);
    void ClosePopup();
    bool IsPopupShown() const;

    // The window given at construction.
    virtual QWidget* GetParentWnd() const;
    // Whether the point (screen coordinates) lies on the shown popup.
    virtual bool OnMouseHitTest(const QPoint& point) const;
    // Paints the host's background; false leaves the host's own.
    virtual bool DrawBackground(QPainter& painter, const QRect& rect);

    // The host window; null before the first showing.
    PopupWindow* GetPopupWindow() const;

protected:
    // Makes the dialog inside the host (its parent); null when it cannot.
    virtual QWidget* CreatePopupWindow(QWidget* host) = 0;
    // Fills the dialog's controls before it shows.
    virtual void UpdatePopupWindow() = 0;
    // The popup has just shown.
    virtual void OnWindowPoped();

    QWidget* GetDialog() const { return m_dialog; }

private:
    class Host;

    QPointer<QWidget> m_parent;
    // The parent window, when there is one, may delete the host before the manager goes.
    QPointer<Host> m_host;
    QPointer<QWidget> m_dialog;
};
