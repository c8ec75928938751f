#pragma once
// The open and save dialogs for window files and desktop files. Each starts in the folder the
// user last chose for its kind of file, kept in the application profile (section
// "PathSettings"), else in the product's folder in the user's documents ("Okna" or "Pulpity"),
// which is made when missing; after OK the chosen file's folder is kept for the next time.
// Main thread only.

#include <QString>

class AppFileDialogs
{
public:
    static inline const QString kDesktopFilter =
        QStringLiteral("Pliki stanu pulpitu (*.q4s)|*.q4s|Wszystkie pliki (*.*)|*.*||");
    // Opening offers desktop files only: an export to the next-generation format is no desktop.
    static inline const QString kOpenDesktopFilter = QStringLiteral("Pliki stanu pulpitu (*.q4s)|*.q4s||");
    static inline const QString kDesktopExtension = QStringLiteral(".q4s");
    static inline const QString kWindowsFolder = QStringLiteral("Okna");
    static inline const QString kDesktopsFolder = QStringLiteral("Pulpity");
    static inline const QString kProfileSection = QStringLiteral("PathSettings");
    static inline const QString kLastObjectPath = QStringLiteral("LastObjectPath");
    static inline const QString kLastDesktopPath = QStringLiteral("LastDesktopPath");

    explicit AppFileDialogs(QString productName);

    // filter as "Description (*.ext)|*.ext|...||", extension with its dot. True on OK, with
    // the path and whether the second filter was chosen (a window file with its styles).
    bool ShowSaveWindowFileDialog(const QString& filter, const QString& defaultExtension, const QString& fileName,
                                  QString& path, bool& secondFilter);
    bool ShowOpenWindowFileDialog(const QString& filter, const QString& defaultExtension, QString& path);
    bool ShowSaveDesktopFileDialog(const QString& filter, const QString& defaultExtension, QString& path,
                                   bool& secondFilter);
    bool ShowOpenDesktopFileDialog(QString& path);

    // The folder a dialog of that profile key starts in.
    QString StartFolder(const QString& profileKey, const QString& defaultSubFolder) const;

private:
    bool ShowSave(const QString& profileKey, const QString& defaultSubFolder, const QString& filter,
                  const QString& defaultExtension, const QString& fileName, QString& path, bool& secondFilter);
    bool ShowOpen(const QString& profileKey, const QString& defaultSubFolder, const QString& filter,
                  const QString& defaultExtension, QString& path);
    void KeepFolder(const QString& profileKey, const QString& path) const;

    const QString m_productName;
};
