#pragma once
// The two counts behind the progress shown on the status bar: operations announced and
// operations finished. Finished operations add up and never pass the announced ones. Not
// thread-safe: the mediator guards it with its lock.

#include <optional>

class ProgressCounter
{
public:
    void AddToDo(unsigned count);
    // Adds to the finished count, clamped to the announced one.
    void AddDone(unsigned count);

    // The whole percentage finished while a batch is under way; none when every announced
    // operation is finished or none was announced.
    std::optional<int> Percentage() const;
    void Reset();

    unsigned ToDo() const { return m_toDo; }
    unsigned Done() const { return m_done; }

private:
    unsigned m_toDo = 0;
    unsigned m_done = 0;
};
