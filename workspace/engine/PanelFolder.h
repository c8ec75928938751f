#pragma once
// The folder of panel files beside a desktop file, and of window files beside a panel file:
// named like the file without its extension. A desktop save replaces that folder whole, so it
// first makes sure the folder is one that desktop saves make: a folder the user keeps other
// things in (a desktop saved as "Dokumenty.q4s" beside the folder "Dokumenty") is never
// replaced, nor the folder of the other format's desktop of the same name ("Rano.q5" beside
// "Rano.q4s" would take the panels of "Rano.q4s").

#include <QString>

class PanelFolder
{
public:
    // The folder beside the file; empty when the file name leaves no name for it (no
    // extension, or nothing before it).
    static QString Of(const QString& filePath);

    // True when the folder is missing or empty, or holds only what a desktop save of the
    // format writes: panel files (panelExtension, ".q4s" or ".q5p", with the root "Panel") and,
    // named like them, folders of module folders that hold window files. Links count as
    // foreign. On false, reason says why.
    static bool IsReplaceable(const QString& folder, const QString& panelExtension, QString* reason = nullptr);

private:
    static bool IsPanelFile(const QString& path, const QString& panelExtension);
    static bool IsWindowsFolder(const QString& path);
};
