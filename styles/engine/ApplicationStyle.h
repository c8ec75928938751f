#pragma once
// An application style (a theme): a colour theme of the ribbon and frames together with one
// display style per window kind. Read from a ".q4theme" settings file: root "Q4Theme", value
// "ApplicationStyle" (the colour theme, such as "Office2007;Black"), node "WindowStyles" with
// one child per module name whose value is the GUID or the name of a style.

#include <QImage>
#include <QString>

#include <map>

class IApplicationStyleHost;

class ApplicationStyle
{
public:
    static const QString kRootName;     // "Q4Theme"
    static const QString kThemeKey;     // "ApplicationStyle"
    static const QString kWindowStylesKey;  // "WindowStyles"
    static constexpr int kPreviewWidth = 256;
    static constexpr int kPreviewHeight = 164;

    ApplicationStyle() = default;
    // A style made in the program, for when no theme file can be read.
    ApplicationStyle(const QString& name, const QString& themeValue, std::map<QString, int> windowStyles);

    // Reads the theme file; false (logged, nothing read) when it cannot be read or has no
    // "WindowStyles". Each window style is looked up in the styles container by GUID, else by
    // name (0 when there is none). The preview is the picture named after the theme value
    // (";" turned into "_", ".png") beside the file, else a blank picture; it is read when it is
    // first asked for, since only the themes gallery shows it. The name is the file's base name
    // without leading "_".
    bool LoadFromFile(const QString& path);
    // Gives each module named in the style its window style, then has the global settings keep
    // the style's name and the ribbon take its colour theme. Modules the host does not know are
    // passed over.
    void Apply(IApplicationStyleHost& host) const;

    const QString& GetName() const { return m_name; }
    const QString& GetThemeValue() const { return m_themeValue; }
    // Module name to style id.
    const std::map<QString, int>& GetWindowStyles() const { return m_windowStyles; }
    int GetIndex() const { return m_index; }
    void SetIndex(int index) { m_index = index; }
    // Main thread.
    const QImage& GetPreview() const;

private:
    static QImage BlankPreview();

    QString m_themeValue;
    std::map<QString, int> m_windowStyles;
    QString m_name;
    int m_index = 0;
    // Empty once the preview is read, or when there is none to read.
    mutable QString m_previewPath;
    mutable QImage m_preview = BlankPreview();
};
