#pragma once
// The receivers of one kind of delivery. The owner guards the list with its lock, and delivers
// while it holds that lock. A receiver removed during a delivery (by itself, on the delivering
// thread) gets nothing more from that moment and is dropped once the delivery ends; one added
// during a delivery gets the next one. A delivery of several calls asks between them whether
// the receiver is still there.

#include <algorithm>
#include <cstddef>
#include <vector>

template <typename Receiver>
class ReceiverList
{
public:
    // Tells a delivery of several calls whether its receiver is still in the list.
    class Presence
    {
    public:
        Presence(const std::vector<Receiver*>& items, std::size_t index)
            : m_items(items)
            , m_index(index)
        {
        }
        bool operator()() const { return m_items[m_index] != nullptr; }

    private:
        const std::vector<Receiver*>& m_items;
        std::size_t m_index;
    };

    bool Add(Receiver* receiver)
    {
        if (!receiver || Contains(receiver))
            return false;
        m_items.push_back(receiver);
        return true;
    }

    bool Remove(Receiver* receiver)
    {
        const auto found = std::find(m_items.begin(), m_items.end(), receiver);
        if (!receiver || found == m_items.end())
            return false;
        if (m_delivering > 0)
            *found = nullptr;
        else
            m_items.erase(found);
        return true;
    }

    bool Contains(Receiver* receiver) const
    {
        return receiver && std::find(m_items.begin(), m_items.end(), receiver) != m_items.end();
    }

    // deliver(receiver, presence) for every receiver.
    template <typename Deliver>
    void ForEach(Deliver&& deliver)
    {
        ++m_delivering;
        const std::size_t count = m_items.size();
        for (std::size_t i = 0; i < count; ++i)
            if (Receiver* receiver = m_items[i])
                deliver(*receiver, Presence(m_items, i));
        if (--m_delivering == 0)
            m_items.erase(std::remove(m_items.begin(), m_items.end(), nullptr), m_items.end());
    }

    bool Empty() const { return m_items.empty(); }

    // Empties the list; during a delivery every receiver gets nothing more from that moment.
    void Clear()
    {
        if (m_delivering > 0)
            std::fill(m_items.begin(), m_items.end(), nullptr);
        else
            m_items.clear();
    }

private:
    std::vector<Receiver*> m_items;
    int m_delivering = 0;
};
