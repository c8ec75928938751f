#include "platform/toolkit/DockingPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

DockingPane::DockingPane(int id, const QString& title, QWidget* parent) : QWidget(parent), m_id(id), m_title(title)
{
    setObjectName(QStringLiteral("DockingPane%1").arg(id));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_caption = new QWidget(this);
    m_caption->setAutoFillBackground(true);
    m_caption->setBackgroundRole(QPalette::Button);
    auto* captionLayout = new QHBoxLayout(m_caption);
    captionLayout->setContentsMargins(4, 1, 1, 1);
    m_captionText = new QLabel(title, m_caption);
    // A long title does not keep the pane wide.
    m_captionText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* hide = new QToolButton(m_caption);
    hide->setAutoRaise(true);
    hide->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    hide->setToolTip(QStringLiteral("Ukryj"));
    captionLayout->addWidget(m_captionText, 1);
    captionLayout->addWidget(hide);
    connect(hide, &QToolButton::clicked, this, [this] { emit CloseRequested(this); });
    m_layout->addWidget(m_caption);
    setMaximumSize(kMaxTrack, kMaxTrack);
}

void DockingPane::SetTitle(const QString& title)
{
    m_title = title;
    m_captionText->setText(title);
    emit TitleChanged(this);
}

void DockingPane::Attach(QWidget* content)
{
    if (content == m_content)
        return;
    delete m_content;
    m_content = content;
    if (content)
        m_layout->addWidget(content, 1);
}

void DockingPane::SetCaptionVisible(bool visible)
{
    m_caption->setVisible(visible);
}

bool DockingPane::IsCaptionVisible() const
{
    return !m_caption->isHidden();
}

void DockingPane::SetMinTrackSize(const QSize& size)
{
    setMinimumSize(size.expandedTo(QSize(0, 0)));
}

void DockingPane::SetMaxTrackSize(const QSize& size)
{
    setMaximumSize(size.boundedTo(QSize(kMaxTrack, kMaxTrack)).expandedTo(QSize(0, 0)));
}
