#include "sessionstats/ui/SessionStatisticsColumnWidths.h"

#include "sessionstats/ui/StatisticsTextStyle.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>

namespace SessionStatisticsColumnWidths
{
const std::array<int, 6>& HighestMinWidths()
{
    static const std::array<int, 6> widths = [] {
        const QFontMetrics metrics(StatisticsTextStyle::DefaultGuiFont());
        std::array<int, 6> measured{};
        const QString headers[6] = {QStringLiteral("Spółka"),     QStringLiteral("Zmiana"),  QStringLiteral("Kurs (zł)"),
                                    QStringLiteral("Obrót (zł)"), QStringLiteral("Wolumen"), QStringLiteral("Transakcje")};
        for (int column = 0; column < 6; ++column)
            measured[column] = metrics.horizontalAdvance(headers[column]) + 5;
        return measured;
    }();
    return widths;
}

const std::array<int, 7>& SummaryMinWidths()
{
    static const std::array<int, 7> widths = [] {
        const QFontMetrics metrics(StatisticsTextStyle::BoldHeaderFont());
        const auto width = [&metrics](const char* text) { return metrics.horizontalAdvance(QString::fromUtf8(text)); };
        return std::array<int, 7>{0, 0, width("Kurs"), std::max(width("Transakcje"), width("Obroty")), 0,
                                  width("Zmiana"), width("Kurs")};
    }();
    return widths;
}
}
