#include "core/engine/XMLNodesList.h"

#include "core/engine/InvalidArgException.h"
#include "core/engine/XMLElement.h"

std::int32_t XMLNodesList::GetLength() const
{
    return static_cast<std::int32_t>(m_list.length());
}

std::shared_ptr<XMLElement> XMLNodesList::GetItem(std::int32_t index) const
{
    if (index < 0 || index >= GetLength())
        throw InvalidArgException(QStringLiteral("XMLNodesList::GetItem: brak węzła o indeksie %1").arg(index));
    const QDomNode node = m_list.item(index);
    if (!node.isElement())
        throw InvalidArgException(QStringLiteral("XMLNodesList::GetItem: węzeł %1 nie jest elementem").arg(index));
    return std::make_shared<XMLElement>(node.toElement());
}
