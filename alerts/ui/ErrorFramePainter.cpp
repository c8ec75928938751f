#include "alerts/ui/ErrorFramePainter.h"

#include <QPainter>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace
{
const char* const kInvalidProperty = "invalid";
}

namespace ErrorFramePainter
{
void DrawErrorFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.restore();
}

void SetValid(QWidget& control, bool valid)
{
    if (IsValid(control) == valid)
        return;
    control.setProperty(kInvalidProperty, !valid);
    control.style()->unpolish(&control);
    control.style()->polish(&control);
    control.update();
}

bool IsValid(const QWidget& control)
{
    return !control.property(kInvalidProperty).toBool();
}

const char* StyleSheet()
{
    return "QLineEdit[invalid=\"true\"], QComboBox[invalid=\"true\"] { border: 2px solid rgb(220, 0, 0); }";
}
}
