#pragma once
// Records every message box and answers from a queue (IDOK when the queue is empty).

#include "platform/ui/IMessageBoxService.h"

#include <deque>
#include <vector>

class FakeMessageBoxService : public IMessageBoxService
{
public:
    struct Shown
    {
        QString caption;
        QString text;
        std::uint32_t flags;
    };

    int Show(const QString& caption, const QString& text, std::uint32_t flags) override;

    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& Boxes() const { return m_boxes; }

private:
    std::vector<Shown> m_boxes;
    std::deque<int> m_answers;
};
