#pragma once
// The instruments of the simulated market: shares of the main market and of NewConnect, and
// bonds of Catalyst, with made-up Polish names, tickers and ISINs.

#include "providers/simfeed/SimInstrument.h"

#include <vector>

namespace SimCatalogue
{
const std::vector<SimInstrument>& Instruments();

// The twelfth ISIN character for the first eleven ("PL" and nine characters); '?' for text
// that is no ISIN body.
QChar IsinCheckDigit(const QString& body);
}
