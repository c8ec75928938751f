#pragma once
// Plain message popups: a small frameless window with the caption in bold above the text, its
// bottom-right corner at the point, closed after a while or when all are closed. The program's
// themed popups replace them.

#include "core/mediator/IMessagePopups.h"

#include <QPointer>

#include <vector>

class SimpleMessagePopups : public IMessagePopups
{
public:
    static constexpr int kShownMs = 8000;

    ~SimpleMessagePopups() override;

    void ShowMessagePopup(QWidget* anchor, const QPoint& point, const QString& caption, const QString& text) override;
    void CloseAllPopups() override;

    // The popups still open.
    int OpenCount() const;

private:
    std::vector<QPointer<QWidget>> m_popups;
};
