#pragma once
// A whole-number field with limits: it takes digits only, knows whether its number lies within
// the limits, and marks itself when asked to check an invalid number.

#include <QLineEdit>

#include <cstdint>

class NumberEditCtrl : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumberEditCtrl(QWidget* parent = nullptr);

    void SetLimits(std::int64_t lower, std::int64_t upper);
    std::int64_t GetLower() const { return m_lower; }
    std::int64_t GetUpper() const { return m_upper; }
    // 0 when the text is no number.
    std::int64_t GetValue() const;
    void SetValue(std::int64_t value);
    bool IsValid() const;
    // Marks the field when its number is invalid (until the next change) and says whether it was valid.
    bool CheckAndMark();

private:
    void Mark(bool invalid);

    std::int64_t m_lower = 0;
    std::int64_t m_upper = 0xFFFFFFFF;
};
