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

class IFileDialogService
{
public:
    virtual ~IFileDialogService() = default;
    // The chosen path, empty when the user cancelled.
    virtual std::optional<QString> GetOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> GetSaveFileName(const FileDialogRequest& request) = 0;
};
