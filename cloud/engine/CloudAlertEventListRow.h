#pragma once
// One cloud alert event in the generated-alerts history, beside the local alerts' rows.

#include "alerts/engine/IGeneratedAlertListRow.h"

#include <QDateTime>

#include <optional>

class CloudAlertEventListRow : public IGeneratedAlertListRow
{
public:
    static constexpr std::chrono::milliseconds kHighlightTime{5000};

    CloudAlertEventListRow(std::int32_t alertId, double price, QString alertName, QString instrument, std::int64_t time,
                           std::int32_t precision, std::int32_t side);

    bool IsNameColumn(int column) const override;
    QString GetName() const override;
    QString GetColumnText(int column) const override;
    int GetColumnAlignment(int column) const override;
    int GetAlertType() const override;
    QString GetDisplayText(int column) const override;
    std::uint32_t GetAlertId() const override;
    bool IsCloudRow() const override;
    bool IsHighlightOver(std::chrono::steady_clock::time_point now) override;

    // The time column: the clock time for an event of the local day that holds now, else the date.
    static QString FormatTime(std::int64_t time, const QDateTime& now);

private:
    std::int32_t m_alertId;
    double m_price;
    QString m_alertName;
    QString m_instrument;
    std::int64_t m_time;
    std::int32_t m_precision;
    std::int32_t m_side;
    std::optional<std::chrono::steady_clock::time_point> m_highlightStart;
};
