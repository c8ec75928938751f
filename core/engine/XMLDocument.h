#pragma once
// An XML document for the cloud requests and answers: built element by element or parsed
// from text. Apart from LoadXml, which answers bad text with an empty pointer, every failure
// raises InvalidArgException. A document belongs to the thread that uses it.

#include <QDomDocument>
#include <QString>

#include <memory>

class XMLElement;

class XMLDocument
{
public:
    XMLDocument() = default;

    // Parses the text and gives its root element; text that is not well-formed XML gives an
    // empty pointer and leaves the document empty.
    std::shared_ptr<XMLElement> LoadXml(const QString& text);
    // A new element of this document, not yet placed anywhere.
    std::shared_ptr<XMLElement> CreateElement(const QString& tagName);
    // Appends the element to the document; into an empty one it becomes the root.
    void AppendChild(const std::shared_ptr<XMLElement>& element);
    std::shared_ptr<XMLElement> GetDocumentElement() const;
    QString GetXml() const;

private:
    QDomDocument m_document;
};
