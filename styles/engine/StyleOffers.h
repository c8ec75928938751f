#pragma once
// The style of an offers (order book) window: its grid lines, a two-way choice of the offers
// library, and the text-field styles of its odd rows, even rows and price row.

#include "styles/engine/ParameterTableStyle.h"

class StyleOffers : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::Offers;
    inline static const QString TypeName = QStringLiteral("StyleOffers");

    enum Parameter : int
    {
        ParamGridPen = 0,  // GDI object: the grid lines' pen
        ParamHorizontalGrid = 4,
        ParamVerticalGrid = 5,
        ParamChoice = 6,  // 1 or 0, the offers library's choice
    };
    enum Relation : int
    {
        RelationOdd = 1,
        RelationEven = 2,
        RelationPriceRow = 3,
    };

    StyleOffers();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void PaintPreview(QPainter& painter) const override;
};
