#pragma once
// The feed's clock. The simulated market trades in session hours only; a start named in the
// environment variable Q4_SIM_START (a local date and time, "2026-12-10T10:00:00") gives a clock
// that runs from that moment as the wall clock runs, so that the market can be watched, and
// the program tested, trading at any hour.

#include "providers/simfeed/SimFeedThread.h"

#include <QString>

namespace SimClock
{
inline constexpr const char* kStartVariable = "Q4_SIM_START";

// The clock that the start text names; none (the wall clock) for an empty text. A text that
// is no date and time is named in problem and gives none.
SimFeedThread::Clock FromStart(const QString& start, QString* problem = nullptr);
// The same for the environment's Q4_SIM_START; a start it cannot read goes to the log.
SimFeedThread::Clock FromEnvironment();
}
