#pragma once
// The seven colour themes of the ribbon and the frames by index: their names ("Office2007;Blue",
// a theme-file name and a colour), the index of a name, and applying a theme through the main
// frame, which loads the files "<theme><colour>.ini" and "Normal<colour>.ini". The index
// applied last is the current one. The theme commands, the application styles and the global
// settings all apply through ApplyRibbonTheme, so the re-application after a settings save
// keeps whichever theme is on screen. Main thread only.

#include <QString>

class IRibbonThemeFrame;

inline constexpr int kRibbonThemeCount = 7;
// The theme before any is applied: Office 2007 black.
inline constexpr int kDefaultRibbonThemeIndex = 1;

// The theme string of the index; empty for an index outside 0..6.
QString GetRibbonThemeName(int index);
// Splits at the first ";": the theme-file name before it, the colour after it. A text without
// ";" leaves both outputs as they were.
void SplitThemeString(const QString& theme, QString& themeName, QString& colorName);
// The first index whose theme string equals the text; 0 when none does.
int GetRibbonThemeIndex(const QString& theme);
// "%s%s.ini" of the theme-file name and the colour, and "Normal%s.ini" of the colour.
QString GetRibbonThemeIniName(const QString& themeName, const QString& colorName);
QString GetRibbonThemeNormalIniName(const QString& colorName);

// Makes the index current and has the main frame load its theme. Without a frame the index is
// only kept (true). False, with nothing changed, for an index outside 0..6 or when the frame
// cannot load the theme.
bool ApplyRibbonTheme(int index);
int GetCurrentRibbonThemeIndex();

// The main frame while its window exists; null before and after.
void SetRibbonThemeFrame(IRibbonThemeFrame* frame);
IRibbonThemeFrame* GetRibbonThemeFrame();

// Installs the program's ribbon paint manager (contextual tabs' group rows in their context
// colour) in the toolkit's look.
void InstallRibbonThemeEx();
