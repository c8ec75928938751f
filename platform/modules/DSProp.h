#pragma once
// The properties of one data series of the market data (price, volume, the offers...): its id,
// its label and how its values are shown. The application keeps the set of all series, and
// every provider tells which series it delivers for an instrument.

#include <QString>

#include <compare>

using ESeriesID = int;
// Decimal places; -1 leaves the choice to the window.
using EPrecision = int;
using EAggrType = int;

class DSProp
{
public:
    static constexpr EPrecision kDefaultPrecision = -1;
    static constexpr EAggrType kDefaultAggrType = 4;

    DSProp() = default;
    DSProp(ESeriesID seriesId, QString label, EPrecision precision = kDefaultPrecision,
           EAggrType aggrType = kDefaultAggrType, EPrecision minPrecision = 0);

    ESeriesID GetSeriesID() const { return m_seriesId; }
    const QString& GetLabel() const { return m_label; }
    EPrecision GetPrecision() const { return m_precision; }
    // The fewest decimal places a value of the series is shown with.
    EPrecision GetMinPrecision() const { return m_minPrecision; }
    EAggrType GetAggrType() const { return m_aggrType; }

    bool EqualsLabels(const DSProp& other) const { return m_label == other.m_label; }

    // Series are told apart by id, then by label; precisions do not make another series.
    friend bool operator==(const DSProp& a, const DSProp& b);
    friend std::strong_ordering operator<=>(const DSProp& a, const DSProp& b);

private:
    ESeriesID m_seriesId = 0;
    QString m_label;
    EPrecision m_precision = kDefaultPrecision;
    EAggrType m_aggrType = kDefaultAggrType;
    EPrecision m_minPrecision = 0;
};
