#pragma once
// One value of an instrument's current state: a number, or none yet.

class ValueCS
{
public:
    ValueCS() = default;
    explicit ValueCS(double value)
        : m_value(value)
        , m_hasValue(true)
    {
    }

    bool HasValue() const { return m_hasValue; }
    // Every value the feed delivers is a number; a value that is missing is not.
    bool IsNumeric() const { return m_hasValue; }
    // 0 when missing.
    double GetDouble() const { return m_value; }

    friend bool operator==(const ValueCS& a, const ValueCS& b) = default;

private:
    double m_value = 0.0;
    bool m_hasValue = false;
};
