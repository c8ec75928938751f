#pragma once
// The desktop and session files of the main frame: saving the screens with their module
// windows and the modules' states into a ".q4s" desktop (or the session "LastSession.q4s"),
// exporting them in the next-generation format, and loading a desktop of either layout in
// place of the screens. The frame drives it through IDesktopHost, the modules are reached
// through IDesktopModules. Main thread only.
//
// Saving never loses what was saved before: the desktop is written aside and put in place in
// one step that a restart finishes (StagedDesktopSave), only the panel files and folders the
// desktop writes are replaced, and every file is written atomically. A load that fails leaves
// the screens and the session-loaded flag as they were.

#include "workspace/engine/IDesktopHost.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class IDesktopModules;
class Q5Settings;
class Settings;

class DesktopSession
{
public:
    DesktopSession(IDesktopHost& host, IDesktopModules& modules, QString appDataFolder);

    // "LastSession.q4s" in the application-data folder.
    QString GetLastSessionPath() const;

    // Writes the desktop file with its panel folder. True when the file was written with at
    // least one screen; with no screen it is written all the same, empty. The user is told when
    // the desktop could not be saved, and when something that stood under a panel's name was
    // moved aside.
    bool SaveCurrentSession(const QString& path);
    // The export in the next-generation format, under the same rules.
    bool SaveDesktopToQ5Format(const QString& path);
    // Saves the session, unless it has not been loaded in this run: an empty desktop must not
    // take the place of the last session that was never restored. A session that could not be
    // written is logged and told to the user, who is about to lose its windows.
    bool SaveLastSession();

    // Replaces the screens by the desktop in the file. A missing or unreadable file changes
    // nothing (the screens and the session-loaded flag stay) and is logged.
    bool LoadSession(const QString& path);
    // Opens the screens the desktop node lists; true when at least one opened.
    bool OpenDesktop(const QString& path, const Settings& node);
    // At start: the last session, unless a session is loaded already; when its file cannot be
    // read, the screens its panel folder still holds; when there is none and no screen exists,
    // one empty screen. Either way the session counts as loaded after.
    void LoadLastSession();

private:
    // Replaces the screens and the modules' states by those of a loaded desktop; the user is
    // told once what of it could not be read.
    void PutInPlace(const QString& path, const Settings& consumers, const Settings& modulesStates,
                    const Settings& desktop);
    // A desktop file that cannot be read: its screens from the panel folder, with every window
    // file found there; false when the folder holds none.
    bool RecoverFromPanelFolder(const QString& path);
    // A screen whose panel file cannot be read gets the windows its folder still holds.
    void RestoreUnlistedWindows(QWidget* view, const QString& panelFile);
    bool SaveSession(const QString& path, bool tellUser);
    // Why nothing could be written into the folder, in the user's words: a read-only file
    // system, a full disk or a folder that may not be written.
    static QString WhyNotWritten(const QString& folder);
    bool SaveDesktop(const QString& panelFolder, Settings& node);
    bool SaveDesktopToQ5Format(const QString& panelFolder, Q5Settings& node);
    bool WriteWithPanelFolder(const QString& path, const QString& panelExtension, const QString& place, bool tellUser,
                              const std::function<void(const QString& panelFolder)>& writePanels,
                              const std::function<bool(const QString& file)>& writeFile);
    // The screens that hold a panel; the others are logged.
    std::vector<IDesktopHost::Screen> ScreensWithPanels(const QString& place) const;

    IDesktopHost& m_host;
    IDesktopModules& m_modules;
    const QString m_appDataFolder;
    // Why the last save failed, as logged; empty when it did not.
    QString m_saveError;
    // What of the desktop being opened could not be read, for the user.
    QStringList m_unreadParts;
    // The desktop file being opened was unreadable: a screen without its panel file gets the
    // windows its folder holds.
    bool m_damagedDesktop = false;
};
