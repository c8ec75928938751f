#pragma once
// A pen or a font that a style hands out or takes by parameter id. Styles keep their own
// copies: a GdiObject is a value, so changing one never reaches into a style.

#include "platform/base/LogFont.h"
#include "platform/base/LogPen.h"

#include <optional>
#include <variant>

class GdiObject
{
public:
    GdiObject() = default;
    GdiObject(const LogPen& pen) : m_object(pen) {}
    GdiObject(const LogFont& font) : m_object(font) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(m_object); }
    bool IsPen() const { return std::holds_alternative<LogPen>(m_object); }
    bool IsFont() const { return std::holds_alternative<LogFont>(m_object); }
    // Null when the object is of the other kind or empty. Styles hand GdiObjects out by value, so
    // a temporary gives a copy: a pointer into it would dangle once the expression ends.
    const LogPen* Pen() const& { return std::get_if<LogPen>(&m_object); }
    const LogFont* Font() const& { return std::get_if<LogFont>(&m_object); }
    std::optional<LogPen> Pen() const&& { return Copy<LogPen>(); }
    std::optional<LogFont> Font() const&& { return Copy<LogFont>(); }

    friend bool operator==(const GdiObject&, const GdiObject&) = default;

private:
    template <typename T>
    std::optional<T> Copy() const
    {
        if (const T* object = std::get_if<T>(&m_object))
            return *object;
        return std::nullopt;
    }

    std::variant<std::monostate, LogPen, LogFont> m_object;
};
