#include "orderssheet/engine/OSText.h"

namespace OSText
{
namespace
{
// Whether the characters from at on are those of text.
bool Holds(const char16_t* at, std::string_view text)
{
    for (const char c : text)
        if (*at++ != static_cast<unsigned char>(c))
            return false;
    return true;
}

char16_t* Write(char16_t* out, std::string_view text)
{
    for (const char c : text)
        *out++ = static_cast<unsigned char>(c);
    return out;
}
}

void AssignLatin1(QString& target, std::string_view text, std::string_view suffix)
{
    const auto size = static_cast<qsizetype>(text.size() + suffix.size());
    if (!target.isNull() && target.size() == size)
    {
        const auto* held = reinterpret_cast<const char16_t*>(target.constData());
        if (Holds(held, text) && Holds(held + text.size(), suffix))
            return;
    }
    // A text that a table still holds a copy of gets memory of its own.
    if (target.isDetached())
        target.resize(size);
    else
        target = QString(size, Qt::Uninitialized);
    Write(Write(reinterpret_cast<char16_t*>(target.data()), text), suffix);
}
}
