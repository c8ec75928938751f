#pragma once
// Records every file dialog request and answers the path set for it (cancel when none).

#include "platform/ui/IFileDialogService.h"

#include <vector>

class FakeFileDialogService : public IFileDialogService
{
public:
    std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override;

    void SetAnswer(std::optional<QString> path) { m_answer = std::move(path); }
    const std::vector<FileDialogRequest>& Requests() const { return m_requests; }

private:
    std::optional<QString> m_answer;
    std::vector<FileDialogRequest> m_requests;
};
