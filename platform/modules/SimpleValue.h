#pragma once
// A value of the transactions monitor's active object: nothing, a boolean or an integer, read
// as either.

#include <variant>

class SimpleValue
{
public:
    SimpleValue() = default;
    explicit SimpleValue(bool value) : m_value(value) {}
    explicit SimpleValue(int value) : m_value(value) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool AsBool() const
    {
        if (const bool* value = std::get_if<bool>(&m_value))
            return *value;
        const int* number = std::get_if<int>(&m_value);
        return number && *number != 0;
    }
    int AsInt() const
    {
        if (const int* value = std::get_if<int>(&m_value))
            return *value;
        const bool* flag = std::get_if<bool>(&m_value);
        return flag && *flag ? 1 : 0;
    }

private:
    std::variant<std::monostate, bool, int> m_value;
};
