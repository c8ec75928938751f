#pragma once
// What a window's summary asks a price level to count: a band of a fraction around the current
// value (kind 0) or the orders up to the session's fixed price limit (any other kind). The
// window changes it on the main thread while the processing thread reads it, so both values
// are atomic; the price levels share it, so a closed window never leaves them a dangling one.

#include <atomic>

class PriceLevelElement
{
public:
    static constexpr int kBandKind = 0;

    PriceLevelElement(int kind, float fraction)
        : m_kind(kind)
        , m_fraction(fraction)
    {
    }

    int GetKind() const { return m_kind.load(); }
    float GetFraction() const { return m_fraction.load(); }
    void Set(int kind, float fraction)
    {
        m_kind.store(kind);
        m_fraction.store(fraction);
    }

private:
    std::atomic<int> m_kind;
    std::atomic<float> m_fraction;
};
