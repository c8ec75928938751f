#include "alerts/ui/AlertArgDescReportRecordItem.h"

#include "alerts/ui/ErrorFramePainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace
{
const QString kNameHint = QStringLiteral("tu przeciągnij warunek (pole lub wykres)");
const QString kValueHint = QStringLiteral("tu przeciągnij warunek lub wpisz wartość");
}

AlertArgDescReportRecordItem::AlertArgDescReportRecordItem(bool left, QWidget* parent)
    : QWidget(parent)
    , m_left(left)
{
    setToolTip(left ? QStringLiteral("W to miejsce przeciągnij z wykresu, tabeli, statystyki lub innego okna\n"
                                     "serię danych, która ma być stroną warunku")
                    : QStringLiteral("W tym miejscu wpisz wartość lub przeciągnij z wykresu, tabeli, statystyki lub "
                                     "innego okna\nserię danych, która ma być stroną warunku"));
    setMinimumHeight(fontMetrics().height() + 8);
    setCursor(left ? Qt::ArrowCursor : Qt::IBeamCursor);
    ShowHint();
}

void AlertArgDescReportRecordItem::ShowArgument(const QString& name, const QString& description)
{
    m_text = name;
    m_description = description;
    m_hint = false;
    update();
}

void AlertArgDescReportRecordItem::ShowConstant(const QString& text)
{
    m_text = text;
    m_description.clear();
    m_hint = false;
    update();
}

void AlertArgDescReportRecordItem::ShowHint()
{
    m_text = m_left ? kNameHint : kValueHint;
    m_description.clear();
    m_hint = true;
    update();
}

void AlertArgDescReportRecordItem::SetError(bool error)
{
    m_error = error;
    update();
}

void AlertArgDescReportRecordItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, palette().base());
    QRect textArea = area.adjusted(3, 3, -3, 0);
    if (!m_description.isEmpty())
    {
        QRect right = area;
        right.setLeft(area.center().x());
        const QColor mix = QColor::fromRgb((palette().highlight().color().red() + 255) / 2,
                                           (palette().highlight().color().green() + 255) / 2,
                                           (palette().highlight().color().blue() + 255) / 2);
        painter.fillRect(right, mix);
        painter.setPen(palette().text().color());
        painter.drawText(right.adjusted(3, 3, -3, 0), Qt::AlignCenter,
                         fontMetrics().elidedText(m_description, Qt::ElideRight, right.width() - 6));
        textArea.setRight(area.center().x() - 3);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
    }
    painter.setPen(m_hint || !isEnabled() ? palette().color(QPalette::Disabled, QPalette::Text) : palette().text().color());
    painter.drawText(textArea, Qt::AlignCenter, QFontMetrics(painter.font()).elidedText(m_text, Qt::ElideRight, textArea.width()));
    painter.setPen(palette().mid().color());
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    if (m_error)
        ErrorFramePainter::DrawErrorFrame(painter, area);
}

void AlertArgDescReportRecordItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}
