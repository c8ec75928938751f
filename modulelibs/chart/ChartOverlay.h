#pragma once
// What a chart window draws over its data while the user works with the mouse: the cross-hair
// and inspector at the cursor, the ruler's and zoom tool's rectangles.

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
    QString message;
    // Every formation shows its name, as the drawing tools' labels switch says.
    bool formationLabels = false;
};
