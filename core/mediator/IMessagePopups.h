#pragma once
// Shows message popups near a point of the screen and closes them; main thread only.

#include <QPoint>
#include <QString>

class QWidget;

class IMessagePopups
{
public:
    virtual ~IMessagePopups() = default;
    // anchor: the window the popup belongs to, or null; point: the popup's bottom-right corner
    // in screen coordinates. Caption and text are shown as plain text, line breaks kept.
    virtual void ShowMessagePopup(QWidget* anchor, const QPoint& point, const QString& caption, const QString& text) = 0;
    virtual void CloseAllPopups() = 0;
};
