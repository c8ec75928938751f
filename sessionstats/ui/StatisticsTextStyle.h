#pragma once
// How the statistics grids read one of their text styles: its font, the height of a line of
// it, and its text and background colours. A missing style reads as the default text style.

#include <QColor>
#include <QFont>

class StyleBase;

namespace StatisticsTextStyle
{
QFont Font(const StyleBase* style);
int TextHeight(const StyleBase* style);
QColor FontColor(const StyleBase* style);
QColor BkColor(const StyleBase* style);
// The font the statistics use where no style says otherwise (the program's default GUI font),
// and its bold form (weight 600) for the summary's headers.
QFont DefaultGuiFont();
QFont BoldHeaderFont();
}
