#include "core/mediator/SimpleMessagePopups.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

SimpleMessagePopups::~SimpleMessagePopups()
{
    CloseAllPopups();
}

void SimpleMessagePopups::ShowMessagePopup(QWidget* anchor, const QPoint& point, const QString& caption, const QString& text)
{
    auto* popup = new QFrame(anchor, Qt::ToolTip | Qt::FramelessWindowHint);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setAttribute(Qt::WA_ShowWithoutActivating);
    popup->setFrameShape(QFrame::Box);
    auto* layout = new QVBoxLayout(popup);
    auto* captionLabel = new QLabel(caption, popup);
    captionLabel->setTextFormat(Qt::PlainText);
    QFont bold = captionLabel->font();
    bold.setBold(true);
    captionLabel->setFont(bold);
    auto* textLabel = new QLabel(text, popup);
    textLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(captionLabel);
    layout->addWidget(textLabel);
    popup->adjustSize();
    popup->move(point - QPoint(popup->width(), popup->height()));
    popup->show();
    QTimer::singleShot(kShownMs, popup, &QWidget::close);

    std::erase_if(m_popups, [](const QPointer<QWidget>& shown) { return shown.isNull(); });
    m_popups.emplace_back(popup);
}

void SimpleMessagePopups::CloseAllPopups()
{
    for (const QPointer<QWidget>& popup : m_popups)
        if (popup)
            popup->close();
    m_popups.clear();
}

int SimpleMessagePopups::OpenCount() const
{
    return static_cast<int>(std::count_if(m_popups.begin(), m_popups.end(),
                                          [](const QPointer<QWidget>& popup) { return popup && popup->isVisible(); }));
}
