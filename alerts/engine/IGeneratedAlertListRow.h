#pragma once
// A row of the generated-alerts history: a generated local alert or an event of a cloud alert.
// Texts are fixed when the row is made; any thread may read them.

#include <QString>

#include <chrono>
#include <cstdint>

class IGeneratedAlertListRow
{
public:
    virtual ~IGeneratedAlertListRow() = default;

    virtual bool IsNameColumn(int column) const = 0;
    virtual QString GetName() const = 0;
    // 0 name, 1 instrument, 2 value, 3 time.
    virtual QString GetColumnText(int column) const = 0;
    // 2 right-aligned, 0 left.
    virtual int GetColumnAlignment(int column) const = 0;
    // 0 sell, 1 buy, 2 neither.
    virtual int GetAlertType() const = 0;
    virtual QString GetDisplayText(int column) const = 0;
    virtual std::uint32_t GetAlertId() const = 0;
    virtual bool IsCloudRow() const = 0;
    // The first call stamps the time and answers false; later ones answer true once the row
    // has been shown for longer than the highlight lasts.
    virtual bool IsHighlightOver(std::chrono::steady_clock::time_point now) = 0;
};
