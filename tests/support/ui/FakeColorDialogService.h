#pragma once
// Records the colours the dialog was opened with and answers the colour set (cancel when none).

#include "platform/ui/IColorDialogService.h"

#include <vector>

class FakeColorDialogService : public IColorDialogService
{
public:
    std::optional<QColor> ChooseColor(const QColor& current) override
    {
        m_opened.push_back(current);
        return m_answer;
    }

    void SetAnswer(std::optional<QColor> colour) { m_answer = colour; }
    const std::vector<QColor>& Opened() const { return m_opened; }

private:
    std::optional<QColor> m_answer;
    std::vector<QColor> m_opened;
};
