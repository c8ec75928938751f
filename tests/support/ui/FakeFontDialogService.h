#pragma once
// Records the fonts the dialog was opened with and answers the font set (cancel when none).

#include "platform/ui/IFontDialogService.h"

#include <vector>

class FakeFontDialogService : public IFontDialogService
{
public:
    std::optional<QFont> ChooseFont(const QFont& current) override
    {
        m_opened.push_back(current);
        return m_answer;
    }

    void SetAnswer(std::optional<QFont> font) { m_answer = std::move(font); }
    const std::vector<QFont>& Opened() const { return m_opened; }

private:
    std::optional<QFont> m_answer;
    std::vector<QFont> m_opened;
};
