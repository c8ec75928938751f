#pragma once
// Draws the overall-statistics bar: three items side by side on the bottom edge of the area,
// each a centred title, a bar split into gradient segments by the shares of rising, unchanged
// and falling instruments, and a row of the three figures with colour markers. The bar window
// and the style preview use it. The metrics are public: the statistics window sets the row
// heights from the style's font.

#include <QColor>
#include <QRect>

#include <vector>

class IOverallWindowStyle;
class OverallWindowItemBase;
class QPainter;

class OverallWindowPainter
{
public:
    struct Segments
    {
        int rising = 0;
        int unchanged = 0;
        int falling = 0;
    };

    virtual ~OverallWindowPainter() = default;

    // Without a style nothing is drawn. The items' segment rectangles are set (emptied when
    // their total is not positive).
    void Draw(const IOverallWindowStyle* style, QPainter& painter, const QRect& rect,
              const std::vector<OverallWindowItemBase*>& items) const;
    // The rectangle of item index (0 to 2) in the area.
    QRect ItemRect(const QRect& rect, int index) const;
    void SetRowHeights(int lineHeight);

    // The lengths of the segments of a bar width pixels wide: the falling one takes what
    // truncation leaves. All 0 when total is not positive.
    static Segments SegmentLengths(double rising, double unchanged, double total, int width);
    // weight percent of second mixed into first.
    static QColor MixColor(const QColor& first, const QColor& second, int weight);

    int sidePadding = 5;
    int valueRightPadding = 4;
    int margin = 5;
    int valueRowHeight = 13;
    int titleHeight = 13;
    int barStripHeight = 20;
    int itemHeight = 56;

private:
    void DrawItem(const IOverallWindowStyle& style, QPainter& painter, const QRect& rect,
                  OverallWindowItemBase& item) const;
    void DrawSegment(QPainter& painter, const QRect& rect, const QColor& color) const;
    void DrawValue(const IOverallWindowStyle& style, QPainter& painter, const QRect& cell, const QColor& color,
                   double value) const;
};
