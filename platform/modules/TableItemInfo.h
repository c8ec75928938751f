#pragma once
// A column or an instrument of a quote table as the galleries of hidden items list it.

#include <QString>

#include <cstdint>

struct TableItemInfo
{
    std::uint32_t id = 0;
    QString caption;
};
