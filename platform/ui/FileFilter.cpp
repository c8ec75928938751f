#include "platform/ui/FileFilter.h"

#include "platform/ui/UiLog.h"

#include <QRegularExpression>

QStringList FileFilter::ToQtFilters(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.last().trimmed().isEmpty())
        parts.removeLast();
    if (parts.size() % 2 != 0)
    {
        qCWarning(lcUi) << "FileFilter: a description without patterns in" << filter;
        return {};
    }

    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList result;
    for (qsizetype i = 0; i < parts.size(); i += 2)
    {
        QStringList patterns;
        const QStringList written = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& pattern : written)
        {
            const QString trimmed = pattern.trimmed();
            patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        QString description = parts[i].trimmed();
        description.remove(trailingPatterns);
        result << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return result;
}

int FileFilter::IndexOfMatch(const QString& filter, const QString& fileName)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 1; i < parts.size(); i += 2)
        for (const QString& pattern : parts[i].split(QLatin1Char(';'), Qt::SkipEmptyParts))
        {
            const QRegularExpression matcher(QRegularExpression::wildcardToRegularExpression(pattern.trimmed()));
            if (matcher.match(fileName).hasMatch())
                return static_cast<int>(i / 2 + 1);
        }
    return 1;
}
