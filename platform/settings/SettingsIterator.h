#pragma once
// A walk over the children of a settings node. The children are taken when the walk is
// made, so adding or detaching children during the walk neither breaks it nor changes
// what it visits; a child stays alive while the walk holds it.

#include <QString>

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

class Settings;

template <class TNode>
class BasicSettingsIterator
{
public:
    struct Entry
    {
        QString name;  // empty for an unnamed child
        std::shared_ptr<TNode> node;
    };

    BasicSettingsIterator() = default;  // a walk over nothing
    explicit BasicSettingsIterator(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    // Steps to the next child; non-zero while a child is current.
    int Iterate()
    {
        if (m_position <= m_entries.size())
            ++m_position;
        return IsOnChild() ? 1 : 0;
    }

    // The current child; the invalid node before the first and after the last step.
    TNode& Node() const
    {
        if (!IsOnChild())
            return std::remove_const_t<TNode>::InvalidVariable();
        return *m_entries[m_position - 1].node;
    }
    operator TNode&() const { return Node(); }

    QString Name() const { return IsOnChild() ? m_entries[m_position - 1].name : QString(); }

    // Ends the walk and lets go of the children.
    void Release()
    {
        m_entries.clear();
        m_position = 0;
    }

private:
    // 0 is before the first child, 1..size on a child, size + 1 past the last one.
    bool IsOnChild() const { return m_position >= 1 && m_position <= m_entries.size(); }

    std::vector<Entry> m_entries;
    std::size_t m_position = 0;
};

using SettingsIterator = BasicSettingsIterator<Settings>;
using ConstSettingsIterator = BasicSettingsIterator<const Settings>;
