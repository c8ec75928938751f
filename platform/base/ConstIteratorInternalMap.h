#pragma once
// A read-only walk over a map that an object keeps private. The owner gives access to the map
// through InternalContainer() (declaring this template its friend when that is private) and
// may hand out an iterator at a found element through the protected constructor. A new
// iterator stands at the end: First() starts the walk, which follows ascending keys.

#include <cassert>
#include <map>

template <class TOwner, class TKey, class TValue>
class ConstIteratorInternalMap
{
public:
    using Container = std::map<TKey, TValue>;

    explicit ConstIteratorInternalMap(const TOwner& owner) : m_owner(&owner), m_position(Map().end()) {}
    ConstIteratorInternalMap(const ConstIteratorInternalMap&) = default;
    ConstIteratorInternalMap& operator=(const ConstIteratorInternalMap&) = default;
    virtual ~ConstIteratorInternalMap() = default;

    void First() { m_position = Map().begin(); }
    // At the end it stays there (and asserts in a debug build).
    void Next()
    {
        assert(IsNotEnd());
        if (IsNotEnd())
            ++m_position;
    }
    bool IsEnd() const { return m_position == Map().end(); }
    bool IsNotEnd() const { return !IsEnd(); }
    // Only at an element.
    const TKey& Key() const
    {
        assert(IsNotEnd());
        return m_position->first;
    }
    const TValue& Value() const
    {
        assert(IsNotEnd());
        return m_position->second;
    }

protected:
    ConstIteratorInternalMap(const TOwner* owner, typename Container::const_iterator position)
        : m_owner(owner), m_position(position)
    {
    }

private:
    const Container& Map() const { return m_owner->InternalContainer(); }

    const TOwner* m_owner;
    typename Container::const_iterator m_position;
};
