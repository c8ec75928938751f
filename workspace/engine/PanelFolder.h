#pragma once
// The folder of panel files beside a desktop file, and of window files beside a panel file:
// named like the file without its extension. The user may keep other things in a desktop's
// panel folder (a desktop saved as "Dokumenty.q4s" beside the folder "Dokumenty"), and a
// desktop and its export of the same name share one folder; so a save replaces only the
// entries it writes, and only those that are what a desktop save makes.

#include <QString>

class PanelFolder
{
public:
    // The folder beside the file; empty when the file name leaves no name for it (no
    // extension, or nothing before it).
    static QString Of(const QString& filePath);

    // A plain file named with the extension that reads as a panel file (root "Panel").
    static bool IsPanelFile(const QString& path, const QString& panelExtension);
    // The window files of the panel file of the same name: a plain folder of plain module
    // folders that hold plain files, and not the folder of the other format's panel file
    // of that name. Links count as foreign.
    static bool IsWindowsFolder(const QString& path, const QString& panelExtension);
};
