#pragma once
// What the application object needs of the styles: the styles container (the display styles of
// every window kind, loaded from and saved to folders of style files) and the application
// themes. Main thread only.

#include <QString>

class Settings;

class IApplicationStyles
{
public:
    virtual ~IApplicationStyles() = default;

    virtual void EnableFontConversion(bool enable) = 0;
    // Adds the styles of a folder; installed: the read-only styles beside the executable.
    virtual bool LoadStyles(const QString& folder, bool installed) = 0;
    // Reads the styles of the older single-tree form.
    virtual bool Unserialize(const Settings& styles) = 0;
    // Writes the user's styles into the folder; false when any could not be written.
    virtual bool SaveStyles(const QString& folder) = 0;
    virtual void MakeAllRelatedStylesAsOwn() = 0;
    virtual void CopyRelatedStylesToOwn() = 0;
    // The GUID text of the style with the id; empty when there is none.
    virtual QString GetStyleGuid(int styleId) = 0;

    // Loads the application themes, the "*.q4theme" files of the "Style" folder; false stops
    // the start.
    virtual bool LoadApplicationThemes() = 0;
    // The name under which a theme file keeps the current ribbon theme.
    virtual QString GetRibbonThemeName() = 0;

    // Drops every style, at the end of the run.
    virtual void Release() = 0;
};
