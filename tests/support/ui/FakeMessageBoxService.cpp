#include "tests/support/ui/FakeMessageBoxService.h"

#include "platform/ui/MessageBoxFlags.h"

int FakeMessageBoxService::Show(const QString& caption, const QString& text, std::uint32_t flags)
{
    m_boxes.push_back({caption, text, flags});
    if (m_answers.empty())
        return IDOK;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
