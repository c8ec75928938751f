#pragma once
// The real message box: QMessageBox over the active window, buttons, icon and default button
// taken from the flags, the pressed button answered as IDOK, IDYES, ...

#include "platform/ui/IMessageBoxService.h"

class QtMessageBoxService : public IMessageBoxService
{
public:
    int Show(const QString& caption, const QString& text, std::uint32_t flags) override;
};
