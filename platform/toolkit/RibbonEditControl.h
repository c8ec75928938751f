#pragma once
// An edit box on the ribbon: its text, and whether it has the keyboard focus (update passes
// leave a text alone while the user types in it). Committing the text (Enter, leaving the
// box) runs the control, which sends the execute notification. A control given a custom painter
// is drawn by it instead of as a plain box; only its mouse track area then opens the typing.

#include "platform/toolkit/RibbonControl.h"

#include <QPoint>
#include <QRect>

#include <memory>
#include <optional>

class QPainter;

class RibbonEditControl : public RibbonControl
{
    Q_OBJECT

public:
    explicit RibbonEditControl(std::uint32_t id);

    const QString& GetEditText() const { return m_editText; }
    void SetEditText(const QString& text);
    bool HasFocus() const { return m_hasFocus; }
    void SetFocused(bool focused) { m_hasFocus = focused; }

    // The view's editor reports the text the user entered.
    void CommitText(const QString& text);

    class ICustomEditControlPainter
    {
    public:
        virtual ~ICustomEditControlPainter() = default;
        // Paints the control in the rectangle of its widget.
        virtual void Draw(QPainter& painter, RibbonEditControl& control, const QRect& rect) = 0;
    };

    void SetCustomPainter(std::shared_ptr<ICustomEditControlPainter> painter) { m_painter = std::move(painter); }
    const std::shared_ptr<ICustomEditControlPainter>& GetCustomPainter() const { return m_painter; }
    const QRect& GetMouseTrackArea() const { return m_trackArea; }
    void UpdateMouseTrackArea(const QRect& area) { m_trackArea = area; }
    // Where the mouse is over the control's widget; none while it is elsewhere.
    void SetMousePosition(std::optional<QPoint> position) { m_mouse = position; }
    bool MouseOverTrackArea() const { return m_mouse && m_trackArea.contains(*m_mouse); }

private:
    QString m_editText;
    bool m_hasFocus = false;
    std::shared_ptr<ICustomEditControlPainter> m_painter;
    QRect m_trackArea;
    std::optional<QPoint> m_mouse;
};
