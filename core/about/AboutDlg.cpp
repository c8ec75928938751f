#include "core/about/AboutDlg.h"

#include "core/about/AboutDlgData.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <utility>

AboutDlg::AboutDlg(std::shared_ptr<const AboutDlgData> data, const QString& version, QWidget* parent,
                   const QPixmap& image)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_data(std::move(data))
    , m_version(version)
    , m_image(image)
{
    setModal(false);
    setFixedSize(m_image.isNull() ? QSize(kDefaultWidth, kDefaultHeight) : m_image.size());
    setMask(QRegion(rect()));
}

QPixmap AboutDlg::LoadImage()
{
    return QPixmap(QString::fromLatin1(kImageResource));
}

QString AboutDlg::GetVersionText() const
{
    return QStringLiteral("Wersja: %1").arg(m_version);
}

QRect AboutDlg::GetVersionTextRect() const
{
    const QFont textFont = m_data ? m_data->GetFont() : font();
    QRect textRect = QFontMetrics(textFont).boundingRect(GetVersionText());
    textRect.moveTopLeft(m_data ? m_data->GetTextPosition() : QPoint());
    return textRect;
}

void AboutDlg::ShowAbout()
{
    if (!m_placed)
    {
        CentreOverParent();
        m_placed = true;
    }
    update();
    show();
    raise();
    activateWindow();
}

void AboutDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_image.isNull())
        painter.drawPixmap(0, 0, m_image);
    if (!m_data)
        return;
    painter.setFont(m_data->GetFont());
    painter.setPen(m_data->GetColor().ToQColor(Qt::black));
    painter.drawText(GetVersionTextRect(), Qt::AlignCenter, GetVersionText());
}

void AboutDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
    else
        QDialog::mousePressEvent(event);
}

void AboutDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
}

void AboutDlg::CentreOverParent()
{
    const QWidget* owner = parentWidget();
    if (owner == nullptr)
        return;
    const QRect ownerRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    const QPoint offset((ownerRect.width() - width()) / 2, (ownerRect.height() - height()) / 2);
    move(ownerRect.topLeft() + offset);
}
