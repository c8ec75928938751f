#pragma once
// The look of the program's windows from a skin file "Normal<colour>.ini": the application's
// palette and a style sheet for the status bar. A file that lacks one of its colours is
// refused whole.
//
// Sections: [Palette] Window, WindowText, Base, AlternateBase, Text, Button, ButtonText, Light,
// Mid, Dark, Highlight, HighlightedText, ToolTipBase, ToolTipText, Link, DisabledText;
// [StatusBar] Top, Bottom, Border, Text.

#include <QPalette>
#include <QString>

class ApplicationSkin
{
public:
    // False, the reason in errorText and this object unchanged, when the file cannot be read
    // or lacks a colour.
    bool Load(const QString& path, QString* errorText = nullptr);

    const QPalette& GetPalette() const { return m_palette; }
    const QString& GetStyleSheet() const { return m_styleSheet; }

private:
    QPalette m_palette;
    QString m_styleSheet;
};
