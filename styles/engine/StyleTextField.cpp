#include "styles/engine/StyleTextField.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"

#include <QPainter>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& TextFieldParameters()
{
    static const StyleParameterTable parameters = {
        {StyleTextField::ParamFont, QStringLiteral("Font"), StyleParameterKind::Font, 0, StyleDefaults::Font(-11)},
        {StyleTextField::ParamAlignment, QStringLiteral("Alignment"), StyleParameterKind::Value, StyleTextField::AlignRight},
        {StyleTextField::ParamFontColor, QStringLiteral("FontColor"), StyleParameterKind::Colour, Rgb(0, 0, 0)},
        {StyleTextField::ParamBkColor, QStringLiteral("BkColor"), StyleParameterKind::Colour, Rgb(255, 255, 255)},
        {StyleTextField::ParamFontColorRise, QStringLiteral("FontColorRise"), StyleParameterKind::Colour, Rgb(0, 128, 0)},
        {StyleTextField::ParamBkColorRise, QStringLiteral("BkColorRise"), StyleParameterKind::Colour, Rgb(255, 255, 255)},
        {StyleTextField::ParamFontColorFall, QStringLiteral("FontColorFall"), StyleParameterKind::Colour, Rgb(200, 0, 0)},
        {StyleTextField::ParamBkColorFall, QStringLiteral("BkColorFall"), StyleParameterKind::Colour, Rgb(255, 255, 255)},
        {StyleTextField::ParamFontColorNewOrder, QStringLiteral("FontColorNewOrder"), StyleParameterKind::Colour,
         Rgb(0, 0, 200)},
        {StyleTextField::ParamBkColorNewOrder, QStringLiteral("BkColorNewOrder"), StyleParameterKind::Colour,
         Rgb(255, 255, 210)},
    };
    return parameters;
}

const StyleRelationTable kNoRelations;
}

StyleTextField::StyleTextField()
    : ParameterTableStyle(TextFieldParameters(), kNoRelations)
{
}

std::shared_ptr<StyleTextField> StyleTextField::CreateInstance()
{
    return std::make_shared<StyleTextField>();
}

void StyleTextField::PaintPreview(QPainter& painter) const
{
    const int rowHeight = PreviewSourceSize().height() / 3;
    const int width = PreviewSourceSize().width();
    StylePreviewPainter::PaintCell(painter, QRect(0, 0, width, rowHeight), *this, QStringLiteral("1 234,50"),
                                   StylePreviewPainter::CellState::Normal);
    StylePreviewPainter::PaintCell(painter, QRect(0, rowHeight, width, rowHeight), *this, QStringLiteral("+2,35%"),
                                   StylePreviewPainter::CellState::Rise);
    StylePreviewPainter::PaintCell(painter, QRect(0, 2 * rowHeight, width, rowHeight), *this, QStringLiteral("-1,20%"),
                                   StylePreviewPainter::CellState::Fall);
}

void StyleTextField::DisableBoldFontUsing()
{
    m_boldFontDisabled = true;
    SetGdiObject(ParamFont, GetGdiObject(ParamFont));
}

bool StyleTextField::IsStyleModified() const
{
    if (HasChangedParameters())
        return true;
    const StyleTextField defaults;
    for (const StyleParameterDef& parameter : Parameters())
    {
        const bool same = parameter.IsObject() ? GetGdiObject(parameter.id) == defaults.GetGdiObject(parameter.id)
                                               : GetValue(parameter.id) == defaults.GetValue(parameter.id);
        if (!same)
            return true;
    }
    return false;
}

LogFont StyleTextField::AdjustFont(const LogFont& font) const
{
    LogFont adjusted = font;
    if (m_boldFontDisabled && adjusted.lfWeight > LogFont::kWeightNormal)
        adjusted.lfWeight = LogFont::kWeightNormal;
    return adjusted;
}
