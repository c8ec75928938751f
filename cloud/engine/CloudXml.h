#pragma once
// Reading the server's XML: values looked up by tag anywhere below an element, where a missing
// element means "no value", and numbers read the way the server writes them.

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class XMLElement;

namespace CloudXml
{
// The first element with the tag below the element; null when there is none.
std::shared_ptr<XMLElement> Find(const XMLElement& element, const QString& tag);
std::optional<QString> Text(const XMLElement& element, const QString& tag);
std::optional<std::int32_t> Number(const XMLElement& element, const QString& tag);
std::optional<double> Decimal(const XMLElement& element, const QString& tag);
// The element children in document order; text and other nodes are skipped.
std::vector<std::shared_ptr<XMLElement>> ChildElements(const XMLElement& element);

// A decimal whole number at the start of the text (blanks and a sign allowed before it);
// 0 when the text does not start with one. Out-of-range numbers saturate.
std::int32_t ToNumber(const QString& text);
// A finite decimal number with '.' as the separator; 0 when the text is not one.
double ToDecimal(const QString& text);
}
