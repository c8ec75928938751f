#pragma once
// A generated local alert as a row of the history: its name, instrument, value and time texts,
// fixed when it is made where the alert is announced.

#include "alerts/engine/IGeneratedAlertListRow.h"
#include "platform/base/OleDate.h"

#include <optional>

class BLGeneratedAlertDescription : public IGeneratedAlertListRow
{
public:
    static constexpr std::chrono::milliseconds kHighlightTime{5000};

    BLGeneratedAlertDescription(const QString& name, const QString& instrument, double value, int precision,
                                unsigned side, std::uint32_t alertId, const OleDate& time);

    bool IsNameColumn(int column) const override { return column == 0; }
    QString GetName() const override { return GetColumnText(0); }
    QString GetColumnText(int column) const override;
    int GetColumnAlignment(int column) const override { return column == 2 || column == 3 ? 2 : 0; }
    int GetAlertType() const override { return static_cast<int>(m_side); }
    // The same as the column text: the value keeps its order-price name.
    QString GetDisplayText(int column) const override { return GetColumnText(column); }
    std::uint32_t GetAlertId() const override { return m_alertId; }
    bool IsCloudRow() const override { return false; }
    bool IsHighlightOver(std::chrono::steady_clock::time_point now) override;

    double GetValue() const { return m_value; }
    int GetPrecision() const { return m_precision; }

private:
    const QString m_instrument;
    const QString m_valueText;
    const QString m_name;
    const QString m_timeText;
    const double m_value;
    const int m_precision;
    const unsigned m_side;
    const std::uint32_t m_alertId;
    std::optional<std::chrono::steady_clock::time_point> m_firstShown;
};
