#pragma once
// The real font dialog: QFontDialog over the active window.

#include "platform/ui/IFontDialogService.h"

class QtFontDialogService : public IFontDialogService
{
public:
    std::optional<QFont> ChooseFont(const QFont& current) override;
};
