#pragma once
// One transaction of an instrument: when, at what price, how many and who started it.

#include "platform/modules/NDateTime.h"

#include <cstdint>

struct Transaction
{
    enum class Initiator
    {
        Unknown,
        Buyer,
        Seller,
    };

    std::uint64_t id = 0;      // counts up within a provider's session
    NDateTime time;
    double price = 0.0;
    double volume = 0.0;
    Initiator initiator = Initiator::Unknown;

    friend bool operator==(const Transaction& a, const Transaction& b) = default;
};
