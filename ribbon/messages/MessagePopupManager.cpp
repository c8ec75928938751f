#include "ribbon/messages/MessagePopupManager.h"

#include "ribbon/messages/MessagePopup.h"

#include <algorithm>

MessagePopupManager::MessagePopupManager() = default;

MessagePopupManager::~MessagePopupManager()
{
    CloseAllPopups();
}

void MessagePopupManager::ShowMessagePopup(QWidget* anchorWindow, const QPoint& anchorPoint, const QString& caption,
                                           const QString& text)
{
    int bottom = anchorPoint.y();
    for (const MessagePopup* open : GetOpenPopups())
    {
        if (open->GetAnchor().x() == anchorPoint.x())
            bottom = std::min(bottom, open->GetTargetRect().top() - kStackGap);
    }
    auto* popup = new MessagePopup(caption, text, anchorWindow);
    connect(popup, &MessagePopup::popupClosed, this, [this, popup] {
        std::erase_if(m_popups, [popup](const QPointer<MessagePopup>& known) { return known == popup || !known; });
    });
    m_popups.emplace_back(popup);
    popup->ShowAt(QPoint(anchorPoint.x(), bottom));
}

void MessagePopupManager::CloseAllPopups()
{
    std::vector<QPointer<MessagePopup>> popups;
    popups.swap(m_popups);
    for (const QPointer<MessagePopup>& popup : popups)
    {
        if (popup)
            popup->close();
    }
}

std::vector<MessagePopup*> MessagePopupManager::GetOpenPopups() const
{
    std::vector<MessagePopup*> popups;
    for (const QPointer<MessagePopup>& popup : m_popups)
    {
        if (popup)
            popups.push_back(popup);
    }
    return popups;
}
