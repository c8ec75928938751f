#pragma once
// A screen's panel saved as one panel file plus a folder of window files beside it, one per
// module window, and reopened from them. Each window's file belongs to its module, which
// writes and reads it; the panel file lists the windows by module and window name. Window and
// module names become file names only as safe stems (SafeFileName), unique within their module
// folder, and the panel file keeps the stem as the window's name, so a restore never leaves
// the panel folder.

#include "workspace/engine/IDesktopHost.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class IDesktopModules;
class IGenericModule;
class QWidget;

// What a panel's restore tells of the windows it opens: the module windows of the view (asked
// around each opening, so the new one is found), and where the windows opened go, in file
// order with their saved rectangles.
struct PanelRestoreReport
{
    std::function<std::vector<QWidget*>()> windowsOfView;
    std::vector<IDesktopHost::RestoredWindow>* restored = nullptr;
};

class PanelStateFiles
{
public:
    using Windows = std::vector<IDesktopHost::ModuleWindow>;

    // Writes the windows (topmost first, each once) that their modules keep in the session
    // into the panel folder, then the panel file. The panel folder must be new: the desktop
    // writer gives every save a fresh one. False when the folder or the panel file cannot be
    // written; a window whose module cannot save it is left out.
    static bool SavePanel(const QString& path, const Windows& windows, bool embedStyles);
    // The same in the next-generation format, with the modules' next-generation names and the
    // chart library's panel settings.
    static bool SavePanelToQ5Format(const QString& path, const Windows& windows, IDesktopModules& modules);
    // Opens the windows the panel file lists in the view; gives how many opened. A missing or
    // unreadable file opens nothing; an unknown module or a name that is no safe stem is skipped.
    static int RestorePanel(QWidget* view, const QString& path, IDesktopModules& modules,
                            const PanelRestoreReport& report = {});

private:
    struct Listed
    {
        QString moduleName;
        QString windowName;
        QRect rect;
    };
    using FolderName = std::function<QString(const IGenericModule&)>;
    using SaveWindow = std::function<bool(IGenericModule&, QWidget*, const QString&)>;

    static bool SaveWindows(const QString& path, const Windows& windows, const QString& place,
                            const FolderName& folderName, const SaveWindow& save, std::vector<Listed>& listed);
};
