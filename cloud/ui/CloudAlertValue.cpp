#include "cloud/ui/CloudAlertValue.h"

#include <QPalette>

const QString CloudAlertValue::kHint = QStringLiteral("wartość");

CloudAlertValue::CloudAlertValue(QWidget* parent)
    : QLineEdit(kHint, parent)
{
    setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textChanged, this, [this] { UpdateColour(); });
    UpdateColour();
}

void CloudAlertValue::SetValue(int precision, double value)
{
    setText(QString::asprintf("%.*f", precision < 0 ? 0 : precision, value));
}

void CloudAlertValue::focusInEvent(QFocusEvent* event)
{
    if (ShowsHint())
    {
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        clear();
    }
    QLineEdit::focusInEvent(event);
}

void CloudAlertValue::UpdateColour()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QPalette().color(ShowsHint() ? QPalette::PlaceholderText : QPalette::Text));
    setPalette(colours);
}
