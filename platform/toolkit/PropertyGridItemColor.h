#pragma once
// A colour, shown as a swatch and its red, green and blue ("255, 0, 0"); chosen in the colour
// dialog or typed. A stored value that is no colour (a style's own value) reads "automatyczny"
// until the user picks a colour.

#include "platform/base/ColorRef.h"
#include "platform/toolkit/PropertyGridItem.h"

class PropertyGridItemColor : public PropertyGridItem
{
public:
    PropertyGridItemColor(QString caption, ColorRef value);

    ColorRef GetColor() const { return m_color; }
    void SetColor(ColorRef value);
    // Only real colours; the special values are the program's, not the user's.
    bool EditColor(ColorRef value, QString* errorText = nullptr);
    bool EditValue(const QString& text, QString* errorText = nullptr) override;

    EditorKind GetEditorKind() const override { return EditorKind::Color; }

    static QString ColorText(ColorRef value);

private:
    ColorRef m_color;
};
