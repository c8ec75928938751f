#pragma once
// Runs one step of the main frame's creation or closing so that whatever it throws is logged
// as the frame logs it (source "Quorvanta 4", the procedure as place): a narrow text, a wide
// text (QString), an exception object, or anything else as "Nieznany wyjątek.". Nothing
// escapes.

#include <functional>

class QString;

namespace GuardedCall
{
inline constexpr const char* kUnknownException = "Nieznany wyjątek.";

// False when the step threw.
bool Run(const QString& place, const std::function<void()>& step);
}
