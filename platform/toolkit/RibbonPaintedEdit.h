#pragma once
// The ribbon widget of an edit control that has a custom painter: the painter draws the whole
// control, and a click in its mouse track area opens a line edit there for typing; Enter or
// leaving it commits the text to the control, Escape drops it.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class RibbonEditControl;

class RibbonPaintedEdit : public QWidget
{
    Q_OBJECT

public:
    RibbonPaintedEdit(RibbonEditControl& control, QWidget* parent);

    // The line edit while the user types; null otherwise.
    QLineEdit* GetTypingEdit() const { return m_typing; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartTyping();
    void StopTyping(bool commit);

    QPointer<RibbonEditControl> m_control;
    QPointer<QLineEdit> m_typing;
};
