#include "styles/engine/StyleTransactionList.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"
#include "styles/engine/StyleTextField.h"

#include <QPainter>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& TransactionListParameters()
{
    static const StyleParameterTable parameters = {
        {StyleTransactionList::ParamGridPen, QStringLiteral("GridPen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(210, 210, 210))},
        {StyleTransactionList::ParamHorizontalGrid, QStringLiteral("HGridVisible"), StyleParameterKind::Flag, 1},
        {StyleTransactionList::ParamVerticalGrid, QStringLiteral("VGridVisible"), StyleParameterKind::Flag, 1},
        {StyleTransactionList::ParamColouringMode, QStringLiteral("ColorMode"), StyleParameterKind::Value, 0},
    };
    return parameters;
}

const StyleRelationTable& TransactionListRelations()
{
    static const StyleRelationTable relations = {
        {StyleTransactionList::RelationOdd, QStringLiteral("OddStyle"), StyleTextField::Type},
        {StyleTransactionList::RelationEven, QStringLiteral("EvenStyle"), StyleTextField::Type},
        {StyleTransactionList::RelationRises1, QStringLiteral("Rises1Style"), StyleTextField::Type},
        {StyleTransactionList::RelationRises2, QStringLiteral("Rises2Style"), StyleTextField::Type},
        {StyleTransactionList::RelationFalls1, QStringLiteral("Falls1Style"), StyleTextField::Type},
        {StyleTransactionList::RelationFalls2, QStringLiteral("Falls2Style"), StyleTextField::Type},
    };
    return relations;
}
}

StyleTransactionList::StyleTransactionList()
    : ParameterTableStyle(TransactionListParameters(), TransactionListRelations())
{
    GetOwnStyle(RelationEven)->SetValue(StyleTextField::ParamBkColor, Rgb(240, 240, 240));
    GetOwnStyle(RelationRises1)->SetValue(StyleTextField::ParamFontColor, Rgb(0, 128, 0));
    GetOwnStyle(RelationRises2)->SetValue(StyleTextField::ParamFontColor, Rgb(0, 128, 0));
    GetOwnStyle(RelationRises2)->SetValue(StyleTextField::ParamBkColor, Rgb(240, 240, 240));
    GetOwnStyle(RelationFalls1)->SetValue(StyleTextField::ParamFontColor, Rgb(200, 0, 0));
    GetOwnStyle(RelationFalls2)->SetValue(StyleTextField::ParamFontColor, Rgb(200, 0, 0));
    GetOwnStyle(RelationFalls2)->SetValue(StyleTextField::ParamBkColor, Rgb(240, 240, 240));
}

void StyleTransactionList::PaintPreview(QPainter& painter) const
{
    StylePreviewPainter::Grid grid;
    grid.rows = {
        {QStringLiteral("10:01:05"), QStringLiteral("125,40"), QStringLiteral("150")},
        {QStringLiteral("10:01:09"), QStringLiteral("125,40"), QStringLiteral("20")},
        {QStringLiteral("10:01:12"), QStringLiteral("125,50"), QStringLiteral("300")},
        {QStringLiteral("10:01:20"), QStringLiteral("125,60"), QStringLiteral("75")},
        {QStringLiteral("10:01:31"), QStringLiteral("125,30"), QStringLiteral("410")},
        {QStringLiteral("10:01:44"), QStringLiteral("125,20"), QStringLiteral("95")},
    };
    // One row in each of the six row styles.
    const int relations[] = {RelationOdd, RelationEven, RelationRises1, RelationRises2, RelationFalls1, RelationFalls2};
    grid.cellStyle = [&](int row, int) { return GetRelatedStyle(relations[row]).get(); };
    grid.horizontalLines = GetValue(ParamHorizontalGrid) != 0;
    grid.verticalLines = GetValue(ParamVerticalGrid) != 0;
    grid.linePen = GetGdiObject(ParamGridPen);
    StylePreviewPainter::PaintGrid(painter, QRect(QPoint(0, 0), PreviewSourceSize()), grid);
}
