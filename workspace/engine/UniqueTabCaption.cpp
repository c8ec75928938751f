#include "workspace/engine/UniqueTabCaption.h"

QString UniqueTabCaption::Make(const QStringList& otherCaptions, const QString& wanted)
{
    QString candidate = wanted;
    for (int counter = 1; otherCaptions.contains(candidate, Qt::CaseSensitive); ++counter)
        candidate = QStringLiteral("%1 (%2)").arg(wanted).arg(counter);
    return candidate;
}

QString UniqueTabCaption::TrimTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}
