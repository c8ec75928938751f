#pragma once
// The display settings of one quote table that the ribbon reads and changes directly.

struct TableSettings
{
    // -1: the series' own precision; otherwise decimal places.
    int pricePrecision = -1;
    bool offerLineIcons = true;
    // Arrows show the trend against the reference price (true) or the opening price (false).
    bool trendAgainstReference = true;
    bool autoscroll = false;
    bool rowCursor = false;
    bool scrollBarShown = true;
    // The remembered visibility of the field-configuration window.
    bool fieldConfigurationShown = false;
    // 0, 1 or 2; changes the row heights.
    int rowLayout = 0;
};
