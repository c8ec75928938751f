#pragma once
// The transactions-monitor library's consumer. Its window comes with the transactions-monitor
// command target; until then none is open.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/TransactionsMonitorConsumer.h"

class TransMonitorModuleConsumer : public ModuleConsumer<TransactionsMonitorConsumer>
{
public:
    TransMonitorModuleConsumer();

    bool ShowNewTransactionsMonitorWindow(QWidget* view, int flags) override;
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
};
