#include "styles/engine/StyleFormation.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& FormationParameters()
{
    static const StyleParameterTable parameters = {
        {StyleFormation::ParamBaseLinePen, QStringLiteral("BaseLinePen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(0, 0, 255))},
        {StyleFormation::ParamExtensionPen, QStringLiteral("ExtensionPen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleDash, 1, Rgb(0, 0, 255))},
        {StyleFormation::ParamFont, QStringLiteral("Font"), StyleParameterKind::Font, 0, StyleDefaults::Font(-11)},
        {StyleFormation::ParamTextColor, QStringLiteral("TextColor"), StyleParameterKind::Colour, Rgb(0, 0, 0)},
        {StyleFormation::ParamLabelBkColor, QStringLiteral("LabelBkColor"), StyleParameterKind::Colour,
         Rgb(255, 255, 225)},
        {StyleFormation::ParamLabelTextColor, QStringLiteral("LabelTextColor"), StyleParameterKind::Colour,
         Rgb(0, 0, 0)},
        {StyleFormation::ParamLabelFrameColor, QStringLiteral("LabelFrameColor"), StyleParameterKind::Colour,
         Rgb(128, 128, 128)},
        {StyleFormation::ParamConnectorColor, QStringLiteral("ConnectorColor"), StyleParameterKind::Colour,
         Rgb(128, 128, 128)},
        {StyleFormation::ParamFillColor, QStringLiteral("FillColor"), StyleParameterKind::Colour, Rgb(200, 220, 255)},
    };
    return parameters;
}

const StyleRelationTable kNoRelations;
}

StyleFormation::StyleFormation()
    : ParameterTableStyle(FormationParameters(), kNoRelations)
{
}

std::shared_ptr<StyleFormation> StyleFormation::CreateInstance()
{
    return std::make_shared<StyleFormation>();
}

void StyleFormation::PaintPreview(QPainter& painter) const
{
    const QSize size = PreviewSourceSize();
    const QPoint start(size.width() / 10, size.height() * 8 / 10);
    const QPoint end(size.width() / 2, size.height() * 4 / 10);
    const QPoint extended(size.width() * 9 / 10, 0);
    painter.setBrush(StylePreviewPainter::Colour(GetValue(ParamFillColor), Qt::white));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({start, end, QPoint(end.x(), start.y())}));
    painter.setPen(StylePreviewPainter::Pen(GetGdiObject(ParamExtensionPen)));
    painter.drawLine(end, extended);
    painter.setPen(StylePreviewPainter::Pen(GetGdiObject(ParamBaseLinePen)));
    painter.drawLine(start, end);

    painter.setFont(StylePreviewPainter::Font(GetGdiObject(ParamFont)));
    const QString labelText = QStringLiteral("125,40");
    QRect label = QFontMetrics(painter.font()).boundingRect(labelText).adjusted(-3, -2, 3, 2);
    label.moveTopLeft(QPoint(size.width() * 6 / 10, size.height() * 6 / 10));
    painter.setPen(StylePreviewPainter::Colour(GetValue(ParamConnectorColor)));
    painter.drawLine(end, label.topLeft());
    painter.fillRect(label, StylePreviewPainter::Colour(GetValue(ParamLabelBkColor), Qt::white));
    painter.setPen(StylePreviewPainter::Colour(GetValue(ParamLabelFrameColor)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(label);
    painter.setPen(StylePreviewPainter::Colour(GetValue(ParamLabelTextColor)));
    painter.drawText(label, Qt::AlignCenter, labelText);
    painter.setPen(StylePreviewPainter::Colour(GetValue(ParamTextColor)));
    painter.drawText(QPoint(start.x(), size.height() - 2), QStringLiteral("Trend"));
}
