#pragma once
// A first-in first-out queue that producers on any thread fill and a worker drains,
// guarded by its own named lock.

#include "platform/base/SafeAutoLock.h"
#include "platform/base/SafeCriticalSection.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

template <typename T>
class ThreadSafeQueue
{
public:
    void PushBack(T item)
    {
        const SafeAutoLock lock(m_itemsLock, "ThreadSafeQueue::PushBack", "ThreadSafeQueue.h");
        m_items.push_back(std::move(item));
    }

    // The oldest item, taken out of the queue; empty when there is none.
    std::optional<T> PopFront()
    {
        const SafeAutoLock lock(m_itemsLock, "ThreadSafeQueue::PopFront", "ThreadSafeQueue.h");
        if (m_items.empty())
            return std::nullopt;
        std::optional<T> item(std::move(m_items.front()));
        m_items.pop_front();
        return item;
    }

    void Clear()
    {
        const SafeAutoLock lock(m_itemsLock, "ThreadSafeQueue::Clear", "ThreadSafeQueue.h");
        m_items.clear();
    }

    std::size_t Size() const
    {
        const SafeAutoLock lock(m_itemsLock, "ThreadSafeQueue::Size", "ThreadSafeQueue.h");
        return m_items.size();
    }

    bool Empty() const
    {
        const SafeAutoLock lock(m_itemsLock, "ThreadSafeQueue::Empty", "ThreadSafeQueue.h");
        return m_items.empty();
    }

private:
    mutable SafeCriticalSection m_itemsLock{QStringLiteral("ThreadSafeQueue::itemsLock")};
    std::deque<T> m_items;
};
