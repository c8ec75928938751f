#include "tests/support/ui/FakeFileDialogService.h"

std::optional<QString> FakeFileDialogService::GetOpenFileName(const FileDialogRequest& request)
{
    m_requests.push_back(request);
    return m_answer;
}

std::optional<QString> FakeFileDialogService::GetSaveFileName(const FileDialogRequest& request)
{
    m_requests.push_back(request);
    return m_answer;
}
