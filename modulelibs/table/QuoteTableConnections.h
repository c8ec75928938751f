#pragma once
// The module windows connected to one quote table: each follows the instrument selected in the
// table. A window is told only when the selection moves to another instrument, and once on
// connecting. Windows are held guarded, so a closed one simply drops out. Main thread only.

#include "platform/modules/Asset.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QuoteTableConnections
{
public:
    // False when the window is null or already connected. A connected window is told the
    // selected instrument (when there is one) at once.
    bool Connect(QWidget* window, const Asset& selected);
    // False when the window was not connected.
    bool Disconnect(const QWidget* window);
    bool IsConnected(const QWidget* window) const;
    std::vector<QWidget*> Windows() const;

    // The table's selection is now on the instrument (empty: on none).
    void Follow(const Asset& selected);

private:
    static void Tell(QWidget* window, const Asset& asset);
    void DropClosed();

    std::vector<QPointer<QWidget>> m_windows;
    Asset m_told;
};
