#pragma once
// What an in-place editor lets a user type as a number: an optional sign, digits and at most
// one decimal separator, "." or ",". Text on the way to a number ("", "-", "12,") is allowed
// while typing but is not a number yet.

#include <QValidator>

class NumericStringValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
