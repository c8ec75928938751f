#pragma once
// A list of XML nodes (the children of an element, or the elements found by tag name),
// handed out as a shared pointer. Every failure raises InvalidArgException.

#include <QDomNodeList>

#include <cstdint>
#include <memory>

class XMLElement;

class XMLNodesList
{
public:
    explicit XMLNodesList(const QDomNodeList& list) : m_list(list) {}

    std::int32_t GetLength() const;
    // The node at the index, which must exist and be an element.
    std::shared_ptr<XMLElement> GetItem(std::int32_t index) const;

private:
    QDomNodeList m_list;
};
