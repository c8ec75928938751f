#pragma once
// Asks the user for a colour; tests install a fake (DialogServices).

#include <QColor>

#include <optional>

class IColorDialogService
{
public:
    virtual ~IColorDialogService() = default;
    // The chosen colour, empty when the user cancelled.
    virtual std::optional<QColor> ChooseColor(const QColor& current) = 0;
};
