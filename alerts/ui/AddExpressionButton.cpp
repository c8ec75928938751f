#include "alerts/ui/AddExpressionButton.h"

#include "platform/ui/Images.h"

AddExpressionButton::AddExpressionButton(QWidget* parent)
    : QToolButton(parent)
{
    setText(QStringLiteral("dodaj nowe wyrażenie"));
    setIcon(Images::Instance().Icon(kImageId));
    setIconSize(QSize(14, 14));
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("QToolButton { color: rgb(16, 64, 100); }"));
}
