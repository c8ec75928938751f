#pragma once
// The style of a details window: its grid lines, a two-way choice of the details library, and
// the text-field styles of its odd and even rows.

#include "styles/engine/ParameterTableStyle.h"

class StyleDetails : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::Details;
    inline static const QString TypeName = QStringLiteral("StyleDetails");

    enum Parameter : int
    {
        ParamGridPen = 0,  // GDI object: the grid lines' pen
        ParamHorizontalGrid = 3,
        ParamVerticalGrid = 4,
        ParamChoice = 5,  // 1 or 0, the details library's choice
    };
    enum Relation : int
    {
        RelationOdd = 1,
        RelationEven = 2,
    };

    StyleDetails();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void PaintPreview(QPainter& painter) const override;
};
