#pragma once
// One element of an XML document, handed out as a shared pointer. It keeps its document's
// data alive, so it stays usable after the XMLDocument that made it is gone. Every failure
// raises InvalidArgException.

#include <QDomElement>
#include <QString>

#include <memory>

class XMLNodesList;

class XMLElement
{
public:
    // The element may be null (no element): every operation then raises.
    explicit XMLElement(const QDomElement& element) : m_element(element) {}

    // The first descendant (document order) with the tag; with mayBeMissing an empty pointer
    // when there is none, otherwise InvalidArgException.
    std::shared_ptr<XMLElement> GetElement(const QString& tagName, bool mayBeMissing) const;
    // Every descendant element with the tag, in document order.
    std::shared_ptr<XMLNodesList> GetElementsByTagName(const QString& tagName) const;
    // The child nodes of every kind (elements, text, ...).
    std::shared_ptr<XMLNodesList> GetChildNodes() const;
    void AppendChild(const std::shared_ptr<XMLElement>& child);
    // The text of the element and its whole subtree.
    QString GetText() const;
    // Replaces the element's content by the text.
    void SetText(const QString& text);
    // The element and its subtree as XML, without added whitespace.
    QString GetXml() const;

    const QDomElement& DomElement() const { return m_element; }

private:
    const QDomElement& Checked(const char* operation) const;

    QDomElement m_element;
};
