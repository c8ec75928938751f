#pragma once
// The red frame of an invalid value in the alert definition dialog: drawn by the operand cells
// of the expression rows, and set on the name edit and the associated-argument combo box.

#include <QRect>

class QPainter;
class QWidget;

namespace ErrorFramePainter
{
void DrawErrorFrame(QPainter& painter, const QRect& rect);
// Marks a plain control valid or not; the frame comes from the dialog's style sheet.
void SetValid(QWidget& control, bool valid);
bool IsValid(const QWidget& control);
// The rule that draws the frame of the controls marked invalid.
const char* StyleSheet();
}
