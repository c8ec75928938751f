#pragma once
// The export of the windows' styles as a theme file: the root "Q4Theme" holds "WindowStyles",
// each module's name with the GUID of its windows' first named style, and "ApplicationStyle",
// the current ribbon theme. Nothing is written while a module's windows have a style of their
// own or none is open. Main thread only.

#include <QString>

#include <vector>

class IApplicationStyles;
class IGenericModule;
class Settings;

class ThemeExporter
{
public:
    static inline const QString kRootName = QStringLiteral("Q4Theme");
    static inline const QString kFilter = QStringLiteral("Themes (*.q4theme)|*.q4theme||");
    static inline const QString kExtension = QStringLiteral("q4theme");

    ThemeExporter(IApplicationStyles& styles, std::vector<IGenericModule*> modules);

    // Asks for the file and writes the theme; false when nothing was written.
    bool Export();
    // Fills the node with the modules' styles; false, with the modules named to the user, when
    // a module's windows have a style of their own or none is open.
    bool FillThemeWindowStyles(Settings& node);

private:
    IApplicationStyles& m_styles;
    const std::vector<IGenericModule*> m_modules;
};
