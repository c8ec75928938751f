#pragma once
// One order of a sheet's book as the receiver keeps it and the row generator reads it: copied
// out of the provider's item, and handed out by value to the processing thread.

#include <string>

struct ItemBasicData
{
    // Orders without a limit price carry one of these codes in both prices.
    static constexpr double kSpecialPriceA = -20.0;
    static constexpr double kSpecialPriceB = -100.0;

    static bool IsSpecialPrice(double price) { return price == kSpecialPriceA || price == kSpecialPriceB; }

    int side = 0;
    std::string orderKey;
    std::string orderId;
    bool peg = false;
    double sheetPrice = 0.0;
    double orderPrice = 0.0;
    double volume = 0.0;

    friend bool operator==(const ItemBasicData& a, const ItemBasicData& b) = default;
};
