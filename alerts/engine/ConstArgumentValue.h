#pragma once
// A constant operand of an alert expression: the number the user typed and the precision it
// is shown with. The constant flag tells whether the operand is this constant and not an
// alert argument.

#include <cstdint>

class Settings;

class ConstArgumentValue
{
public:
    ConstArgumentValue() = default;
    ConstArgumentValue(double value, std::uint32_t precision)
        : m_value(value)
        , m_precision(precision)
        , m_constant(true)
    {
    }
    virtual ~ConstArgumentValue() = default;
    ConstArgumentValue(const ConstArgumentValue&) = default;
    ConstArgumentValue& operator=(const ConstArgumentValue&) = default;

    double GetValue() const { return m_value; }
    std::uint32_t GetPrecision() const { return m_precision; }
    bool IsConstant() const { return m_constant; }
    void SetConstant(bool constant) { m_constant = constant; }

    // "ConstArgValue" and "ConstArgPrecision"; false (logged) for an invalid node.
    bool Serialize(Settings& node) const;
    // Reads the keys that are there and makes the operand a constant.
    bool Unserialize(const Settings& node);

private:
    double m_value = 0.0;
    std::uint32_t m_precision = 0;
    bool m_constant = false;
};
