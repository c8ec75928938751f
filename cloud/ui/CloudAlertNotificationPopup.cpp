#include "cloud/ui/CloudAlertNotificationPopup.h"

#include "alerts/engine/AlertModule.h"
#include "core/mediator/AppMediator.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/ui/Images.h"
#include "platform/ui/RegisteredMessages.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScreen>

namespace
{
constexpr const char* kFile = "CloudAlertNotificationPopup.cpp";
constexpr int kCloseLeft = 105;
constexpr int kCloseTop = 11;
constexpr int kCloseSize = 14;
constexpr int kSeparatorFromBottom = 57;
constexpr int kSeparatorInset = 10;
constexpr double kLineSpacing = 1.33;

SafeCriticalSection& PendingLock()
{
    static SafeCriticalSection lock(QStringLiteral("CloudAlertNotificationPopup::latestNotificationLock"));
    return lock;
}

std::shared_ptr<CloudAlertPopupData>& Pending()
{
    static std::shared_ptr<CloudAlertPopupData> pending;
    return pending;
}

// Main thread only.
std::set<CloudAlertNotificationPopup*>& OpenPopups()
{
    static std::set<CloudAlertNotificationPopup*> popups;
    return popups;
}

QFont PopupFont(CloudAlertPopupData::Font font, int pixelSize)
{
    QFont result(QStringLiteral("Arial"));
    result.setStyleHint(QFont::SansSerif);
    if (font == CloudAlertPopupData::Font::Title)
    {
        result.setPixelSize(pixelSize > 0 ? pixelSize : CloudAlertPopupData::kTitlePixelSize);
        result.setWeight(QFont::Bold);
    }
    else
    {
        result.setPixelSize(pixelSize > 0 ? pixelSize : 14);
        result.setWeight(QFont::DemiBold);
    }
    return result;
}

QSize MeasureText(const QString& text, CloudAlertPopupData::Font font, int pixelSize)
{
    const QFontMetrics metrics(PopupFont(font, pixelSize));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

// An arrow in the side's colour: up and green for a buy signal, down and red for a sell signal.
void PaintSideArrow(QPainter& painter, const QRect& box, bool buy)
{
    const qreal left = box.left();
    const qreal right = box.left() + box.width();
    const qreal top = box.top();
    const qreal bottom = box.top() + box.height();
    const qreal middle = left + box.width() / 2.0;
    const qreal shaftHalf = box.width() / 6.0;
    const qreal headDepth = box.height() * 0.5;
    QPolygonF arrow;
    if (buy)
        arrow << QPointF(middle, top) << QPointF(right, top + headDepth) << QPointF(middle + shaftHalf, top + headDepth)
              << QPointF(middle + shaftHalf, bottom) << QPointF(middle - shaftHalf, bottom)
              << QPointF(middle - shaftHalf, top + headDepth) << QPointF(left, top + headDepth);
    else
        arrow << QPointF(middle, bottom) << QPointF(right, bottom - headDepth)
              << QPointF(middle + shaftHalf, bottom - headDepth) << QPointF(middle + shaftHalf, top)
              << QPointF(middle - shaftHalf, top) << QPointF(middle - shaftHalf, bottom - headDepth)
              << QPointF(left, bottom - headDepth);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(CloudAlertNotificationPopup::SideColour(buy ? 1 : 0));
    painter.drawPolygon(arrow);
    painter.restore();
}

int SettingsDisplayTimeMs()
{
    AlertModule* alerts = AlertModule::Instance();
    return alerts ? static_cast<int>(alerts->Mediator().GetNotificationSettings().windowTime) * 1000 : 0;
}

QPoint CurrentAnchor()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint(0, 0);
    const QRect work = screen->availableGeometry();
    return CloudAlertNotificationPopup::AnchorPoint(CloudAlertNotificationPopup::TaskbarRect(screen->geometry(), work),
                                                    work);
}

void DrawText(QPainter& painter, const CloudAlertPopupData::TextData& text, CloudAlertPopupData::Font font)
{
    painter.setFont(PopupFont(font, text.pixelSize));
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    if (text.lines.empty())
    {
        painter.drawText(text.rect, flags, painter.fontMetrics().elidedText(text.text, Qt::ElideRight, text.rect.width()));
        return;
    }
    int top = text.rect.top();
    for (const auto& line : text.lines)
    {
        const int height = static_cast<int>(kLineSpacing * line->height);
        const QRect rect(text.rect.left(), top, text.rect.width(), height);
        painter.drawText(rect, flags, painter.fontMetrics().elidedText(line->text, Qt::ElideRight, rect.width()));
        top += height;
    }
}
}

