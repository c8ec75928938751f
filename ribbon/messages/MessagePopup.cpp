#include "ribbon/messages/MessagePopup.h"

#include "platform/toolkit/PaintManager.h"
#include "platform/ui/Images.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScreen>

namespace
{
constexpr int kIndent = 10;
constexpr int kSlideDistance = 24;
constexpr qreal kShownOpacity = MessagePopup::kTransparency / 255.0;

// Toolkit colours of the popups' gradient: 41 at the top, halfway to 30 at the bottom.
constexpr int kGradientTopColor = 41;
constexpr int kGradientBottomColor = 30;

QColor Mix(const QColor& first, const QColor& second)
{
    return QColor((first.red() + second.red()) / 2, (first.green() + second.green()) / 2,
                  (first.blue() + second.blue()) / 2);
}
}

MessagePopup::MessagePopup(const QString& caption, const QString& text, QWidget* owner)
    : PopupWindow(owner, Behaviour::Passive)
    , m_textItem(new QLabel(this))
    , m_iconItem(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kSize);
    m_textItem->setGeometry(kTextItemRect);
    m_textItem->setTextFormat(Qt::RichText);
    m_textItem->setWordWrap(true);
    m_textItem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_textItem->setText(MakeRichText(caption, text));
    m_iconItem->setGeometry(kIconItemRect);
    m_iconItem->setPixmap(Images::Instance().Icon(kIconId).pixmap(kIconItemRect.size()));
    connect(&PaintManager::Instance(), &PaintManager::changed, this, qOverload<>(&QWidget::update));
}

QString MessagePopup::MakeRichText(const QString& caption, const QString& text)
{
    QString body = text.toHtmlEscaped();
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<b>%1</b><div style=\"margin-left:%2px; white-space:pre-wrap\">%3</div>")
        .arg(caption.toHtmlEscaped())
        .arg(kIndent)
        .arg(body);
}

QString MessagePopup::GetRichText() const
{
    return m_textItem->text();
}

void MessagePopup::ShowAt(const QPoint& bottomRight)
{
    m_anchor = bottomRight;
    QRect target(bottomRight - QPoint(kSize.width() - 1, kSize.height() - 1), kSize);
    const QScreen* screen = QGuiApplication::screenAt(bottomRight);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen != nullptr)
    {
        const QRect area = screen->availableGeometry();
        target.moveRight(std::min(target.right(), area.right()));
        target.moveBottom(std::min(target.bottom(), area.bottom()));
        target.moveLeft(std::max(target.left(), area.left()));
        target.moveTop(std::max(target.top(), area.top()));
    }
    m_target = target;
    setWindowOpacity(0);
    move(target.topLeft() + QPoint(0, kSlideDistance));
    show();

    auto* slide = new QPropertyAnimation(this, "pos");
    slide->setDuration(kAnimationDelayMs);
    slide->setEndValue(target.topLeft());
    auto* fade = new QPropertyAnimation(this, "windowOpacity");
    fade->setDuration(kAnimationDelayMs);
    fade->setEndValue(kShownOpacity);
    auto* group = new QParallelAnimationGroup(this);
    group->addAnimation(slide);
    group->addAnimation(fade);
    m_animation = group;
    group->start(QAbstractAnimation::DeleteWhenStopped);
    SetTimer(kShowTimerId, kShowDelayMs);
}

void MessagePopup::paintEvent(QPaintEvent*)
{
    const PaintManager& look = PaintManager::Instance();
    const QColor top = look.GetXtremeColor(kGradientTopColor);
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, Mix(look.GetXtremeColor(kGradientBottomColor), top));
    painter.fillRect(rect(), gradient);
    painter.setPen(look.GetRibbonPalette().border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MessagePopup::mousePressEvent(QMouseEvent*)
{
    close();
}

void MessagePopup::OnTimer(std::uint32_t id)
{
    if (id != kShowTimerId)
        return;
    KillTimer(kShowTimerId);
    FadeOut();
}

void MessagePopup::FadeOut()
{
    if (m_animation)
        m_animation->stop();
    auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
    fade->setDuration(kAnimationDelayMs);
    fade->setEndValue(0.0);
    connect(fade, &QAbstractAnimation::finished, this, &QWidget::close);
    m_animation = fade;
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}
