#include "styles/engine/StyleTransactionsMonitor.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"
#include "styles/engine/StyleTextField.h"

#include <QPainter>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& TransactionsMonitorParameters()
{
    static const StyleParameterTable parameters = {
        {StyleTransactionsMonitor::ParamGridPen, QStringLiteral("GridPen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(210, 210, 210))},
        {StyleTransactionsMonitor::ParamHorizontalGrid, QStringLiteral("HGridVisible"), StyleParameterKind::Flag, 1},
        {StyleTransactionsMonitor::ParamVerticalGrid, QStringLiteral("VGridVisible"), StyleParameterKind::Flag, 1},
        {StyleTransactionsMonitor::ParamColouring, QStringLiteral("ColorMode"), StyleParameterKind::Value,
         StyleTransactionsMonitor::ColourRows},
    };
    return parameters;
}

const StyleRelationTable& TransactionsMonitorRelations()
{
    static const StyleRelationTable relations = {
        {StyleTransactionsMonitor::RelationOdd, QStringLiteral("OddStyle"), StyleTextField::Type},
        {StyleTransactionsMonitor::RelationEven, QStringLiteral("EvenStyle"), StyleTextField::Type},
    };
    return relations;
}
}

StyleTransactionsMonitor::StyleTransactionsMonitor()
    : ParameterTableStyle(TransactionsMonitorParameters(), TransactionsMonitorRelations())
{
    GetOwnStyle(RelationEven)->SetValue(StyleTextField::ParamBkColor, Rgb(240, 240, 240));
}

void StyleTransactionsMonitor::PaintPreview(QPainter& painter) const
{
    StylePreviewPainter::Grid grid;
    grid.rows = {
        {QStringLiteral("KGHM"), QStringLiteral("10:01:05"), QStringLiteral("+125,40"), QStringLiteral("150")},
        {QStringLiteral("PZU"), QStringLiteral("10:01:07"), QStringLiteral("-42,48"), QStringLiteral("900")},
        {QStringLiteral("LPP"), QStringLiteral("10:01:12"), QStringLiteral("+9 120,00"), QStringLiteral("3")},
        {QStringLiteral("KGHM"), QStringLiteral("10:01:15"), QStringLiteral("125,40"), QStringLiteral("40")},
        {QStringLiteral("ORLEN"), QStringLiteral("10:01:18"), QStringLiteral("-61,28"), QStringLiteral("520")},
    };
    const bool byColumns = GetValue(ParamColouring) == ColourColumns;
    const std::shared_ptr<StyleBase> odd = GetRelatedStyle(RelationOdd);
    const std::shared_ptr<StyleBase> even = GetRelatedStyle(RelationEven);
    grid.cellStyle = [&](int row, int column) { return (byColumns ? column : row) % 2 == 0 ? odd.get() : even.get(); };
    grid.horizontalLines = GetValue(ParamHorizontalGrid) != 0;
    grid.verticalLines = GetValue(ParamVerticalGrid) != 0;
    grid.linePen = GetGdiObject(ParamGridPen);
    StylePreviewPainter::PaintGrid(painter, QRect(QPoint(0, 0), PreviewSourceSize()), grid);
}
