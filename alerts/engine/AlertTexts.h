#pragma once
// The texts of generated alerts and of the alert grids: values (with the two special order
// prices), the mail's subject and body, dates and times, comparison operators, instruments that
// are no longer listed and constants. Pure functions; any thread.

#include "platform/base/OleDate.h"

#include <QString>

#include <cstdint>

class AlertExprArgDesc;

namespace AlertTexts
{
// "kupno" for the buy side (1), "sprzedaż" for any other.
QString SideWord(unsigned side);
// The value with precision decimals; the order prices -100 and -20 are "PKC" and "PCR".
QString FormatAlertArgumentValue(double value, int precision);
// The value with precision decimals, without the order-price names (mails).
QString FormatNumber(double value, int precision);
// "name(side): argument description = value".
QString FormatAlertMailSubject(const QString& alertName, unsigned side, const AlertExprArgDesc& argument, double value,
                               int precision);
QString FormatAlertMailBody(const QString& alertName, unsigned side, const AlertExprArgDesc& argument, double value,
                            int precision, const OleDate& time);
// "yyyy-mm-dd" and "hh:mm:ss"; empty for an invalid date.
QString FormatDate(const OleDate& time);
QString FormatTime(const OleDate& time);
// ">", ">=", "<", "<=", "==", "<>" for 0 to 5; empty for any other number.
QString CompareOperatorText(std::uint32_t compareOperator);
// A delisted instrument's text, cut to 16 characters plus "..." when longer, with the note that
// it is no longer listed; a listed one's unchanged.
QString InstrumentColumnText(const QString& instrument, bool listed);
QString ConstantText(double value, int precision);
}
