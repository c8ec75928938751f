#pragma once
// The one QApplication of a widget test program, made on first use on the test's thread, and
// a way to let its event loop run until something happened.

#include <functional>

class QApplication;

namespace TestApplication
{
QApplication& Ensure();
// Processes events until the condition holds or the time is up; answers the condition.
bool ProcessEventsUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
}
