#pragma once
// One of the user's cloud alerts as a provider that evaluates them sees it: the alert's server
// id, the instrument it watches (by ISIN, or by ticker for an instrument without one), its buy
// and sell conditions and whether it fires only once. Item types and operators are the cloud
// alert's own: item 1 price, 2 best bid, 3 best ask, 4 change, 5 its absolute value, 6 change
// in percent, 7 its absolute value, 8 volume, 9 turnover; operators 0 ">", 1 "<", 2 ">=",
// 3 "<=", 4 "=", 5 "<>".

#include <QString>

#include <cstdint>

struct CloudAlertSideCondition
{
    bool defined = false;
    std::int32_t itemType = 0;
    std::int32_t op = -1;
    double value = 0.0;

    friend bool operator==(const CloudAlertSideCondition&, const CloudAlertSideCondition&) = default;
};

struct CloudAlertCondition
{
    std::int32_t alertId = 0;
    QString isin;
    bool once = false;
    CloudAlertSideCondition buy;
    CloudAlertSideCondition sell;
};
