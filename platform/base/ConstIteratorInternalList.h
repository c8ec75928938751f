#pragma once
// A read-only walk over a list that an object keeps private. The owner gives access to the
// list through InternalContainer() (declaring this template its friend when that is private)
// and may hand out an iterator at a found item through the protected constructor. A new
// iterator stands at the end: First() starts the walk, which follows the list's order.

#include <cassert>
#include <list>

template <class TOwner, class TItem>
class ConstIteratorInternalList
{
public:
    using Container = std::list<TItem>;

    explicit ConstIteratorInternalList(const TOwner& owner) : m_owner(&owner), m_position(List().end()) {}
    ConstIteratorInternalList(const ConstIteratorInternalList&) = default;
    ConstIteratorInternalList& operator=(const ConstIteratorInternalList&) = default;
    virtual ~ConstIteratorInternalList() = default;

    void First() { m_position = List().begin(); }
    // At the end it stays there (and asserts in a debug build).
    void Next()
    {
        assert(IsNotEnd());
        if (IsNotEnd())
            ++m_position;
    }
    bool IsEnd() const { return m_position == List().end(); }
    bool IsNotEnd() const { return !IsEnd(); }
    // The item; only at an item.
    const TItem& Value() const
    {
        assert(IsNotEnd());
        return *m_position;
    }

protected:
    ConstIteratorInternalList(const TOwner* owner, typename Container::const_iterator position)
        : m_owner(owner), m_position(position)
    {
    }

private:
    const Container& List() const { return m_owner->InternalContainer(); }

    const TOwner* m_owner;
    typename Container::const_iterator m_position;
};
