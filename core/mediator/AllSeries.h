#pragma once
// The set of every data series the application knows: the standard series first, then each
// provider's own series whose label is new. A label names one series only, so a provider's
// "Kurs" under another id adds nothing.

#include "platform/modules/DSProp.h"

#include <set>
#include <vector>

class ProviderBase;

namespace AllSeries
{
// The 43 standard series (ids 1-5, 9-15, 20-49 and 51).
const std::vector<DSProp>& StandardSeries();
// The standard series and the providers' new ones, the providers taken in order.
std::set<DSProp> Build(const std::vector<ProviderBase*>& providers);
}
