#pragma once
// One delivered value of an alert argument: the number, the precision it is shown with and
// the time of the data it comes from.

#include "platform/base/OleDate.h"
#include "platform/modules/AlertPrecision.h"

class AlertExprArgValue
{
public:
    AlertExprArgValue() = default;
    AlertExprArgValue(double value, int precision, const OleDate& timestamp)
        : m_value(value)
        , m_precision(precision)
        , m_timestamp(timestamp)
    {
    }

    double Value() const { return m_value; }
    int Precision() const { return m_precision; }
    const OleDate& Timestamp() const { return m_timestamp; }

private:
    double m_value = 0.0;
    int m_precision = ePrecisionUnknown;
    OleDate m_timestamp;
};
