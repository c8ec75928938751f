#include "modulelibs/transmonitor/TransMonitorModule.h"

#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"

namespace
{
TransMonitorModuleConsumer& Consumer()
{
    static TransMonitorModuleConsumer consumer;
    return consumer;
}
}

TransactionsMonitorConsumer* GetTransactionsMonitorConsumer()
{
    return &Consumer();
}

TMActiveObject* TransactionsMonitorActiveObject()
{
    return &Consumer();
}
