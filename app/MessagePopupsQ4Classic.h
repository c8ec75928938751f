#pragma once
// The application mediator's message popups in the program's own look: the ribbon's popup
// manager, with its animation, its icon and its stacking of popups shown at one place.
// Main thread only.

#include "core/mediator/IMessagePopups.h"
#include "ribbon/messages/MessagePopupManager.h"

class MessagePopupsQ4Classic : public IMessagePopups
{
public:
    void ShowMessagePopup(QWidget* anchor, const QPoint& point, const QString& caption, const QString& text) override;
    void CloseAllPopups() override;

    const MessagePopupManager& GetManager() const { return m_manager; }

private:
    MessagePopupManager m_manager;
};
