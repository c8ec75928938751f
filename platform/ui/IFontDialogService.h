#pragma once
// Asks the user for a font; tests install a fake (DialogServices).

#include <QFont>

#include <optional>

class IFontDialogService
{
public:
    virtual ~IFontDialogService() = default;
    // The chosen font, empty when the user cancelled.
    virtual std::optional<QFont> ChooseFont(const QFont& current) = 0;
};
