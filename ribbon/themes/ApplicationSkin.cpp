#include "ribbon/themes/ApplicationSkin.h"

#include "ribbon/themes/ThemeIniReader.h"

namespace
{
struct RoleEntry
{
    const char* key;
    QPalette::ColorRole role;
};

constexpr RoleEntry kPaletteKeys[] = {
    {"Window", QPalette::Window},
    {"WindowText", QPalette::WindowText},
    {"Base", QPalette::Base},
    {"AlternateBase", QPalette::AlternateBase},
    {"Text", QPalette::Text},
    {"Button", QPalette::Button},
    {"ButtonText", QPalette::ButtonText},
    {"Light", QPalette::Light},
    {"Mid", QPalette::Mid},
    {"Dark", QPalette::Dark},
    {"Highlight", QPalette::Highlight},
    {"HighlightedText", QPalette::HighlightedText},
    {"ToolTipBase", QPalette::ToolTipBase},
    {"ToolTipText", QPalette::ToolTipText},
    {"Link", QPalette::Link},
};

// The panes paint their text themselves, so they take the bar's text colour by their own rule.
const char* const kStyleSheet = "QStatusBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, "
                                "stop:1 %2); border-top: 1px solid %3; color: %4; }\n"
                                "QStatusBar::item { border: none; }\n"
                                "StatusBarPane { color: %4; }\n";
}

bool ApplicationSkin::Load(const QString& path, QString* errorText)
{
    ThemeIniReader reader(path);
    const QString paletteSection = QStringLiteral("Palette");
    const QColor button = reader.Color(paletteSection, QStringLiteral("Button"));
    const QColor window = reader.Color(paletteSection, QStringLiteral("Window"));
    QPalette palette(button, window);
    for (const RoleEntry& entry : kPaletteKeys)
        palette.setColor(entry.role, reader.Color(paletteSection, QLatin1String(entry.key)));
    palette.setColor(QPalette::Midlight, palette.color(QPalette::Button).lighter(110));
    palette.setColor(QPalette::Shadow, palette.color(QPalette::Dark).darker(150));
    const QColor disabledText = reader.Color(paletteSection, QStringLiteral("DisabledText"));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::PlaceholderText, disabledText);

    const QString barSection = QStringLiteral("StatusBar");
    const QString styleSheet = QString::fromLatin1(kStyleSheet)
                                   .arg(reader.Color(barSection, QStringLiteral("Top")).name(),
                                        reader.Color(barSection, QStringLiteral("Bottom")).name(),
                                        reader.Color(barSection, QStringLiteral("Border")).name(),
                                        reader.Color(barSection, QStringLiteral("Text")).name());
    if (reader.HasError())
    {
        if (errorText)
            *errorText = reader.GetError();
        return false;
    }
    m_palette = palette;
    m_styleSheet = styleSheet;
    return true;
}
