#pragma once
// What the window benchmarks share: the offscreen application they paint in, and the frame
// times they report (the 99th percentile, on the wall clock and on this thread's CPU clock).

#include <QApplication>

#include <algorithm>
#include <ctime>
#include <vector>

namespace FrameTimes
{
inline double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

inline double Percentile99(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * 99 / 100)];
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Never destroyed: a static application would end after Qt's own statics at exit, and its
// clean-up would then read what they freed.
inline QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *application;
}
}
