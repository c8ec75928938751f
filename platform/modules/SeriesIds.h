#pragma once
// Ids of the data series that windows, the orders sheet and the feed agree on.

#include "platform/modules/DSProp.h"

namespace SeriesIds
{
inline constexpr ESeriesID kTime = 1;
inline constexpr ESeriesID kPrice = 2;              // "Kurs", the last transaction's price
inline constexpr ESeriesID kVolume = 3;             // "Wolumen", the last transaction's volume
inline constexpr ESeriesID kOpenInterest = 4;       // "LOP"
inline constexpr ESeriesID kTheoreticalOpen = 5;    // "TKO"
inline constexpr ESeriesID kChangePercent = 6;      // change against the reference price, in percent
inline constexpr ESeriesID kTransactions = 7;       // number of transactions of the session
inline constexpr ESeriesID kOpen = 9;
inline constexpr ESeriesID kHigh = 10;
inline constexpr ESeriesID kLow = 11;
inline constexpr ESeriesID kClose = 12;
inline constexpr ESeriesID kReference = 13;
inline constexpr ESeriesID kTurnover = 14;          // "Obrót"
inline constexpr ESeriesID kTotalVolume = 15;       // "Wolumen razem"
inline constexpr ESeriesID kChange = 16;            // change against the reference price
// The session's price limits: the orders sheet reads 17 as the bound of the buy orders it counts
// as real demand and 18 as that of the sell orders it counts as real supply.
inline constexpr ESeriesID kLowerLimit = 17;        // lowest price allowed in the session
inline constexpr ESeriesID kUpperLimit = 18;        // highest price allowed in the session
// The best five offers: price, volume and number of orders of each side, best first.
inline constexpr ESeriesID kBidPrice1 = 20;
inline constexpr ESeriesID kAskPrice1 = 25;
inline constexpr ESeriesID kBidVolume1 = 30;
inline constexpr ESeriesID kAskVolume1 = 35;
inline constexpr ESeriesID kBidCount1 = 40;
inline constexpr ESeriesID kAskCount1 = 45;
inline constexpr int kOfferLevels = 5;
inline constexpr ESeriesID kTheoreticalVolume = 51; // "TWO"

// One above the greatest id a current state can hold.
inline constexpr ESeriesID kLimit = 64;
}
