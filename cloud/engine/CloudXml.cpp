#include "cloud/engine/CloudXml.h"

#include "core/engine/XMLElement.h"
#include "core/engine/XMLNodesList.h"

#include <QDomNode>

#include <algorithm>
#include <cmath>
#include <limits>

namespace CloudXml
{
std::shared_ptr<XMLElement> Find(const XMLElement& element, const QString& tag)
{
    return element.GetElement(tag, true);
}

std::optional<QString> Text(const XMLElement& element, const QString& tag)
{
    if (const std::shared_ptr<XMLElement> found = Find(element, tag))
        return found->GetText();
    return std::nullopt;
}

std::optional<std::int32_t> Number(const XMLElement& element, const QString& tag)
{
    if (const std::optional<QString> text = Text(element, tag))
        return ToNumber(*text);
    return std::nullopt;
}

std::optional<double> Decimal(const XMLElement& element, const QString& tag)
{
    if (const std::optional<QString> text = Text(element, tag))
        return ToDecimal(*text);
    return std::nullopt;
}

std::vector<std::shared_ptr<XMLElement>> ChildElements(const XMLElement& element)
{
    std::vector<std::shared_ptr<XMLElement>> children;
    for (QDomNode node = element.DomElement().firstChild(); !node.isNull(); node = node.nextSibling())
        if (node.isElement())
            children.push_back(std::make_shared<XMLElement>(node.toElement()));
    return children;
}

std::int32_t ToNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i].unicode() - u'0'));
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

double ToDecimal(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}
}
