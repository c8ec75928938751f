#pragma once
// Where the application's display styles are read from at start and written to at the end:
// the installed styles beside the executable ("InstallSettings"/<product>/"Styles"), then the
// user's "Styles" folder in the application-data folder, or once, the user's styles in the
// older single-file form, which are then moved into the folder. The user's styles are never
// removed before their new copy is written: the folder is written anew beside the old one and
// takes its place only when every style was written, and the old single file goes only after
// the folder was written.

#include <QString>

class IApplicationStyles;

class ApplicationStylesIO
{
public:
    static inline const QString kStylesName = QStringLiteral("Styles");
    // The folder being written, and the folder it replaces until it is in place.
    static inline const QString kFreshSuffix = QStringLiteral(".new");
    static inline const QString kPreviousSuffix = QStringLiteral(".old");

    ApplicationStylesIO(IApplicationStyles& styles, QString productName);

    void LoadApplicationStyles();
    // anew: the folder is written anew, so styles the user no longer has leave it; otherwise
    // the styles are written over the folder's files. False, with the old folder kept, when a
    // style could not be written.
    bool SaveApplicationStyles(bool anew);

    static QString UserStylesFolder();
    QString InstalledStylesFolder() const;

private:
    // The older single-file form: read, written as a folder, and only then removed.
    bool MigrateSingleFileStyles();
    bool SaveAnew(const QString& folder);
    static void RecoverInterruptedSave(const QString& folder);

    IApplicationStyles& m_styles;
    const QString m_productName;
};
