#pragma once
// Shows the application's informational messages as popups and keeps the open ones. A popup
// leaves the list as soon as it closes (by its timer, a click or CloseAllPopups). Popups shown
// at the same place while others are open there stack upwards, so none hides another. The
// application mediator owns one manager; main thread only.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <vector>

class MessagePopup;
class QWidget;

class MessagePopupManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kStackGap = 4;

    MessagePopupManager();
    // Closes the popups still open.
    ~MessagePopupManager() override;

    // A popup owned by the anchor window (none: a window of its own) with its bottom-right
    // corner at the anchor point (screen coordinates).
    void ShowMessagePopup(QWidget* anchorWindow, const QPoint& anchorPoint, const QString& caption, const QString& text);
    void CloseAllPopups();

    std::vector<MessagePopup*> GetOpenPopups() const;

private:
    std::vector<QPointer<MessagePopup>> m_popups;
};
