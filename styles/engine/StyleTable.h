#pragma once
// The style of a quote table: its grid lines, colouring mode, animation and bold changes, row
// highlighting and cursor colours, and the text-field styles of its odd and even elements.

#include "styles/engine/ParameterTableStyle.h"

class StyleTable : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::Table;
    inline static const QString TypeName = QStringLiteral("StyleTable");

    enum Parameter : int
    {
        ParamGridPen = 0,  // GDI object: the grid lines' pen
        ParamHorizontalGrid = 3,
        ParamVerticalGrid = 4,
        ParamColouringMode = 5,  // 0, 1, 2: the quote table library's colouring modes
        ParamOption6 = 6,        // on: only the last price's changes are highlighted
        ParamAnimate = 7,
        ParamBoldChanges = 8,
        ParamRowHighlightColor = 9,
        ParamCursorColor = 10,
        ParamOption11 = 11,  // 1 tall rows, 0 low rows (half the padding)
    };
    enum Relation : int
    {
        RelationOdd = 1,
        RelationEven = 2,
    };

    StyleTable();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void PaintPreview(QPainter& painter) const override;
};
