#pragma once
// The print dialog's library: it alone links Qt's printing support, so the program loads it on
// the first print, not at start.

#include "core/mediator/PrintDialogBase.h"

#include <memory>

class IPrintSource;

// The name the library exports its factory under; the dialog deletes itself when closed.
inline constexpr const char* kCreatePrintDialogExport = "Q4CreatePrintDialog";
inline constexpr const char* kPrintDialogLibraryName = "libq4_print_dialog.so";
extern "C" PrintDialogBase* Q4CreatePrintDialog(const std::shared_ptr<IPrintSource>& source, QWidget* window,
                                               const PrintDialogBase::ClosedCallback& closed);
