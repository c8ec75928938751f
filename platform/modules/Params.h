#pragma once
// What a chart's data request and its shown range have in common: the kinds of data asked for, in
// the order they were added, and the range of dates they cover. A request without kinds is an
// older one that knew only bar counts: it stays live.

#include "platform/modules/AssetParams.h"

#include <QDate>

#include <vector>

class Params
{
public:
    // Kinds of data, as bits: the live ones an instrument offers, and its history.
    static constexpr unsigned kLiveKinds = AssetParams::kAll;
    static constexpr unsigned kHistory = 8;

    // Adds each bit of kind not yet present, lowest first.
    void AddKindData(unsigned kind);
    unsigned GetKindData() const;
    const std::vector<unsigned>& GetKindsInOrder() const { return m_kinds; }
    // Live quotes follow the chart: a range reaching today, or a request that names no kinds.
    bool IsLive() const { return m_kinds.empty() || (GetKindData() & kLiveKinds) != 0; }

    void SetDateRange(const QDate& from, const QDate& to);
    const QDate& GetDateFrom() const { return m_dateFrom; }
    const QDate& GetDateTo() const { return m_dateTo; }
    bool HasDateRange() const { return m_dateFrom.isValid() && m_dateTo.isValid(); }

protected:
    Params() = default;

private:
    std::vector<unsigned> m_kinds;
    QDate m_dateFrom;
    QDate m_dateTo;
};
