#include "core/engine/XMLElement.h"

#include "core/engine/InvalidArgException.h"
#include "core/engine/XMLNodesList.h"

#include <QTextStream>

std::shared_ptr<XMLElement> XMLElement::GetElement(const QString& tagName, bool mayBeMissing) const
{
    const std::shared_ptr<XMLNodesList> found = GetElementsByTagName(tagName);
    if (mayBeMissing && found->GetLength() == 0)
        return nullptr;
    return found->GetItem(0);
}

std::shared_ptr<XMLNodesList> XMLElement::GetElementsByTagName(const QString& tagName) const
{
    return std::make_shared<XMLNodesList>(Checked("GetElementsByTagName").elementsByTagName(tagName));
}

std::shared_ptr<XMLNodesList> XMLElement::GetChildNodes() const
{
    return std::make_shared<XMLNodesList>(Checked("GetChildNodes").childNodes());
}

void XMLElement::AppendChild(const std::shared_ptr<XMLElement>& child)
{
    const QDomElement& element = Checked("AppendChild");
    if (!child || child->m_element.isNull())
        throw InvalidArgException(QStringLiteral("XMLElement::AppendChild: brak elementu potomnego"));
    if (child->m_element.ownerDocument() != element.ownerDocument())
        throw InvalidArgException(QStringLiteral("XMLElement::AppendChild: element innego dokumentu"));
    // An element cannot go below itself or one of its descendants.
    for (QDomNode node = element; !node.isNull(); node = node.parentNode())
        if (node == child->m_element)
            throw InvalidArgException(QStringLiteral("XMLElement::AppendChild: element nie może zawierać siebie"));
    if (m_element.appendChild(child->m_element).isNull())
        throw InvalidArgException(QStringLiteral("XMLElement::AppendChild: nie udało się dołączyć elementu"));
}

QString XMLElement::GetText() const
{
    return Checked("GetText").text();
}

void XMLElement::SetText(const QString& text)
{
    Checked("SetText");
    while (m_element.hasChildNodes())
        m_element.removeChild(m_element.firstChild());
    m_element.appendChild(m_element.ownerDocument().createTextNode(text));
}

QString XMLElement::GetXml() const
{
    QString xml;
    QTextStream stream(&xml);
    Checked("GetXml").save(stream, -1);
    stream.flush();
    return xml;
}

const QDomElement& XMLElement::Checked(const char* operation) const
{
    if (m_element.isNull())
        throw InvalidArgException(QStringLiteral("XMLElement::%1: brak elementu").arg(QLatin1String(operation)));
    return m_element;
}
