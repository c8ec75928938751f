#include "modulelibs/transmonitor/TransMonitorModule.h"

#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"

TransactionsMonitorConsumer* GetTransactionsMonitorConsumer()
{
    static TransMonitorModuleConsumer consumer;
    return &consumer;
}
