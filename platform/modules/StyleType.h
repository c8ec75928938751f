#pragma once
// The kinds of display style. Each style class names its kind in a static `Type`, which its
// `GetType` answers and which the styles container and the style registry select by; the
// ribbon's style popups and the module libraries name a kind by the same number, so the kinds
// sit below all of them. The kinds of the orders sheet and the session statistics are kept
// here too, so no two kinds share a number; their classes live with those windows.

using StyleType = int;

namespace StyleTypes
{
inline constexpr StyleType None = 0;
inline constexpr StyleType TextField = 1;
inline constexpr StyleType Table = 2;
inline constexpr StyleType TransactionList = 3;
inline constexpr StyleType TransactionsMonitor = 4;
inline constexpr StyleType Details = 5;
inline constexpr StyleType Offers = 6;
inline constexpr StyleType ChartWindow = 7;
inline constexpr StyleType ChartElement = 8;
inline constexpr StyleType Formation = 9;
inline constexpr StyleType SessionStatistics = 10;
inline constexpr StyleType OrdersSheet = 11;
}
