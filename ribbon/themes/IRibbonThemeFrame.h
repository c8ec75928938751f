#pragma once
// The main frame as the colour themes reach it: it loads a theme's files and refreshes what it
// shows. The frame registers itself with SetRibbonThemeFrame while its window exists.

#include <QString>

class IRibbonThemeFrame
{
public:
    virtual ~IRibbonThemeFrame() = default;

    // The theme-file name ("Office2010"), the theme's ini ("Office2010Black.ini") and the
    // skin's ini ("NormalBlack.ini"); false, with the look as it was, when they cannot be loaded.
    virtual bool LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName) = 0;
};
