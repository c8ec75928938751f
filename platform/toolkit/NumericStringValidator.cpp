#include "platform/toolkit/NumericStringValidator.h"

#include "platform/base/TextHelper.h"

#include <QRegularExpression>

QValidator::State NumericStringValidator::validate(QString& input, int& pos) const
{
    if (TextHelper::IsDecimalNumber(input))
        return Acceptable;
    static const QRegularExpression partial(QStringLiteral("^[+-]?[0-9]*[.,]?$"));
    return partial.match(input).hasMatch() ? Intermediate : Invalid;
}
