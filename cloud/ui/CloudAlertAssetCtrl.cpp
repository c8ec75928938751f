#include "cloud/ui/CloudAlertAssetCtrl.h"

#include "platform/modules/Asset.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QValidator>

const QString CloudAlertAssetCtrl::kHint = QStringLiteral("tu przeciągnij lub wpisz nazwę instrumentu");
const QString CloudAlertAssetCtrl::kAssetDragFormat = QStringLiteral("application/x-quorvanta-dataseries-asset");

namespace
{
class OwnerValidator : public QValidator
{
public:
    explicit OwnerValidator(CloudAlertAssetCtrl& field)
        : QValidator(&field)
        , m_field(field)
    {
    }

    State validate(QString& input, int&) const override { return m_field.Accepts(input) ? Acceptable : Invalid; }

private:
    CloudAlertAssetCtrl& m_field;
};
}

CloudAlertAssetCtrl::CloudAlertAssetCtrl(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new OwnerValidator(*this));
    setAcceptDrops(true);
    connect(this, &QLineEdit::returnPressed, this, [this] { TakeInstrumentText(); });
}

void CloudAlertAssetCtrl::SetInstrumentText(const QString& text)
{
    m_instrumentText = text;
    update();
}

void CloudAlertAssetCtrl::SetInstrument(const Asset& asset)
{
    SetTyped();
    SetInstrumentText(asset.GetLongName() + QLatin1Char('\n') + asset.GetMarket());
    // The field holds the name alone, so that the name's ISIN is found again.
    setText(asset.GetLongName());
}

void CloudAlertAssetCtrl::ResetTyped()
{
    m_typed = false;
    update();
}

void CloudAlertAssetCtrl::TakeInstrumentText()
{
    if (!m_instrumentText.isEmpty())
        setText(m_instrumentText.section(QLatin1Char('\n'), 0, 0));
}

void CloudAlertAssetCtrl::keyPressEvent(QKeyEvent* event)
{
    if (m_keyHandler && m_keyHandler(event->key()))
        return;
    if (!event->text().isEmpty())
        SetTyped();
    QLineEdit::keyPressEvent(event);
}

void CloudAlertAssetCtrl::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    SetTyped();
}

void CloudAlertAssetCtrl::focusOutEvent(QFocusEvent* event)
{
    TakeInstrumentText();
    QLineEdit::focusOutEvent(event);
}

void CloudAlertAssetCtrl::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    if (!m_typed && text().isEmpty())
    {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, kHint);
        return;
    }
    if (!m_instrumentText.isEmpty())
    {
        const QString shown = QString(m_instrumentText).replace(QLatin1Char('\n'), QStringLiteral("  "));
        painter.drawText(rect().adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
}

void CloudAlertAssetCtrl::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kAssetDragFormat))
        event->acceptProposedAction();
    else
        QLineEdit::dragEnterEvent(event);
}

void CloudAlertAssetCtrl::dropEvent(QDropEvent* event)
{
    // Anything but an instrument is still taken.
    event->acceptProposedAction();
    DropData(*event->mimeData());
}

void CloudAlertAssetCtrl::DropData(const QMimeData& data)
{
    if (data.hasFormat(kAssetDragFormat) && m_dropHandler)
        m_dropHandler(QString::fromUtf8(data.data(kAssetDragFormat)).section(QLatin1Char('\n'), -1));
}

void CloudAlertAssetCtrl::SetTyped()
{
    if (m_typed)
        return;
    m_typed = true;
    update();
}
