#include "charts/ui/IntervalTranslator.h"

QString IntervalTranslator::TranslateInterwalToLabel(EInterval interval)
{
    switch (interval)
    {
    case DataRequestParams::kTick:
        return QStringLiteral("Tikowy");
    case DataRequestParams::kMinute:
        return QStringLiteral("Minutowy");
    case DataRequestParams::kDay:
        return QStringLiteral("Dzienny");
    default:
        return QString();
    }
}
