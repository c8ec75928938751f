#pragma once
// The order book of an instrument by price level: bids from the best (highest) price down,
// asks from the best (lowest) price up.

#include <vector>

struct OrderBookLevel
{
    double price = 0.0;
    double volume = 0.0;
    int count = 0;   // number of orders at the price

    friend bool operator==(const OrderBookLevel& a, const OrderBookLevel& b) = default;
};

struct OrderBook
{
    std::vector<OrderBookLevel> bids;
    std::vector<OrderBookLevel> asks;

    friend bool operator==(const OrderBook& a, const OrderBook& b) = default;
};
