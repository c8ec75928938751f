#include "core/about/AboutDlgData.h"

#include <QGuiApplication>

namespace
{
constexpr int kThisEditionProductKind = 1;
// Standard colour 0 of the program's colour table: black.
constexpr ColorRef kStandardColor0 = ColorRef::FromRgb(0, 0, 0);
}

AboutDlgData::AboutDlgData(const QPoint& textPosition, const QFont& font, ColorRef color)
    : m_textPosition(textPosition)
    , m_font(font)
    , m_color(color)
{
}

AboutDlgData::~AboutDlgData() = default;

std::shared_ptr<AboutDlgData> AboutDlgData::ForProductKind(int productKind)
{
    if (productKind != kThisEditionProductKind)
        return nullptr;
    return std::make_shared<AboutDlgData>(QPoint(163, 72), QGuiApplication::font(), kStandardColor0);
}
