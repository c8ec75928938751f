#include "styles/engine/StyleDetails.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"
#include "styles/engine/StyleTextField.h"

#include <QPainter>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& DetailsParameters()
{
    static const StyleParameterTable parameters = {
        {StyleDetails::ParamGridPen, QStringLiteral("GridPen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(210, 210, 210))},
        {StyleDetails::ParamHorizontalGrid, QStringLiteral("HGridVisible"), StyleParameterKind::Flag, 1},
        {StyleDetails::ParamVerticalGrid, QStringLiteral("VGridVisible"), StyleParameterKind::Flag, 1},
        {StyleDetails::ParamChoice, QStringLiteral("Choice"), StyleParameterKind::Value, 0},
    };
    return parameters;
}

const StyleRelationTable& DetailsRelations()
{
    static const StyleRelationTable relations = {
        {StyleDetails::RelationOdd, QStringLiteral("OddRowsStyle"), StyleTextField::Type},
        {StyleDetails::RelationEven, QStringLiteral("EvenRowsStyle"), StyleTextField::Type},
    };
    return relations;
}
}

StyleDetails::StyleDetails()
    : ParameterTableStyle(DetailsParameters(), DetailsRelations())
{
    GetOwnStyle(RelationEven)->SetValue(StyleTextField::ParamBkColor, Rgb(240, 240, 240));
}

void StyleDetails::PaintPreview(QPainter& painter) const
{
    StylePreviewPainter::Grid grid;
    grid.rows = {
        {QStringLiteral("Kurs"), QStringLiteral("125,40")},       {QStringLiteral("Zmiana"), QStringLiteral("+1,25%")},
        {QStringLiteral("Otwarcie"), QStringLiteral("123,90")},   {QStringLiteral("Minimum"), QStringLiteral("-122,80")},
        {QStringLiteral("Wolumen"), QStringLiteral("120 500")},
    };
    const std::shared_ptr<StyleBase> odd = GetRelatedStyle(RelationOdd);
    const std::shared_ptr<StyleBase> even = GetRelatedStyle(RelationEven);
    grid.cellStyle = [&](int row, int) { return row % 2 == 0 ? odd.get() : even.get(); };
    grid.horizontalLines = GetValue(ParamHorizontalGrid) != 0;
    grid.verticalLines = GetValue(ParamVerticalGrid) != 0;
    grid.linePen = GetGdiObject(ParamGridPen);
    StylePreviewPainter::PaintGrid(painter, QRect(QPoint(0, 0), PreviewSourceSize()), grid);
}