const QString CloudAlertNotificationPopup::kShowLatestMessageName =
    QStringLiteral("CloudAlertNotificationPopup_showLatestAlertNotification");

unsigned CloudAlertNotificationPopup::ShowLatestMessage()
{
    static const unsigned message = RegisteredMessages::Register(kShowLatestMessageName);
    return message;
}

void CloudAlertNotificationPopup::ShowNotification(const QString& name, const QString& instrument,
                                                   const QString& value, int isBuy, bool isCloud)
{
    {
        const SafeAutoLock lock(PendingLock(), "CloudAlertNotificationPopup::ShowNotification", kFile);
        Pending() = std::make_shared<CloudAlertPopupData>(isCloud, name, value, instrument, isBuy);
    }
    // Without a main frame the request waits for the next one that reaches it.
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->PostMessageToPulpitFrame(ShowLatestMessage(), 0, 0);
}

CloudAlertNotificationPopup* CloudAlertNotificationPopup::ShowLatestNotification()
{
    std::shared_ptr<CloudAlertPopupData> data;
    {
        const SafeAutoLock lock(PendingLock(), "CloudAlertNotificationPopup::ShowLatestNotification", kFile);
        data = std::move(Pending());
        Pending().reset();
    }
    if (!data)
        return nullptr;
    auto* popup = new CloudAlertNotificationPopup(std::move(data), SettingsDisplayTimeMs());
    popup->Start(CurrentAnchor());
    return popup;
}

void CloudAlertNotificationPopup::CloseAll()
{
    while (!OpenPopups().empty())
        (*OpenPopups().begin())->Close();
}

std::size_t CloudAlertNotificationPopup::OpenCount()
{
    return OpenPopups().size();
}

QPoint CloudAlertNotificationPopup::AnchorPoint(const std::optional<QRect>& taskbar, const QRect& workArea)
{
    const int workRight = workArea.x() + workArea.width();
    const int workBottom = workArea.y() + workArea.height();
    if (taskbar)
    {
        const int barRight = taskbar->x() + taskbar->width();
        const int barBottom = taskbar->y() + taskbar->height();
        const QPoint centre((workArea.x() + workRight) / 2, (workArea.y() + workBottom) / 2);
        if (taskbar->y() > centre.y())
            return QPoint(workRight, workBottom);
        if (barRight < centre.x())
            return QPoint(workArea.x() + kWidth, workBottom);
        if (barBottom < centre.y())
            return QPoint(workRight, workArea.y() + kHeight);
        if (taskbar->x() > centre.x())
            return QPoint(workRight, workBottom);
    }
    return QPoint(workRight, workBottom);
}

std::optional<QRect> CloudAlertNotificationPopup::TaskbarRect(const QRect& screen, const QRect& workArea)
{
    if (workArea.bottom() < screen.bottom())
        return QRect(QPoint(screen.left(), workArea.bottom() + 1), screen.bottomRight());
    if (workArea.left() > screen.left())
        return QRect(screen.topLeft(), QPoint(workArea.left() - 1, screen.bottom()));
    if (workArea.top() > screen.top())
        return QRect(screen.topLeft(), QPoint(screen.right(), workArea.top() - 1));
    if (workArea.right() < screen.right())
        return QRect(QPoint(workArea.right() + 1, screen.top()), screen.bottomRight());
    return std::nullopt;
}

