#pragma once
// The style of a text field: a cell of a grid (quote table rows, transaction list rows, details,
// offers and orders-sheet rows, statistics grids). It holds the font, the alignment and the
// font and background colours for a plain value, a rise, a fall and a new order. The grid
// styles relate to text-field styles for their odd, even and special rows.

#include "styles/engine/ParameterTableStyle.h"

class StyleTextField : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::TextField;
    inline static const QString TypeName = QStringLiteral("StyleTextField");

    enum Parameter : int
    {
        ParamFont = 0,  // GDI object: the font
        ParamAlignment = 1,
        ParamFontColor = 2,
        ParamBkColor = 3,
        ParamFontColorRise = 4,
        ParamBkColorRise = 5,
        ParamFontColorFall = 6,
        ParamBkColorFall = 7,
        ParamFontColorNewOrder = 8,
        ParamBkColorNewOrder = 9,
    };
    enum Alignment : qint32
    {
        AlignLeft = 0,
        AlignCenter = 1,
        AlignRight = 2,
    };

    StyleTextField();

    static std::shared_ptr<StyleTextField> CreateInstance();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    QSize PreviewSize() const override { return QSize(120, 54); }
    void PaintPreview(QPainter& painter) const override;

    // From now on the style's font is never bold (its weight is held to normal).
    void DisableBoldFontUsing();
    // True when a parameter is marked changed or differs from a new default text-field style.
    bool IsStyleModified() const;

protected:
    LogFont AdjustFont(const LogFont& font) const override;

private:
    bool m_boldFontDisabled = false;
};
