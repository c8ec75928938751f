#include "ribbon/themes/RibbonThemeColors.h"

#include "platform/toolkit/PaintManager.h"
#include "platform/toolkit/RibbonDefs.h"
#include "ribbon/themes/ThemeIniReader.h"

namespace
{
struct PaletteEntry
{
    const char* key;
    QColor RibbonPalette::*color;
};

constexpr PaletteEntry kRibbonKeys[] = {
    {"Frame", &RibbonPalette::frame},
    {"FrameText", &RibbonPalette::frameText},
    {"SelectedTabText", &RibbonPalette::selectedTabText},
    {"GroupText", &RibbonPalette::groupText},
    {"GroupRowTop", &RibbonPalette::groupRowTop},
    {"GroupRowBottom", &RibbonPalette::groupRowBottom},
    {"Border", &RibbonPalette::border},
    {"GroupCaption", &RibbonPalette::groupCaption},
    {"Text", &RibbonPalette::text},
    {"DisabledText", &RibbonPalette::disabledText},
    {"Hot", &RibbonPalette::hot},
    {"HotBorder", &RibbonPalette::hotBorder},
    {"Pressed", &RibbonPalette::pressed},
    {"Checked", &RibbonPalette::checked},
    {"SystemButton", &RibbonPalette::systemButton},
    {"SystemButtonText", &RibbonPalette::systemButtonText},
};

struct ContextEntry
{
    const char* key;
    int color;
};

constexpr ContextEntry kContextKeys[] = {
    {"Blue", RibbonContextColorBlue},     {"Yellow", RibbonContextColorYellow}, {"Green", RibbonContextColorGreen},
    {"Red", RibbonContextColorRed},       {"Purple", RibbonContextColorPurple}, {"Cyan", RibbonContextColorCyan},
    {"Orange", RibbonContextColorOrange},
};

constexpr const char* kToolbarKeys[] = {"ControlGallerySelected", "ControlGalleryNormal", "ControlGalleryBorder"};
}

const std::vector<int>& RibbonThemeColors::XtremeColorIndexes()
{
    static const std::vector<int> indexes = {30, 41, 44, 52, 53, 56};
    return indexes;
}

bool RibbonThemeColors::Load(const QString& path, QString* errorText)
{
    ThemeIniReader reader(path);
    RibbonPalette palette;
    for (const PaletteEntry& entry : kRibbonKeys)
        palette.*entry.color = reader.Color(QStringLiteral("Ribbon"), QLatin1String(entry.key));
    for (const ContextEntry& entry : kContextKeys)
        palette.contextColors[static_cast<std::size_t>(entry.color)] =
            reader.Color(QStringLiteral("ContextColors"), QLatin1String(entry.key));
    QHash<int, QColor> xtremeColors;
    for (const int index : XtremeColorIndexes())
        xtremeColors.insert(index, reader.Color(QStringLiteral("XtremeColors"), QString::number(index)));
    QHash<QString, QColor> imageColors;
    for (const char* key : kToolbarKeys)
    {
        const QString section = QStringLiteral("Toolbar");
        imageColors.insert(PaintManager::ImageColorKey(section, QLatin1String(key)),
                           reader.Color(section, QLatin1String(key)));
    }
    if (reader.HasError())
    {
        if (errorText)
            *errorText = reader.GetError();
        return false;
    }
    m_palette = palette;
    m_xtremeColors = xtremeColors;
    m_imageColors = imageColors;
    return true;
}
