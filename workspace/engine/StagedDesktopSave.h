#pragma once
// Replaces a desktop's panel folder so that a failed or broken-off save never loses the one
// saved before: the new panel files are written into a fresh hidden folder beside it, which
// then takes the old folder's place in one step; the old folder is kept aside until the
// desktop file is written too, and put back when that fails. Only a folder that desktop saves
// of the same format make is ever replaced (see PanelFolder).

#include <QString>

class StagedPanelFolder
{
public:
    // panelExtension: the panel files' extension of the desktop's format.
    StagedPanelFolder(QString target, QString panelExtension);
    // Removes the folder written into when it was not put in place, and the replaced folder.
    ~StagedPanelFolder();

    StagedPanelFolder(const StagedPanelFolder&) = delete;
    StagedPanelFolder& operator=(const StagedPanelFolder&) = delete;

    // Checks that the target may be replaced and makes the empty folder to write into; false
    // with ErrorText when either fails.
    bool Prepare();
    const QString& StagingPath() const { return m_staging; }
    // Puts the written folder in the target's place; false (nothing changed) when it cannot.
    bool Swap();
    // Puts the replaced folder back in place after a swap; false when it cannot, and the
    // replaced folder is then left beside the target under its hidden name.
    bool Rollback();
    const QString& ErrorText() const { return m_error; }

private:
    bool Fail(const QString& text);
    bool Exchange(const QString& first, const QString& second);
    bool Rename(const QString& from, const QString& to);
    QString MakeEmptyFolderBeside(const QString& tag);

    QString m_target;
    const QString m_panelExtension;
    QString m_staging;
    QString m_error;
    bool m_swapped = false;
    bool m_replaced = false;
};