CloudAlertNotificationPopup::CloudAlertNotificationPopup(std::shared_ptr<CloudAlertPopupData> data, int displayTimeMs)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , Wnd(this)
    , m_data(std::move(data))
    , m_displayTimeMs(displayTimeMs)
    , m_underMouse([this] { return rect().contains(mapFromGlobal(QCursor::pos())); })
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(200 / 255.0);
    setCursor(Qt::ArrowCursor);
    setFixedSize(kWidth, kHeight);
    m_data->Layout(kWidth, kDrawingHeight, &MeasureText);
    OpenPopups().insert(this);
}

CloudAlertNotificationPopup::~CloudAlertNotificationPopup()
{
    OpenPopups().erase(this);
}

QColor CloudAlertNotificationPopup::SideColour(int isBuy)
{
    return isBuy == 1 ? QColor(0x3C, 0xC8, 0x4B) : QColor(0xE8, 0x3A, 0x30);
}

void CloudAlertNotificationPopup::Start(const QPoint& anchor)
{
    m_screenRect = QRect(anchor.x() - kWidth, anchor.y(), kWidth, kHeight);
    m_stepsLeft = kSlideSteps;
    SlideStep();
}

void CloudAlertNotificationPopup::SlideStep()
{
    if (m_stepsLeft > 0)
    {
        SetTimer(kSlideTimer, kSlidePeriodMs / kSlideSteps);
        m_screenRect.translate(0, -(kHeight / kSlideSteps));
        --m_stepsLeft;
        const int x = m_data->isBuy == 1 ? m_screenRect.left() - kEdgeGap - kWidth - kBuyGap
                                         : m_screenRect.left() - kEdgeGap;
        move(x, m_screenRect.top());
        show();
        repaint();
        return;
    }
    // A display time of 0 keeps the popup until it is clicked.
    if (m_displayTimeMs != 0)
        SetTimer(kDisplayTimer, m_displayTimeMs);
}

void CloudAlertNotificationPopup::OnTimer(std::uint32_t id)
{
    KillTimer(id);
    if (id == kSlideTimer)
    {
        SlideStep();
        return;
    }
    if (id != kDisplayTimer)
        return;
    if (m_underMouse && m_underMouse())
        SetTimer(kDisplayTimer, m_displayTimeMs);
    else
        Close();
}

void CloudAlertNotificationPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Close();
}

void CloudAlertNotificationPopup::Close()
{
    if (m_closing)
        return;
    m_closing = true;
    OpenPopups().erase(this);
    KillTimer(kSlideTimer);
    KillTimer(kDisplayTimer);
    hide();
    deleteLater();
}

void CloudAlertNotificationPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRect area(0, 0, kWidth, kDrawingHeight);
    painter.fillRect(area, QColor(0x0B, 0x0B, 0x0B));
    painter.setPen(QColor(0xD2, 0xD2, 0xD2));
    painter.drawRect(0, 0, kWidth - 1, kDrawingHeight);
    if (m_data->isBuy == 1 || m_data->isBuy == 0)
    {
        painter.setPen(QColor(0xFA, 0xFA, 0xFA));
        const int x = m_data->isBuy == 1 ? 0 : kWidth - 1;
        painter.drawLine(x, 0, x, kDrawingHeight);
        PaintSideArrow(painter, SideArrowRect(), m_data->isBuy == 1);
    }
    Images::Instance().Icon(kCloseIcon).paint(&painter, QRect(kCloseLeft, kCloseTop, kCloseSize, kCloseSize));
    painter.setPen(QPen(QColor(0x4E, 0x4E, 0x4E), 2));
    const int separatorY = kDrawingHeight - kSeparatorFromBottom;
    painter.drawLine(kSeparatorInset, separatorY, kWidth - kSeparatorInset, separatorY);
    painter.setPen(QColor(0xFE, 0xFE, 0xFE));
    DrawText(painter, m_data->instrument, CloudAlertPopupData::Font::Title);
    DrawText(painter, m_data->value, CloudAlertPopupData::Font::Title);
    DrawText(painter, *m_data->name, CloudAlertPopupData::Font::Name);
}
