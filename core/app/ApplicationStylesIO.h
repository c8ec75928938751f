#pragma once
// Where the application's display styles are read from at start and written to at the end:
// the installed styles beside the executable ("InstallSettings"/<product>/"Styles", with the
// built-in default styles before them), then the user's "Styles" folder in the
// application-data folder, or once, the user's styles in the older single-file form, which are
// then moved into the folder. The user's styles are never removed before their new copy is
// written: each style file is replaced whole, the files of styles the user no longer has go
// only once every style was written, a file that could not be read stays, and the old single
// file goes only after the folder was written.

#include <QString>

class IApplicationStyles;

class ApplicationStylesIO
{
public:
    static inline const QString kStylesName = QStringLiteral("Styles");

    ApplicationStylesIO(IApplicationStyles& styles, QString productName);

    void LoadApplicationStyles();
    // anew: styles the user no longer has leave the folder; otherwise the styles are written
    // over the folder's files. False (logged) when a style could not be written; the files
    // not yet replaced then stay as they were.
    bool SaveApplicationStyles(bool anew);

    static QString UserStylesFolder();
    QString InstalledStylesFolder() const;

private:
    // The older single-file form: read, written as a folder, and only then removed.
    bool MigrateSingleFileStyles();

    IApplicationStyles& m_styles;
    const QString m_productName;
};
