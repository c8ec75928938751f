#pragma once
// The style of a chart drawing tool (a formation): the pens of its base line and extension,
// its text font, and the colours of its text, label, connector and fill.

#include "styles/engine/ParameterTableStyle.h"

class StyleFormation : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::Formation;
    inline static const QString TypeName = QStringLiteral("StyleFormation");

    enum Parameter : int
    {
        ParamBaseLinePen = 0,   // GDI object
        ParamExtensionPen = 1,  // GDI object
        ParamFont = 2,          // GDI object
        ParamTextColor = 3,
        ParamLabelBkColor = 4,
        ParamLabelTextColor = 5,
        ParamLabelFrameColor = 6,
        ParamConnectorColor = 7,
        ParamFillColor = 8,
    };

    StyleFormation();

    static std::shared_ptr<StyleFormation> CreateInstance();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void PaintPreview(QPainter& painter) const override;
};
