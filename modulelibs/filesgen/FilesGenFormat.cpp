#include "modulelibs/filesgen/FilesGenFormat.h"

#include "platform/modules/SeriesIds.h"

#include <algorithm>

namespace
{
QString SafeName(const QString& ticker)
{
    QString name = ticker.isEmpty() ? QStringLiteral("instrument") : ticker;
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 32)
            c = QLatin1Char('_');
    return name;
}

QString Price(double value)
{
    return QString::number(value, 'f', 4);
}

QString Date(const QDateTime& time)
{
    return time.date().toString(QStringLiteral("yyyyMMdd"));
}

QString Time(const QDateTime& time)
{
    return time.time().toString(QStringLiteral("HHmmss"));
}
}

QString FilesGenFormat::CurrentFileName(const Asset& asset)
{
    return SafeName(asset.GetShortName()) + QStringLiteral(".txt");
}

QString FilesGenFormat::HistoryFileName(const Asset& asset)
{
    return SafeName(asset.GetShortName()) + QStringLiteral("_historia.txt");
}

QByteArray FilesGenFormat::CurrentData(const Asset& asset, const CurrentState& state)
{
    const QDateTime time = state.GetTime().ToQDateTime();
    const QString header = QStringLiteral("Instrument;Data;Czas;Kurs;Zmiana%;Wolumen;Otwarcie;Max;Min;Odniesienie;"
                                          "Wolumen razem;Obrot;Kupno;Sprzedaz\n");
    QStringList cells{asset.GetShortName(), Date(time), Time(time)};
    for (const ESeriesID series : {SeriesIds::kPrice, SeriesIds::kChangePercent, SeriesIds::kVolume, SeriesIds::kOpen,
                                   SeriesIds::kHigh, SeriesIds::kLow, SeriesIds::kReference, SeriesIds::kTotalVolume,
                                   SeriesIds::kTurnover, SeriesIds::kBidPrice1, SeriesIds::kAskPrice1})
    {
        const ValueCS* value = state.Find(series);
        // A series without a value yet (no opening before the first transaction) stays empty.
        const bool volume = series == SeriesIds::kVolume || series == SeriesIds::kTotalVolume;
        cells << (value && value->HasValue() ? QString::number(value->GetDouble(), 'f', volume ? 0 : 4) : QString());
    }
    return (header + cells.join(QLatin1Char(';')) + QLatin1Char('\n')).toUtf8();
}

bool FilesGenFormat::HasBarsWithin(const std::vector<PriceBar>& bars, const QDateTime& from, const QDateTime& to)
{
    return std::any_of(bars.begin(), bars.end(), [&](const PriceBar& bar) {
        const QDateTime time = bar.time.ToQDateTime();
        return time >= from && time <= to;
    });
}

QByteArray FilesGenFormat::History(const Asset& asset, const std::vector<PriceBar>& bars, const QDateTime& from,
                                   const QDateTime& to)
{
    QString text = QStringLiteral("Instrument;Data;Otwarcie;Max;Min;Zamkniecie;Wolumen\n");
    for (const PriceBar& bar : bars)
    {
        const QDateTime time = bar.time.ToQDateTime();
        if (time < from || time > to)
            continue;
        text += QStringList{asset.GetShortName(), Date(time), Price(bar.open), Price(bar.high), Price(bar.low),
                            Price(bar.close), QString::number(bar.volume, 'f', 0)}
                    .join(QLatin1Char(';'));
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}
