#include "alerts/engine/Argument.h"

#include "platform/base/SafeAutoLock.h"

#include <utility>

Argument::Argument(AlertExprArgDesc descriptor)
    : m_descriptor(std::move(descriptor))
{
}

bool Argument::InUse() const
{
    const SafeAutoLock lock(m_lock, "Argument::InUse", "Argument");
    return m_instanceCount > 0;
}

std::uint32_t Argument::InstanceCount() const
{
    const SafeAutoLock lock(m_lock, "Argument::InstanceCount", "Argument");
    return m_instanceCount;
}

void Argument::IncrementInstanceCount()
{
    const SafeAutoLock lock(m_lock, "Argument::IncrementInstanceCount", "Argument");
    ++m_instanceCount;
}

bool Argument::DecrementInstanceCount()
{
    const SafeAutoLock lock(m_lock, "Argument::DecrementInstanceCount", "Argument");
    if (m_instanceCount == 0)
        return false;
    if (--m_instanceCount == 0)
        m_initialised.store(false, std::memory_order_release);
    return true;
}

bool Argument::SetValueInUse(int precision, double value)
{
    const SafeAutoLock lock(m_lock, "Argument::SetValue", "Argument");
    if (m_instanceCount == 0)
        return false;
    m_precision = precision;
    m_value.store(value, std::memory_order_release);
    m_initialised.store(true, std::memory_order_release);
    return true;
}

int Argument::GetPrecision() const
{
    const SafeAutoLock lock(m_lock, "Argument::GetValue", "Argument");
    return m_precision;
}

void Argument::SetRegistered(bool registered)
{
    const SafeAutoLock lock(m_lock, "Argument::SetRegistered", "Argument");
    m_registered.store(registered, std::memory_order_release);
}
