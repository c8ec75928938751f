#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"

TransMonitorModuleConsumer::TransMonitorModuleConsumer()
    : ModuleConsumer({QStringLiteral("TransactionsMonitor"), QStringLiteral(".q4tm"),
                      QStringLiteral("Pliki monitora transakcji (*.q4tm)|*.q4tm"), QStringLiteral("Monitor transakcji"),
                      QStringLiteral(".q5tm"), QStringLiteral("monitora transakcji")})
{
}

bool TransMonitorModuleConsumer::ShowNewTransactionsMonitorWindow(QWidget* view, int flags)
{
    return CannotOpenWindow(QStringLiteral("ShowNewTransactionsMonitorWindow"), __LINE__);
}
