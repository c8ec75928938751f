#include "core/mediator/ProgressCounter.h"

#include <cstdint>
#include <limits>

void ProgressCounter::AddToDo(unsigned count)
{
    // A count that would wrap round stays at the greatest one.
    m_toDo = count > std::numeric_limits<unsigned>::max() - m_toDo ? std::numeric_limits<unsigned>::max() : m_toDo + count;
}

void ProgressCounter::AddDone(unsigned count)
{
    m_done = count > m_toDo - m_done ? m_toDo : m_done + count;
}

std::optional<int> ProgressCounter::Percentage() const
{
    if (m_done == m_toDo || m_toDo == 0)
        return std::nullopt;
    // In 64 bits: done * 100 does not fit 32 bits above about 42.9 million operations.
    return static_cast<int>(std::uint64_t{m_done} * 100u / m_toDo);
}

void ProgressCounter::Reset()
{
    m_toDo = 0;
    m_done = 0;
}
