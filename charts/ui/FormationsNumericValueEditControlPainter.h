#pragma once
// Draws the numeric edits of the formation tabs: the value as link text in a box of fixed width,
// then the caption; only the value reacts to the mouse, and clicking it opens the typing.

#include "platform/toolkit/RibbonEditControl.h"

class FormationsNumericValueEditControlPainter : public RibbonEditControl::ICustomEditControlPainter
{
public:
    explicit FormationsNumericValueEditControlPainter(int valueWidth = 20);

    void Draw(QPainter& painter, RibbonEditControl& control, const QRect& rect) override;

    QRect ValueRect(const QRect& rect) const;
    QRect CaptionRect(const QRect& rect) const;
    // The control's text, or "-" when it has none.
    static QString ValueText(const RibbonEditControl& control);
    // Hover shows only on an enabled control with the mouse over its value.
    static bool Hovered(const RibbonEditControl& control);

private:
    int m_valueWidth;
};
