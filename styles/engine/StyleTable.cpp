#include "styles/engine/StyleTable.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"
#include "styles/engine/StyleTextField.h"

#include <QPainter>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& TableParameters()
{
    static const StyleParameterTable parameters = {
        {StyleTable::ParamGridPen, QStringLiteral("GridPen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(210, 210, 210))},
        {StyleTable::ParamHorizontalGrid, QStringLiteral("HGridVisible"), StyleParameterKind::Flag, 1},
        {StyleTable::ParamVerticalGrid, QStringLiteral("VGridVisible"), StyleParameterKind::Flag, 1},
        {StyleTable::ParamColouringMode, QStringLiteral("ColorMode"), StyleParameterKind::Value, 0},
        {StyleTable::ParamOption6, QStringLiteral("Option6"), StyleParameterKind::Flag, 0},
        {StyleTable::ParamAnimate, QStringLiteral("Animate"), StyleParameterKind::Flag, 1},
        {StyleTable::ParamBoldChanges, QStringLiteral("BoldChanges"), StyleParameterKind::Flag, 1},
        {StyleTable::ParamRowHighlightColor, QStringLiteral("RowHighlightColor"), StyleParameterKind::Colour,
         Rgb(255, 255, 200)},
        {StyleTable::ParamCursorColor, QStringLiteral("CursorColor"), StyleParameterKind::Colour, Rgb(0, 0, 255)},
        {StyleTable::ParamOption11, QStringLiteral("Option11"), StyleParameterKind::Value, 1},
    };
    return parameters;
}

const StyleRelationTable& TableRelations()
{
    static const StyleRelationTable relations = {
        {StyleTable::RelationOdd, QStringLiteral("OddElementsStyle"), StyleTextField::Type},
        {StyleTable::RelationEven, QStringLiteral("EvenElementsStyle"), StyleTextField::Type},
    };
    return relations;
}
}

StyleTable::StyleTable()
    : ParameterTableStyle(TableParameters(), TableRelations())
{
    GetOwnStyle(RelationEven)->SetValue(StyleTextField::ParamBkColor, Rgb(240, 240, 240));
}

void StyleTable::PaintPreview(QPainter& painter) const
{
    StylePreviewPainter::Grid grid;
    grid.rows = {
        {QStringLiteral("KGHM"), QStringLiteral("125,40"), QStringLiteral("+1,25%")},
        {QStringLiteral("PKOBP"), QStringLiteral("38,12"), QStringLiteral("-0,85%")},
        {QStringLiteral("PZU"), QStringLiteral("42,50"), QStringLiteral("+0,40%")},
        {QStringLiteral("ORLEN"), QStringLiteral("61,30"), QStringLiteral("-2,10%")},
        {QStringLiteral("LPP"), QStringLiteral("9 120,00"), QStringLiteral("+3,05%")},
    };
    const std::shared_ptr<StyleBase> odd = GetRelatedStyle(RelationOdd);
    const std::shared_ptr<StyleBase> even = GetRelatedStyle(RelationEven);
    grid.cellStyle = [&](int row, int) { return row % 2 == 0 ? odd.get() : even.get(); };
    grid.horizontalLines = GetValue(ParamHorizontalGrid) != 0;
    grid.verticalLines = GetValue(ParamVerticalGrid) != 0;
    grid.linePen = GetGdiObject(ParamGridPen);
    StylePreviewPainter::PaintGrid(painter, QRect(QPoint(0, 0), PreviewSourceSize()), grid);
}
