#include "core/engine/XMLDocument.h"

#include "core/engine/InvalidArgException.h"
#include "core/engine/XMLElement.h"

namespace
{
bool IsValidTagName(const QString& name)
{
    if (name.isEmpty() || !(name.front().isLetter() || name.front() == QLatin1Char('_')))
        return false;
    for (const QChar c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-') && c != QLatin1Char('.') &&
            c != QLatin1Char(':'))
            return false;
    return true;
}
}

std::shared_ptr<XMLElement> XMLDocument::LoadXml(const QString& text)
{
    QDomDocument parsed;
    if (!parsed.setContent(text) || parsed.documentElement().isNull())
    {
        m_document = QDomDocument();
        return nullptr;
    }
    m_document = parsed;
    return std::make_shared<XMLElement>(m_document.documentElement());
}

std::shared_ptr<XMLElement> XMLDocument::CreateElement(const QString& tagName)
{
    if (!IsValidTagName(tagName))
        throw InvalidArgException(QStringLiteral("XMLDocument::CreateElement: niedozwolona nazwa \"%1\"").arg(tagName));
    return std::make_shared<XMLElement>(m_document.createElement(tagName));
}

void XMLDocument::AppendChild(const std::shared_ptr<XMLElement>& element)
{
    if (!element || element->DomElement().isNull())
        throw InvalidArgException(QStringLiteral("XMLDocument::AppendChild: brak elementu"));
    if (element->DomElement().ownerDocument() != m_document)
        throw InvalidArgException(QStringLiteral("XMLDocument::AppendChild: element innego dokumentu"));
    if (!m_document.documentElement().isNull())
        throw InvalidArgException(QStringLiteral("XMLDocument::AppendChild: dokument ma już element główny"));
    if (m_document.appendChild(element->DomElement()).isNull())
        throw InvalidArgException(QStringLiteral("XMLDocument::AppendChild: nie udało się dołączyć elementu"));
}

std::shared_ptr<XMLElement> XMLDocument::GetDocumentElement() const
{
    const QDomElement root = m_document.documentElement();
    if (root.isNull())
        throw InvalidArgException(QStringLiteral("XMLDocument::GetDocumentElement: dokument jest pusty"));
    return std::make_shared<XMLElement>(root);
}

QString XMLDocument::GetXml() const
{
    return GetDocumentElement()->GetXml();
}
