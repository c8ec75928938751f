#include "ribbon/statusbar/NotifyStatusBarPane.h"

#include "platform/ui/Images.h"
#include "ribbon/RibbonLog.h"
#include "ribbon/statusbar/INotifySource.h"

#include <QPainter>
#include <QStyle>

NotifyStatusBarPane::NotifyStatusBarPane(std::uint32_t id, INotifySource* source, QWidget* parent)
    : StatusBarPane(id, parent)
    , m_source(source)
{
}

bool NotifyStatusBarPane::LoadImages()
{
    std::array<QPixmap, 3> images;
    for (std::size_t state = 0; state < images.size(); ++state)
    {
        images[state] = Images::Instance().Icon(kStateImageIds[state]).pixmap(kImageSize, kImageSize);
        if (images[state].isNull())
        {
            qCWarning(lcRibbon) << "NotifyStatusBarPane: no image" << kStateImageIds[state] << "for state" << state;
            return false;
        }
    }
    m_images = images;
    update();
    return true;
}

void NotifyStatusBarPane::SetSource(INotifySource* source)
{
    m_source = source;
    update();
}

QString NotifyStatusBarPane::GetSourceTooltip() const
{
    return m_source ? m_source->GetNotifyTooltip() : QString();
}

QPixmap NotifyStatusBarPane::GetStateImage() const
{
    if (m_source == nullptr)
        return {};
    const int state = m_source->GetNotifyState();
    if (state < 0 || state >= static_cast<int>(m_images.size()))
        return {};
    return m_images[static_cast<std::size_t>(state)];
}

void NotifyStatusBarPane::Draw(QPainter& painter, const QRect& rect) const
{
    StatusBarPane::Draw(painter, rect);
    const QPixmap image = GetStateImage();
    if (image.isNull())
        return;
    const QSize size = image.deviceIndependentSize().toSize();
    painter.drawPixmap(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, rect), image);
}
