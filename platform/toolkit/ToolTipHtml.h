#pragma once
// The rich text of the ribbon's tooltips: the title in bold, the description below it. Both
// are plain texts from the string table and are escaped, so no text can inject markup.

#include <QString>

namespace ToolTipHtml
{
// Empty when both texts are.
QString Make(const QString& title, const QString& description);
}
