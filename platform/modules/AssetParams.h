#pragma once
// What data a provider can deliver for an instrument: transaction records, the current state
// and synchronisation of history. Kinds are bits; 7 is all three.

class AssetParams
{
public:
    static constexpr unsigned kRecord = 1;
    static constexpr unsigned kCurrentState = 2;
    static constexpr unsigned kSynchro = 4;
    static constexpr unsigned kAll = kRecord | kCurrentState | kSynchro;

    AssetParams() = default;
    explicit AssetParams(unsigned kinds)
        : m_kinds(kinds & kAll)
    {
    }

    unsigned Kinds() const { return m_kinds; }
    bool IsSetRecord() const { return (m_kinds & kRecord) != 0; }
    bool IsSetCurrentState() const { return (m_kinds & kCurrentState) != 0; }
    bool IsSetSynchro() const { return (m_kinds & kSynchro) != 0; }

    friend bool operator==(const AssetParams& a, const AssetParams& b) = default;

private:
    unsigned m_kinds = 0;
};
