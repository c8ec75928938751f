#pragma once
// The real colour dialog: QColorDialog over the active window.

#include "platform/ui/IColorDialogService.h"

class QtColorDialogService : public IColorDialogService
{
public:
    std::optional<QColor> ChooseColor(const QColor& current) override;
};
