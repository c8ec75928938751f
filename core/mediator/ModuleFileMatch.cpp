#include "core/mediator/ModuleFileMatch.h"

#include "platform/modules/IGenericModule.h"

bool ModuleFileMatch::Claims(const IGenericModule& module, const QString& fileName)
{
    QStringList extensions = FilterExtensions(module.GetFileFilter());
    extensions.append(module.GetFileExtension());
    for (const QString& extension : extensions)
        if (!extension.isEmpty() && fileName.endsWith(extension))
            return true;
    return false;
}

QStringList ModuleFileMatch::FilterExtensions(const QString& filter)
{
    QStringList extensions;
    const QStringList parts = filter.split(QLatin1Char('|'));
    // Descriptions and pattern lists alternate.
    for (qsizetype index = 1; index < parts.size(); index += 2)
        for (const QString& pattern : parts[index].split(QLatin1Char(';'), Qt::SkipEmptyParts))
        {
            const QString trimmed = pattern.trimmed();
            if (trimmed.startsWith(QStringLiteral("*.")) && trimmed != QStringLiteral("*.*"))
                extensions.append(trimmed.mid(1));
        }
    return extensions;
}
