#pragma once
// A message popup: the caption in bold above the indented text, with the information icon,
// on the popup gradient of the current look. It slides in and fades to partly transparent,
// stays for the show delay (a window timer, so it can be fired at once), fades out and closes;
// a click closes it at once. Closing deletes it. Caption and text are shown as written: no
// markup in them is interpreted, and every line feed of the text starts a new line.

#include "platform/ui/PopupWindow.h"

#include <QPointer>
#include <QRect>

class QAbstractAnimation;
class QLabel;

class MessagePopup : public PopupWindow
{
    Q_OBJECT

public:
    static constexpr std::uint32_t kIconId = 703;
    static constexpr std::uint32_t kShowTimerId = 1;
    // Opacity out of 255 once shown, the time of each animation, and the time shown.
    static constexpr int kTransparency = 200;
    static constexpr int kAnimationDelayMs = 500;
    static constexpr int kShowDelayMs = 5000;
    // (8, 12) to (300, 100) and a 16-pixel icon from 10 to 26, right of the text.
    static constexpr QRect kTextItemRect{8, 12, 292, 88};
    static constexpr QRect kIconItemRect{308, 10, 16, 16};
    static constexpr QSize kSize{332, 110};

    MessagePopup(const QString& caption, const QString& text, QWidget* owner = nullptr);

    // "<b>caption</b>" over the indented text, both escaped, line feeds as line breaks.
    static QString MakeRichText(const QString& caption, const QString& text);
    QString GetRichText() const;

    // Shows the popup with its bottom-right corner at the point (screen coordinates), inside
    // the work area of the point's screen (the primary one for a point off every screen), and
    // starts the show delay.
    void ShowAt(const QPoint& bottomRight);
    // The point the popup was shown at, and where it stands once it has slid in.
    const QPoint& GetAnchor() const { return m_anchor; }
    const QRect& GetTargetRect() const { return m_target; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void OnTimer(std::uint32_t id) override;

private:
    void FadeOut();

    QLabel* m_textItem;
    QLabel* m_iconItem;
    QPoint m_anchor;
    QRect m_target;
    QPointer<QAbstractAnimation> m_animation;
};
