#pragma once
// One item of the overall-statistics bar: a title, the figures of the rising, falling and
// unchanged instruments with their total, and the segments of its bar as last drawn (for
// hit-testing a drag). The three kinds differ in the figure they take from the statistics.

#include "sessionstats/engine/OverallStatisticsWrapper.h"

#include <QRect>
#include <QString>

class OverallWindowItemBase
{
public:
    enum ESegment
    {
        eRising = 0,
        eFalling = 1,
        eUnchanged = 2,
    };

    explicit OverallWindowItemBase(QString title) : m_title(std::move(title)) {}
    virtual ~OverallWindowItemBase() = default;

    // Takes the figures; all four 0 unless the statistics hold all four.
    void Update(const OverallStatisticsWrapper& overall);

    const QString& Title() const { return m_title; }
    double Rising() const { return m_rising; }
    double Falling() const { return m_falling; }
    double Unchanged() const { return m_unchanged; }
    double Total() const { return m_total; }
    void SetValues(double rising, double falling, double unchanged, double total);

    // By ESegment; empty until drawn with a positive total.
    const QRect& SegmentRect(int segment) const { return m_segments[segment]; }
    void SetSegmentRect(int segment, const QRect& rect) { m_segments[segment] = rect; }
    // The segment under the point, tested rising, falling, unchanged; -1 for none.
    int HitTest(const QPoint& point) const;

protected:
    virtual double Figure(const OverallStatisticsWrapper::GeneralData& data) const = 0;

private:
    double m_rising = 0;
    double m_falling = 0;
    double m_unchanged = 0;
    double m_total = 0;
    QString m_title;
    QRect m_segments[3];
};

// "Zmiany": the numbers of instruments.
class AssetsAmountOverallWindowItem : public OverallWindowItemBase
{
public:
    AssetsAmountOverallWindowItem() : OverallWindowItemBase(QStringLiteral("Zmiany")) {}

protected:
    double Figure(const OverallStatisticsWrapper::GeneralData& data) const override { return data.instruments; }
};

// "Obroty": the turnover.
class TurnOverOverallWindowItem : public OverallWindowItemBase
{
public:
    TurnOverOverallWindowItem() : OverallWindowItemBase(QStringLiteral("Obroty")) {}

protected:
    double Figure(const OverallStatisticsWrapper::GeneralData& data) const override { return data.turnover; }
};

// "Transakcje": the numbers of transactions.
class TransactionsCountOverallWindowItem : public OverallWindowItemBase
{
public:
    TransactionsCountOverallWindowItem() : OverallWindowItemBase(QStringLiteral("Transakcje")) {}

protected:
    double Figure(const OverallStatisticsWrapper::GeneralData& data) const override { return data.transactions; }
};
