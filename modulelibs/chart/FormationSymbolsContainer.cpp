#include "modulelibs/chart/FormationSymbolsContainer.h"

#include <QPainter>
#include <QPolygonF>

#include <functional>

namespace
{

constexpr int kSize = 16;

QImage Draw(const QColor& colour, const std::function<void(QPainter&)>& shape)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(140), 1.0));
    painter.setBrush(colour);
    shape(painter);
    return image;
}

}

FormationSymbolsContainer::FormationSymbolsContainer()
{
    m_symbols[ArrowUp] = Draw(QColor(0x20, 0xA0, 0x40), [](QPainter& painter) {
        painter.drawPolygon(QPolygonF({{8, 1}, {15, 9}, {11, 9}, {11, 15}, {5, 15}, {5, 9}, {1, 9}}));
    });
    m_symbols[ArrowDown] = Draw(QColor(0xD0, 0x30, 0x30), [](QPainter& painter) {
        painter.drawPolygon(QPolygonF({{8, 15}, {15, 7}, {11, 7}, {11, 1}, {5, 1}, {5, 7}, {1, 7}}));
    });
    m_symbols[Circle] = Draw(QColor(0x20, 0x60, 0xC0), [](QPainter& painter) { painter.drawEllipse(QRectF(2, 2, 12, 12)); });
    m_symbols[Cross] = Draw(QColor(0x40, 0x40, 0x40), [](QPainter& painter) {
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 3.0));
        painter.drawLine(QPointF(3, 3), QPointF(13, 13));
        painter.drawLine(QPointF(13, 3), QPointF(3, 13));
    });
}

QImage FormationSymbolsContainer::Image(int symbolId) const
{
    const auto found = m_symbols.find(symbolId);
    return found == m_symbols.end() ? QImage() : found->second;
}

FormationSymbolsContainer& GetFormationSymbolsContainerInstance()
{
    static FormationSymbolsContainer container;
    return container;
}
