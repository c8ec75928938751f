#include "core/mediator/AllSeries.h"

#include "platform/modules/ProviderBase.h"

#include <QSet>

namespace AllSeries
{
namespace
{
std::vector<DSProp> MakeStandardSeries()
{
    std::vector<DSProp> series = {
        {1, QStringLiteral("Czas")},           {2, QStringLiteral("Kurs")},      {3, QStringLiteral("Wolumen")},
        {4, QStringLiteral("LOP")},            {5, QStringLiteral("TKO")},       {9, QStringLiteral("Otwarcie")},
        {10, QStringLiteral("Maksimum")},      {11, QStringLiteral("Minimum")},  {12, QStringLiteral("Zamknięcie")},
        {13, QStringLiteral("Odniesienie")},   {14, QStringLiteral("Obrót")},    {15, QStringLiteral("Wolumen razem")},
    };
    // Five levels of each side of the offers, ids from 20 in steps of five.
    const QString offerLabels[] = {QStringLiteral("Oferta kupna %1"),          QStringLiteral("Oferta sprzedaży %1"),
                                   QStringLiteral("Wolumen oferty kupna %1"),  QStringLiteral("Wolumen oferty sprzedaży %1"),
                                   QStringLiteral("Liczba ofert kupna %1"),    QStringLiteral("Liczba ofert sprzedaży %1")};
    ESeriesID id = 20;
    for (const QString& label : offerLabels)
        for (int level = 1; level <= 5; ++level)
            series.emplace_back(id++, label.arg(level));
    series.emplace_back(51, QStringLiteral("TWO"));
    return series;
}
}

const std::vector<DSProp>& StandardSeries()
{
    static const std::vector<DSProp> series = MakeStandardSeries();
    return series;
}

std::set<DSProp> Build(const std::vector<ProviderBase*>& providers)
{
    std::set<DSProp> all(StandardSeries().begin(), StandardSeries().end());
    QSet<QString> labels;
    for (const DSProp& series : all)
        labels.insert(series.GetLabel());
    for (const ProviderBase* provider : providers)
        for (const DSProp& series : provider->GetAllSeries())
            if (!labels.contains(series.GetLabel()))
            {
                labels.insert(series.GetLabel());
                all.insert(series);
            }
    return all;
}
}
