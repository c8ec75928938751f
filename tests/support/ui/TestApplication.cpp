#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QElapsedTimer>

QApplication& TestApplication::Ensure()
{
    static int argc = 1;
    static char name[] = "q4-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: widgets of static fakes may outlive the test cases.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

bool TestApplication::ProcessEventsUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return condition();
}
