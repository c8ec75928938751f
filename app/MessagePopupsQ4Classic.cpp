#include "app/MessagePopupsQ4Classic.h"

void MessagePopupsQ4Classic::ShowMessagePopup(QWidget* anchor, const QPoint& point, const QString& caption,
                                              const QString& text)
{
    m_manager.ShowMessagePopup(anchor, point, caption, text);
}

void MessagePopupsQ4Classic::CloseAllPopups()
{
    m_manager.CloseAllPopups();
}
