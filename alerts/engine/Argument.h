#pragma once
// One alert argument in the registry: its latest value and precision, and how many operands,
// associated arguments and copies use it. Every change takes its own lock, which comes after
// the registry's. The value and the two flags are also readable without the lock: the
// alerts worker reads them for every comparison it tests, and a reading that races with a
// change sees the state just before or just after it.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"

#include <atomic>
#include <cstdint>

class Argument
{
public:
    explicit Argument(AlertExprArgDesc descriptor);
    ~Argument() = default;
    Argument(const Argument&) = delete;
    Argument& operator=(const Argument&) = delete;

    const AlertExprArgDesc& GetDescriptor() const { return m_descriptor; }

    bool InUse() const;
    std::uint32_t InstanceCount() const;
    void IncrementInstanceCount();
    // At 0 the value counts as not arrived again. False when the count was already 0.
    bool DecrementInstanceCount();

    // Stores the value only while the argument is in use; false otherwise.
    bool SetValueInUse(int precision, double value);
    double GetValue() const { return m_value.load(std::memory_order_acquire); }
    int GetPrecision() const;
    bool Initialised() const { return m_initialised.load(std::memory_order_acquire); }

    // Whether the registry still holds this entry; callers that keep the entry between
    // calls look it up again once it has left.
    bool IsRegistered() const { return m_registered.load(std::memory_order_acquire); }
    void SetRegistered(bool registered);
    // The value and its state at one moment, with whether the entry was still registered then.
    struct Reading
    {
        bool registered = false;
        bool initialised = false;
        double value = 0.0;
    };
    Reading Read() const { return Reading{IsRegistered(), Initialised(), GetValue()}; }

private:
    // What a test reads, together.
    std::atomic<double> m_value = 0.0;
    std::atomic<bool> m_initialised = false;
    std::atomic<bool> m_registered = false;
    int m_precision = -1;
    std::uint32_t m_instanceCount = 0;
    const AlertExprArgDesc m_descriptor;
    mutable SafeCriticalSection m_lock{QStringLiteral("Argument::Argument")};
};
