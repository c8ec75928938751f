#pragma once
// The two modes of a sheet: one row per order, or one line per price.

namespace OSSheetMode
{
inline constexpr int kOrders = 1;
inline constexpr int kOffers = 2;

inline constexpr int kOrdersCellCount = 10;
inline constexpr int kOffersCellCount = 8;

// The query argument of the data sets: 1 the orders matrix, anything else the offers matrix.
inline bool IsOrders(int mode)
{
    return mode == kOrders;
}
}
