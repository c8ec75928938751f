#pragma once
// The style of a transaction list: its grid lines, its colouring mode and six text-field
// styles: odd and even rows, and two styles each for rises and falls.

#include "styles/engine/ParameterTableStyle.h"

class StyleTransactionList : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::TransactionList;
    inline static const QString TypeName = QStringLiteral("StyleTransactionList");

    enum Parameter : int
    {
        ParamGridPen = 0,  // GDI object: the grid lines' pen
        ParamHorizontalGrid = 7,
        ParamVerticalGrid = 8,
        ParamColouringMode = 9,  // 0, 1, 2: the transaction list library's colouring modes
    };
    enum Relation : int
    {
        RelationOdd = 1,
        RelationEven = 2,
        RelationRises1 = 3,
        RelationRises2 = 4,
        RelationFalls1 = 5,
        RelationFalls2 = 6,
    };

    StyleTransactionList();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void PaintPreview(QPainter& painter) const override;
};
