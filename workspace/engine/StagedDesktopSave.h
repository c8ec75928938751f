#pragma once
// A desktop save made one step: the panel files and the desktop file are written into a fresh
// hidden folder beside the desktop (".<name>.new.XXXXXX"), then put in place by renames. A
// note written into that folder before the first rename marks the save as committed: from then
// on a restart that finds the folder finishes the renames (Recover), and without the note the
// folder is only removed. So a save broken off at any moment leaves the earlier desktop or the
// new one, never a mix of the two.
//
// Only what the save writes is replaced in the panel folder: the panel files and window folders
// of the screens saved, and those of the screens the replaced desktop listed. Everything else
// stays. An entry under such a name that is not what a desktop save makes (a damaged panel
// file, the user's own file or folder) is moved aside under a backup name; a read-only panel
// file keeps its screen as it was. Both are logged. The copies of window files that could not
// be opened ("<name>.bak") go over into the new window folder, so that a save never drops them.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class StagedDesktopSave
{
public:
    // panelExtension: the panel files' extension of the desktop's format.
    StagedDesktopSave(QString desktopPath, QString panelExtension);
    // Removes the hidden folder of a save that was not committed.
    ~StagedDesktopSave();

    StagedDesktopSave(const StagedDesktopSave&) = delete;
    StagedDesktopSave& operator=(const StagedDesktopSave&) = delete;

    // Makes the hidden folder; false with ErrorText when the desktop's name leaves no panel
    // folder, when something other than a plain folder stands under the panel folder's name, or
    // when the hidden folder cannot be made.
    bool Prepare();
    // Where the panel files and their window folders are written, and the desktop file.
    QString PanelsPath() const;
    QString DesktopFilePath() const;
    // Puts the written desktop in place; false with ErrorText (and nothing changed) when the
    // desktop file is not one the program may replace or a rename fails.
    bool Commit();
    const QString& ErrorText() const { return m_error; }
    // What was moved aside, as "name → backup name", for the user to be told.
    const QStringList& MovedAside() const { return m_movedAside; }

    // Finishes a committed save of the desktop (or of another of the same name in its folder)
    // that was broken off, and removes the hidden folders of saves that were not committed.
    static void Recover(const QString& desktopPath);

    // Called before each rename of a commit with the number of renames done: tests end the
    // process there, as a crash or a kill would.
    static void SetRenameHook(std::function<void(int done)> hook);

private:
    struct Move
    {
        QString from;
        QString to;
    };

    bool Fail(const QString& text);
    bool MayReplaceDesktopFile(QStringList& listedPanels);
    void LeaveReadOnlyPanels();
    bool MoveForeignEntriesAside();
    void CarryOverWindowBackups();
    QStringList EntriesToRetire(const QStringList& listedPanels) const;
    bool IsOwnEntry(const QString& path) const;
    bool WriteNote(const QStringList& retired);
    void Undo(const std::vector<Move>& moves);

    // The renames of a committed save, each skipped when done already, so that a restart can
    // run them again; the done ones are appended to moves.
    static bool Finish(const QString& staging, const QString& desktopPath, const QStringList& retired,
                       std::vector<Move>& moves, QString& error);

    const QString m_desktopPath;
    const QString m_panelFolder;
    const QString m_panelExtension;
    QString m_staging;
    QString m_error;
    QStringList m_movedAside;
    // Panels whose read-only file stays, with its window folder.
    QStringList m_leftPanels;
    bool m_committed = false;
};
