#include "styles/engine/StyleOffers.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"
#include "styles/engine/StyleTextField.h"

#include <QPainter>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& OffersParameters()
{
    static const StyleParameterTable parameters = {
        {StyleOffers::ParamGridPen, QStringLiteral("GridPen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(210, 210, 210))},
        {StyleOffers::ParamHorizontalGrid, QStringLiteral("HGridVisible"), StyleParameterKind::Flag, 1},
        {StyleOffers::ParamVerticalGrid, QStringLiteral("VGridVisible"), StyleParameterKind::Flag, 1},
        {StyleOffers::ParamChoice, QStringLiteral("Choice"), StyleParameterKind::Value, 0},
    };
    return parameters;
}

const StyleRelationTable& OffersRelations()
{
    static const StyleRelationTable relations = {
        {StyleOffers::RelationOdd, QStringLiteral("OddRowsStyle"), StyleTextField::Type},
        {StyleOffers::RelationEven, QStringLiteral("EvenRowsStyle"), StyleTextField::Type},
        {StyleOffers::RelationPriceRow, QStringLiteral("PriceRowStyle"), StyleTextField::Type},
    };
    return relations;
}
}

StyleOffers::StyleOffers()
    : ParameterTableStyle(OffersParameters(), OffersRelations())
{
    GetOwnStyle(RelationEven)->SetValue(StyleTextField::ParamBkColor, Rgb(240, 240, 240));
    const std::shared_ptr<StyleBase> priceRow = GetOwnStyle(RelationPriceRow);
    priceRow->SetValue(StyleTextField::ParamBkColor, Rgb(255, 240, 200));
    priceRow->SetGdiObject(StyleTextField::ParamFont, StyleDefaults::Font(-11, LogFont::kWeightBold));
}

void StyleOffers::PaintPreview(QPainter& painter) const
{
    StylePreviewPainter::Grid grid;
    grid.rows = {
        {QStringLiteral("3"), QStringLiteral("1 200"), QStringLiteral("125,30"), QStringLiteral("125,50"),
         QStringLiteral("800"), QStringLiteral("2")},
        {QStringLiteral("5"), QStringLiteral("2 450"), QStringLiteral("125,20"), QStringLiteral("125,60"),
         QStringLiteral("1 100"), QStringLiteral("4")},
        {QStringLiteral(""), QStringLiteral(""), QStringLiteral("125,40"), QStringLiteral(""), QStringLiteral(""),
         QStringLiteral("")},
        {QStringLiteral("2"), QStringLiteral("700"), QStringLiteral("125,10"), QStringLiteral("125,70"),
         QStringLiteral("300"), QStringLiteral("1")},
        {QStringLiteral("6"), QStringLiteral("3 000"), QStringLiteral("125,00"), QStringLiteral("125,80"),
         QStringLiteral("950"), QStringLiteral("3")},
    };
    const int priceRow = 2;
    const std::shared_ptr<StyleBase> odd = GetRelatedStyle(RelationOdd);
    const std::shared_ptr<StyleBase> even = GetRelatedStyle(RelationEven);
    const std::shared_ptr<StyleBase> price = GetRelatedStyle(RelationPriceRow);
    grid.cellStyle = [&](int row, int) {
        if (row == priceRow)
            return price.get();
        return row % 2 == 0 ? odd.get() : even.get();
    };
    grid.horizontalLines = GetValue(ParamHorizontalGrid) != 0;
    grid.verticalLines = GetValue(ParamVerticalGrid) != 0;
    grid.linePen = GetGdiObject(ParamGridPen);
    StylePreviewPainter::PaintGrid(painter, QRect(QPoint(0, 0), PreviewSourceSize()), grid);
}
