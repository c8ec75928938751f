#pragma once
// The value an alert argument had when an alert was generated, kept with the generated
// alert for the module libraries.

#include "platform/modules/AlertExprArgDesc.h"

#include <utility>

class AlertExprArgSnapshot
{
public:
    AlertExprArgSnapshot(AlertExprArgDesc descriptor, double value)
        : m_descriptor(std::move(descriptor))
        , m_value(value)
    {
    }

    const AlertExprArgDesc& GetDescriptor() const { return m_descriptor; }
    double GetValue() const { return m_value; }

private:
    AlertExprArgDesc m_descriptor;
    double m_value = 0.0;
};
