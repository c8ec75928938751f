#include "platform/ui/QtFileDialogService.h"

#include "platform/ui/FileFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace
{
std::optional<FileDialogChoice> Run(const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = FileFilter::ToQtFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (QFileInfo(request.fileName).isDir())
        dialog.setDirectory(request.fileName);
    else if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype filter = filters.indexOf(dialog.selectedNameFilter());
    return FileDialogChoice{dialog.selectedFiles().constFirst(), filter < 0 ? 1 : static_cast<int>(filter) + 1};
}

std::optional<QString> PathOf(const std::optional<FileDialogChoice>& choice)
{
    return choice ? std::optional<QString>(choice->path) : std::nullopt;
}
}

std::optional<QString> QtFileDialogService::GetOpenFileName(const FileDialogRequest& request)
{
    return PathOf(Run(request, QFileDialog::AcceptOpen));
}

std::optional<QString> QtFileDialogService::GetSaveFileName(const FileDialogRequest& request)
{
    return PathOf(Run(request, QFileDialog::AcceptSave));
}

std::optional<FileDialogChoice> QtFileDialogService::GetSaveFileNameAndFilter(const FileDialogRequest& request)
{
    return Run(request, QFileDialog::AcceptSave);
}
