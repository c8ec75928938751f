#pragma once
// What a chart window draws over its data while the user works with the mouse: the cross-hair
// and inspector at the cursor, the ruler's and zoom tool's rectangles, and a trend line being drawn.

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

struct ChartOverlay
{
    std::optional<QPoint> cursor;
    bool crossHair = false;
    bool inspector = false;
    // From the press to the cursor.
    std::optional<QRect> ruler;
    std::optional<QRect> zoomArea;
    std::optional<QPoint> drawFrom;
    std::optional<QPoint> drawTo;
    QString message;
};
