#include "ribbon/galleries/ColorGalleryFillers.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/StringTable.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/galleries/ColorStringIds.h"
#include "ribbon/galleries/GalleryItemFontColor.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace ColorStringIds;

namespace
{
constexpr std::array<int, kStandardColorCount> kStandardColors = {
    0x0000C0, 0x0000FF, 0x00C0FF, 0x00FFFF, 0x50D092, 0x50B000, 0xF0B000, 0xC07000, 0x602000, 0xA03070,
};

struct ThemeColumn
{
    int color;
    std::array<int, kThemeColorRows - 1> shades;
};

constexpr std::array<ThemeColumn, kThemeColorColumns> kThemeColumns = {{
    {0xFFFFFF, {-5, -15, -25, -35, -50}},
    {0x000000, {50, 35, 25, 15, 5}},
    {0xE1ECEE, {-10, -25, -50, -75, -90}},
    {0x7D491F, {80, 60, 40, -25, -50}},
    {0xBD814F, {80, 60, 40, -25, -50}},
    {0x4D50C0, {80, 60, 40, -25, -50}},
    {0x59BB9B, {80, 60, 40, -25, -50}},
    {0xA26480, {80, 60, 40, -25, -50}},
    {0xC6AC4B, {80, 60, 40, -25, -50}},
    {0x4696F7, {80, 60, 40, -25, -50}},
}};

QString Text(std::uint32_t id)
{
    return StringTable::Instance().Get(id);
}

QString ThemeColorName(int column, int percent)
{
    const auto offset = static_cast<std::uint32_t>(column);
    QString name = Text(IDS_THEME_COLOR_NAMES + offset) + QStringLiteral(", ") + Text(IDS_THEME_ROLE_NAMES + offset);
    if (percent != 0)
        name += QStringLiteral(", %1 %2%").arg(Text(percent > 0 ? IDS_LIGHTER : IDS_DARKER)).arg(std::abs(percent));
    return name;
}
}

int ChangeColorLightness(int color, int percent)
{
    const QColor base = ColorMarkers::ToQColor(color);
    if (percent == 0 || !base.isValid())
        return color;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    base.getHslF(&hue, &saturation, &lightness);
    const float change = static_cast<float>(percent) / 100.0f;
    lightness = percent < 0 ? lightness * (1.0f + change) : lightness + (1.0f - lightness) * change;
    // Greys have no hue (-1); any hue gives the same grey.
    const QColor shade = QColor::fromHslF(std::max(hue, 0.0f), saturation, std::clamp(lightness, 0.0f, 1.0f));
    return ColorMarkers::FromQColor(shade);
}

void AddThemeColorItems(const ColorFillerCallback& callback)
{
    for (int row = 0; row < kThemeColorRows; ++row)
    {
        for (int column = 0; column < kThemeColorColumns; ++column)
        {
            const ThemeColumn& theme = kThemeColumns[static_cast<std::size_t>(column)];
            const int percent = row == 0 ? 0 : theme.shades[static_cast<std::size_t>(row - 1)];
            callback(ChangeColorLightness(theme.color, percent), ThemeColorName(column, percent), row, column);
        }
    }
}

void AddThemeColorItems(GalleryControl& gallery)
{
    AddThemeColorItems([&gallery](int color, const QString& name, int row, int) {
        const bool top = row == 0 || row == 1;
        const bool bottom = row == 0 || row == kThemeColorRows - 1;
        gallery.AddItem(std::make_unique<GalleryItemFontColor>(color, name, top, bottom));
    });
}

void AddStandardColorItems(const ColorFillerCallback& callback)
{
    for (int column = 0; column < kStandardColorCount; ++column)
        callback(kStandardColors[static_cast<std::size_t>(column)],
                 Text(IDS_STANDARD_COLOR_NAMES + static_cast<std::uint32_t>(column)), 0, column);
}

void AddStandardColorItems(GalleryControl& gallery)
{
    AddStandardColorItems([&gallery](int color, const QString& name, int, int) {
        gallery.AddItem(std::make_unique<GalleryItemFontColor>(color, name, true, true));
    });
}
