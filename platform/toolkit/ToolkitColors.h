#pragma once
// The colours of the toolkit's colour indexes that popups and galleries paint with. The
// application's colour theme answers them; until a theme installs its source, a light default
// table does, so every popup is painted even before the themes are loaded. Main thread only.

#include <QColor>

#include <functional>

namespace ToolkitColors
{
// The indexes the program's popups and galleries use.
inline constexpr int PopupShadow = 30;
inline constexpr int PopupBackground = 41;
inline constexpr int LabelText = 44;
inline constexpr int PopupFrame = 52;
inline constexpr int LabelBackground = 56;

// Answers a colour index; an invalid colour lets the default table answer.
using Source = std::function<QColor(int index)>;

// The colour of the index; black for an index that neither the source nor the defaults know.
QColor Get(int index);
// An empty source puts the default table back.
void SetSource(Source source);
}
