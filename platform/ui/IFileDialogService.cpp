#include "platform/ui/IFileDialogService.h"

#include "platform/ui/FileFilter.h"

#include <QFileInfo>

std::optional<FileDialogChoice> IFileDialogService::GetSaveFileNameAndFilter(const FileDialogRequest& request)
{
    const std::optional<QString> path = GetSaveFileName(request);
    if (!path)
        return std::nullopt;
    return FileDialogChoice{*path, FileFilter::IndexOfMatch(request.filter, QFileInfo(*path).fileName())};
}
