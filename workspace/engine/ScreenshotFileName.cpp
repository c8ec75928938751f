#include "workspace/engine/ScreenshotFileName.h"

QString ScreenshotFileName::Make(const NDateTime& moment, int attempt)
{
    QString base = moment.FormatDateTime2();
    base.replace(QLatin1Char(':'), QLatin1Char('-'));
    if (attempt > 0)
        base += QStringLiteral(" (%1)").arg(attempt);
    return base + kExtension;
}
