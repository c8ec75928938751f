#pragma once
// The chart library's current styles: the chart window style that every chart window is drawn
// with (what the library gives as its default style, and what the style edit mode edits), the
// element styles it relates for price, volume and indicator series, and the formation styles.
// The painter reads them at every paint, so a change of a style shows at the next repaint and
// the window needs no copy of its own. Main thread only.

#include "modulelibs/chart/ChartDocument.h"

#include <QColor>
#include <QFont>
#include <QPen>

#include <map>
#include <memory>
#include <optional>

class StyleBase;

namespace ChartStyles
{
// The styles container's chart window style (the first of its kind), or a default one kept
// here when the container holds none.
std::shared_ptr<StyleBase> WindowStyle();
// The window style's related element style for the series kind.
std::shared_ptr<StyleBase> ElementStyle(ChartSeries::Kind kind);
// The container's formation style of the id, else the window style's related formation style.
std::shared_ptr<StyleBase> FormationStyle(int styleId);

// The value a style gives the display parameter of the context (0 window, 1 view: the window
// style; 2 element: the price series' style; 3 formations: the chart's formation style); none
// for a parameter the styles do not hold.
std::optional<int> Value(int context, int parameter);
// The element style's value for a series; none for a parameter elements do not hold.
std::optional<int> SeriesValue(ChartSeries::Kind kind, int parameter);

// The window style's grid pen, axis font, and whether the horizontal / vertical grid is shown.
QPen GridPen();
QFont AxisFont();
bool HorizontalGrid();
bool VerticalGrid();
// The formation style's base line (or extension) pen; wider while the formation is active.
QPen FormationPen(int styleId, bool extension, bool active);
// A colour of the formation style (text, label, connector or fill).
QColor FormationColour(int styleId, int parameter);
QFont FormationFont(int styleId);
// Display parameters of formations beyond the style's own values: its pens' colours, widths and
// line styles.
inline constexpr int kBaseLineColour = 11;
inline constexpr int kBaseLineWidth = 12;
inline constexpr int kBaseLineStyle = 13;
inline constexpr int kExtensionColour = 14;
inline constexpr int kExtensionWidth = 15;
inline constexpr int kExtensionStyle = 16;
// The pixel size of the formation's texts (its style font's, unless set on the formation).
inline constexpr int kFontSize = 10;
// Every display parameter a formation can set over its style.
inline constexpr int kFormationDisplayParameters[] = {3, 4, 5, 6, 7, 8, kFontSize, kBaseLineColour, kBaseLineWidth,
                                                      kBaseLineStyle, kExtensionColour, kExtensionWidth, kExtensionStyle};
// A copy of the formation style with the values of the display parameters in own put into it;
// null when there is no style.
std::shared_ptr<StyleBase> FormationStyleWith(int styleId, const std::map<int, int>& own);
// The formation style's value of a display parameter of formations; none for a parameter
// formation styles do not hold.
std::optional<int> FormationValue(int styleId, int parameter);
// Line styles 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot; any other is solid.
Qt::PenStyle PenStyleOf(int lineStyle);
int LineStyleOf(Qt::PenStyle style);
}
