#pragma once
// Makes the print dialog from its library beside the executable, loading the library on the
// first print. Main thread only.

#include "core/mediator/PrintDialogBase.h"

#include <QString>

#include <memory>

class IPrintSource;

namespace PrintDialogLibrary
{
// A new dialog, or null with the reason in errorText when the library cannot be loaded.
PrintDialogBase* Create(const std::shared_ptr<IPrintSource>& source, QWidget* window,
                        const PrintDialogBase::ClosedCallback& closed, QString& errorText);
}
