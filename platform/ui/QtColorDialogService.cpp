#include "platform/ui/QtColorDialogService.h"

#include <QApplication>
#include <QColorDialog>

std::optional<QColor> QtColorDialogService::ChooseColor(const QColor& current)
{
    const QColor chosen = QColorDialog::getColor(current, QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
