#pragma once
// One alert event that the online quotation provider pushes for the user's cloud alerts: which
// event of which cloud alert fired, on which side, when and at what price.

#include <cstdint>

struct AlertEventGenerate
{
    std::int32_t eventId = 0;
    std::int32_t alertId = 0;
    // 'B' for buy; any other letter is sell.
    char sideLetter = 0;
    // The moment as a day count (the NDateTime double form), in UTC.
    double time = 0.0;
    float price = 0.0F;
};
