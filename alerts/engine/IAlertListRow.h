#pragma once
// A row of the defined-alerts list: a local alert (kind 1) or a cloud alert (kind 2).

#include <QString>

#include <cstdint>

class IAlertListRow
{
public:
    static constexpr int kLocalRow = 1;
    static constexpr int kCloudRow = 2;

    virtual ~IAlertListRow() = default;

    // 0 name, 1 instrument.
    virtual QString GetColumnText(int column) const = 0;
    // Reads the row's fields again from where the alert lives.
    virtual void Refresh() = 0;
    virtual std::uint32_t GetAlertId() const = 0;
    virtual bool IsInstrumentListed() const = 0;
    virtual bool IsAlertActive() const = 0;
    virtual int GetRowKind() const = 0;
};
