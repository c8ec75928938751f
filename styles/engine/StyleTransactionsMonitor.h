#pragma once
// The style of a transactions monitor: its grid lines, whether rows or columns are coloured,
// and the text-field styles of its odd and even elements.

#include "styles/engine/ParameterTableStyle.h"

class StyleTransactionsMonitor : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::TransactionsMonitor;
    inline static const QString TypeName = QStringLiteral("StyleTransactionsMonitor");

    enum Parameter : int
    {
        ParamGridPen = 0,  // GDI object: the grid lines' pen
        ParamHorizontalGrid = 3,
        ParamVerticalGrid = 4,
        ParamColouring = 5,  // 0 rows ("Wiersze"), 1 columns ("Kolumny")
    };
    enum Relation : int
    {
        RelationOdd = 1,
        RelationEven = 2,
    };
    enum Colouring : qint32
    {
        ColourRows = 0,
        ColourColumns = 1,
    };

    StyleTransactionsMonitor();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void PaintPreview(QPainter& painter) const override;
};
