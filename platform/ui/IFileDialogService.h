#pragma once
// Asks the user for a file to open or to save; tests install a fake (DialogServices).

#include <QString>

#include <optional>

struct FileDialogRequest
{
    QString title;
    // The folder to start in, or a file name (with or without folder) to propose.
    QString fileName;
    // Filters written "Description (*.ext)|*.ext|...||" (see FileFilter).
    QString filter;
    // Without the dot; added to a name typed without an extension when saving.
    QString defaultExtension;
};

// The path chosen in a save dialog and the position of the filter chosen with it, from 1.
struct FileDialogChoice
{
    QString path;
    int filterIndex = 1;
};

class IFileDialogService
{
public:
    virtual ~IFileDialogService() = default;
    // The chosen path, empty when the user cancelled.
    virtual std::optional<QString> GetOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> GetSaveFileName(const FileDialogRequest& request) = 0;
    // As GetSaveFileName, with the filter chosen. A dialog that cannot tell which filter was
    // chosen answers the first whose patterns the file name matches (1 when none does).
    virtual std::optional<FileDialogChoice> GetSaveFileNameAndFilter(const FileDialogRequest& request);
};
