#pragma once
// The colours the colour popup and the colour galleries offer: the theme colours (ten base
// colours in row 0, then five rows of lighter and darker shades of each) and one row of ten
// standard colours. Each filler hands every colour, row by row and column by column, either to
// a callback or as a colour cell to a gallery.

#include <QString>

#include <functional>

class GalleryControl;

inline constexpr int kThemeColorColumns = 10;
inline constexpr int kThemeColorRows = 6;
inline constexpr int kStandardColorCount = 10;

using ColorFillerCallback = std::function<void(int color, const QString& name, int row, int column)>;

void AddThemeColorItems(const ColorFillerCallback& callback);
// Rows 0 and 1 are edged at the top, rows 0 and 5 at the bottom.
void AddThemeColorItems(GalleryControl& gallery);
void AddStandardColorItems(const ColorFillerCallback& callback);
// Every standard cell is edged at the top and the bottom.
void AddStandardColorItems(GalleryControl& gallery);

// The colour with its lightness L changed by percent: darker L * (1 + p / 100) for p < 0,
// lighter L + (1 - L) * p / 100 for p > 0; hue and saturation kept; 0 keeps the colour.
int ChangeColorLightness(int color, int percent);
