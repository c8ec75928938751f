#pragma once
// The Qt widgets that let the user type into a ribbon edit or choose in a ribbon combo box,
// bound to their model controls: the user's text or choice goes to the control (which runs
// it), and Sync brings the control's state back into the widget, except while it has focus.

#include <QWidget>

class RibbonControl;

namespace RibbonControlEditors
{
// A QLineEdit for an edit control (a RibbonPaintedEdit for one with a custom painter), a
// QComboBox for a combo box; null for any other control.
QWidget* Create(RibbonControl& control, QWidget* parent);
void Sync(QWidget& editor, const RibbonControl& control);
}
