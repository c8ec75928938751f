#pragma once
// The error message boxes of the alert definition dialog: shown through the application's
// mediator (its caption, the error icon), or straight through the dialog services when the
// program runs without one.

#include <QString>

namespace AlertDefinitionMessages
{
void ShowError(const QString& text);
}
