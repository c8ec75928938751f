#pragma once
// The simulated market's past: bars made up backwards from an instrument's last price, so that
// a chart opened on the feed has history that ends where the live trades begin. Bars lie in
// the sessions of the exchange's calendar only; a session's change and range follow the
// instrument's usual swing and its volume strays around the instrument's usual volume, so
// the bars look like the sessions the live market makes. The same seed, instrument, end and
// bar length always give the same bars, and a longer request only adds older ones.

#include "platform/modules/NDateTime.h"
#include "platform/modules/PriceBar.h"
#include "providers/simfeed/SimInstrument.h"

#include <cstdint>
#include <vector>

class SimHistory
{
public:
    static constexpr int kSecondsPerDay = 86400;

    // count bars of barSeconds (0: one transaction each, transactionMs apart, of the size the
    // live market trades at that pace), oldest first, the newest closing at lastTicks. Daily
    // bars (barSeconds a multiple of a day) are the sessions before end's date, stamped at their
    // midnight; shorter bars are those of the sessions' hours that begin before the bar holding
    // end. Prices stay at least one tick above zero.
    static std::vector<PriceBar> Bars(const SimInstrument& instrument, std::int64_t lastTicks, const NDateTime& end,
                                      int barSeconds, int count, std::uint64_t seed, int transactionMs = 5000);

private:
    static std::vector<PriceBar> DailyBars(const SimInstrument& instrument, std::int64_t lastTicks, const QDate& before,
                                           int sessionsPerBar, int count, std::uint64_t seed);
    static std::vector<PriceBar> IntradayBars(const SimInstrument& instrument, std::int64_t lastTicks,
                                              const NDateTime& end, int barSeconds, int count, std::uint64_t seed,
                                              int transactionMs);
};
