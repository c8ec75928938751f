#pragma once
// Gives the calling thread its name in the operating system, so debuggers and process
// lists show which worker is which.

#include <QString>

namespace ThreadNaming
{
// The system keeps at most 15 bytes of the name; longer names are cut. False when refused.
bool SetCurrent(const QString& name);
}
