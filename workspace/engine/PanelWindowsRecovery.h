#pragma once
// What is left of a screen whose list cannot be read. A damaged panel file (or a damaged
// desktop file that no longer names its panels) must not lose the windows: their files still
// lie in the panel folder, one per window under its module's folder, and are opened from
// there. The next save then writes them under a sound list again. Main thread only.

#include <QString>
#include <QStringList>

class IDesktopModules;
class QWidget;

namespace PanelWindowsRecovery
{
// Opens in the view every window file of a known module found in the panel file's folder, in
// module and file name order; gives how many opened.
int RestoreFromFolder(QWidget* view, const QString& panelPath, IDesktopModules& modules);

// A window file its module could not open is kept beside it as "<name>.bak" (logged), for the
// save that follows replaces the window folder; StagedDesktopSave carries such copies over.
void KeepUnopenedWindowFile(const QString& windowFile);

// The screens a desktop's panel folder still holds, by the names of their panel files or window
// folders, sorted; what is no panel file and no window folder is left out.
QStringList PanelNames(const QString& panelFolder, const QString& panelExtension);
}
