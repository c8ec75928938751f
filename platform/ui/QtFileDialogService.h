#pragma once
// The real file dialogs: QFileDialog over the active window.

#include "platform/ui/IFileDialogService.h"

class QtFileDialogService : public IFileDialogService
{
public:
    std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override;
    std::optional<FileDialogChoice> GetSaveFileNameAndFilter(const FileDialogRequest& request) override;
};
