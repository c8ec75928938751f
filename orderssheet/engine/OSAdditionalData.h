#pragma once
// The instrument's figures that come with its book: the session's price limits, the last price
// and the theoretical opening price, as the receiver last took them from the provider. The
// generator, the current-value row and the price levels read them by position.

struct OSAdditionalData
{
    // Series 17, the session's lower price limit: real demand is the buy orders down to it; 0
    // when it has no value.
    double value1 = 0.0;
    // Series 18, the session's upper price limit: real supply is the sell orders up to it.
    double value2 = 0.0;
    // Series 2, the last price; -1 when it has no value.
    double value3 = -1.0;
    // Series 5, the theoretical opening price; -1 when it has no value.
    double value4 = -1.0;
    // Something arrived since the processing thread last refreshed.
    bool changed = false;

    friend bool operator==(const OSAdditionalData& a, const OSAdditionalData& b) = default;
};
