#include "tests/support/GuiTestApplication.h"

#include <QGuiApplication>

namespace GuiTestApplication
{
void Ensure()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "q4_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}
}
