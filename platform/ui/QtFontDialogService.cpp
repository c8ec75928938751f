#include "platform/ui/QtFontDialogService.h"

#include <QApplication>
#include <QFontDialog>

std::optional<QFont> QtFontDialogService::ChooseFont(const QFont& current)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, QApplication::activeWindow());
    if (!chosen)
        return std::nullopt;
    return font;
}
