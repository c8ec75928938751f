#pragma once
// The small window that slides up beside the taskbar when an alert fires, with the instrument,
// the value and the alert's name; for cloud alert events and local alerts alike. A request may
// come from any thread: it waits in one slot (a newer request replaces one not shown yet) and
// the window is made on the main thread when the main frame receives the registered message
// "CloudAlertNotificationPopup_showLatestAlertNotification". The popup closes when clicked, when
// its display time passes without the mouse over it, or by CloseAll; it then deletes itself.

#include "cloud/ui/CloudAlertPopupData.h"
#include "platform/ui/Wnd.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <set>

class CloudAlertNotificationPopup : public QWidget, public Wnd
{
public:
    static constexpr int kWidth = 131;
    static constexpr int kHeight = 192;
    static constexpr int kDrawingHeight = 182;
    static constexpr int kSlidePeriodMs = 260;
    static constexpr int kSlideSteps = 10;
    static constexpr int kEdgeGap = 20;
    // Buy popups stand one popup width and this gap left of sell popups.
    static constexpr int kBuyGap = 16;
    static constexpr std::uint32_t kDisplayTimer = 0;
    static constexpr std::uint32_t kSlideTimer = 1;
    static const QString kShowLatestMessageName;

    // The registered message of the main frame that shows the latest request.
    static unsigned ShowLatestMessage();
    // Any thread: parks the request and tells the main frame. isBuy 1 buy, 0 sell.
    static void ShowNotification(const QString& name, const QString& instrument, const QString& value, int isBuy,
                                 bool isCloud);
    // Main thread: the popup of the parked request, shown; null when none waits.
    static CloudAlertNotificationPopup* ShowLatestNotification();
    // Main thread: closes every open popup.
    static void CloseAll();
    static std::size_t OpenCount();

    // The corner of the work area next to the taskbar; the primary work area's bottom right
    // when the taskbar's place is unknown. Right and bottom are exclusive.
    static QPoint AnchorPoint(const std::optional<QRect>& taskbar, const QRect& workArea);
    // The taskbar as the edge by which the work area falls short of the screen; none when the
    // work area is the whole screen.
    static std::optional<QRect> TaskbarRect(const QRect& screen, const QRect& workArea);

    CloudAlertNotificationPopup(std::shared_ptr<CloudAlertPopupData> data, int displayTimeMs);
    ~CloudAlertNotificationPopup() override;

    // Slides the popup up from below the anchor, then keeps it for the display time.
    void Start(const QPoint& anchor);
    const CloudAlertPopupData& Data() const { return *m_data; }
    int DisplayTimeMs() const { return m_displayTimeMs; }
    int StepsLeft() const { return m_stepsLeft; }
    // Whether the mouse is over the popup; tests give their own.
    void SetUnderMouseCheck(std::function<bool()> check) { m_underMouse = std::move(check); }
    // The colour of a side's arrow: green for a buy signal (1), red for a sell signal.
    static QColor SideColour(int isBuy);
    // Where the side's arrow stands.
    static QRect SideArrowRect() { return QRect(13, 13, 28, 32); }
    static constexpr std::uint32_t kCloseIcon = 1459;

protected:
    void OnTimer(std::uint32_t id) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SlideStep();
    void Close();

    const std::shared_ptr<CloudAlertPopupData> m_data;
    const int m_displayTimeMs;
    QRect m_screenRect;
    int m_stepsLeft = kSlideSteps;
    std::function<bool()> m_underMouse;
    bool m_closing = false;
};
