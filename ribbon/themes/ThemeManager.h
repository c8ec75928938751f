#pragma once
// Loads a colour theme and puts it on the whole program: the theme file "<theme><colour>.ini"
// gives the toolkit's look (the ribbon's palette with the context colours of contextual tabs,
// the colours by toolkit colour index, the galleries' colours) and the program's ribbon paint
// manager is installed with it; the skin file "Normal<colour>.ini" gives the application's
// palette and style sheet. The files of a theme are looked up in the folder named after the
// theme-file name, first under the "Style" folder beside the program, then in the program's
// own copy. Both files are read and checked before anything changes. Main thread only.

#include <QString>

class ThemeManager
{
public:
    static ThemeManager& Instance();

    // The main frame's work of loading a theme (IRibbonThemeFrame::LoadRibbonTheme); false,
    // with the look as it was and the reason in the log, when a name is empty or unsafe, a
    // file is missing or a file lacks a colour.
    bool LoadTheme(const QString& themeName, const QString& iniName, const QString& normalIniName);

    // The names of the theme loaded last; empty before one is.
    const QString& GetThemeName() const { return m_themeName; }
    const QString& GetIniName() const { return m_iniName; }
    const QString& GetNormalIniName() const { return m_normalIniName; }

    // The path of one of the theme's files; empty when neither place has it.
    static QString FindThemeFile(const QString& themeName, const QString& fileName);

private:
    ThemeManager() = default;

    QString m_themeName;
    QString m_iniName;
    QString m_normalIniName;
};
