#pragma once
// Shows a modal message box; tests install a fake (DialogServices).

#include <QString>

#include <cstdint>

class IMessageBoxService
{
public:
    virtual ~IMessageBoxService() = default;
    // Flags and answer as in MessageBoxFlags.h.
    virtual int Show(const QString& caption, const QString& text, std::uint32_t flags) = 0;
};
