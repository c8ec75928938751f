#include "alerts/engine/AlertTexts.h"

#include "platform/base/TextHelper.h"
#include "platform/modules/AlertExprArgDesc.h"

#include <QDate>
#include <QTime>

namespace AlertTexts
{
QString SideWord(unsigned side)
{
    return side == 1 ? QStringLiteral("kupno") : QStringLiteral("sprzedaż");
}

QString FormatNumber(double value, int precision)
{
    return TextHelper::ToString(value, precision);
}

QString FormatAlertArgumentValue(double value, int precision)
{
    if (value == -100.0)
        return QStringLiteral("PKC");
    if (value == -20.0)
        return QStringLiteral("PCR");
    return FormatNumber(value, precision);
}

QString FormatAlertMailSubject(const QString& alertName, unsigned side, const AlertExprArgDesc& argument, double value,
                               int precision)
{
    // Texts of the user and of the sources are put in with arg(), never used as a format.
    return QStringLiteral("%1(%2): %3 %4 = %5")
        .arg(alertName, SideWord(side), argument.GetArgumentName(), argument.GetArgumentDescription(),
             FormatNumber(value, precision));
}

QString FormatAlertMailBody(const QString& alertName, unsigned side, const AlertExprArgDesc& argument, double value,
                            int precision, const OleDate& time)
{
    return QStringLiteral("Wygenerowano alert %1\nAlert: %2\nInstrument: %3\n%4: %5\nCzas wygenerowania: %6  %7\n"
                          "Wygenerowano w programie Quorvanta4")
        .arg(SideWord(side), alertName, argument.GetArgumentName(), argument.GetArgumentDescription(),
             FormatNumber(value, precision), FormatDate(time), FormatTime(time));
}

QString FormatDate(const OleDate& time)
{
    if (!time.IsValid())
        return QString();
    const QDate date = time.ToQDate();
    return QString::asprintf("%4.4d-%2.2d-%2.2d", date.year(), date.month(), date.day());
}

QString FormatTime(const OleDate& time)
{
    if (!time.IsValid())
        return QString();
    const QTime clock = time.ToQTime();
    return QString::asprintf("%2.2d:%2.2d:%2.2d", clock.hour(), clock.minute(), clock.second());
}

QString CompareOperatorText(std::uint32_t compareOperator)
{
    switch (compareOperator)
    {
    case 0:
        return QStringLiteral(">");
    case 1:
        return QStringLiteral(">=");
    case 2:
        return QStringLiteral("<");
    case 3:
        return QStringLiteral("<=");
    case 4:
        return QStringLiteral("==");
    case 5:
        return QStringLiteral("<>");
    default:
        return QString();
    }
}

QString InstrumentColumnText(const QString& instrument, bool listed)
{
    if (listed)
        return instrument;
    QString text = instrument.size() > 16 ? instrument.left(16) + QStringLiteral("...") : instrument;
    return text + QStringLiteral("  (Instrument nie jest już notowany na giełdzie)");
}

QString ConstantText(double value, int precision)
{
    return FormatNumber(value, precision);
}
}
