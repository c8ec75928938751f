#pragma once
// The one background of every popup under a ribbon control: a vertical gradient from the
// popup colour of the toolkit (index 41) down to that colour mixed half and half with the
// popup shadow colour (index 30). A dialog, its children and its manager's window all paint
// with it, so they meet without seams.

#include <QColor>
#include <QRect>

class QPainter;

// The colour made of percent of first and the rest of second.
QColor MixColor(const QColor& first, const QColor& second, int percent);
// Fills the rectangle with the gradient running from its top to its bottom.
void DrawPopupBarBackground(const QRect& rect, QPainter& painter);
