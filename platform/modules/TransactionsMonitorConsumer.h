#pragma once
// The consumer of the transactions-monitor library: the window that follows the transactions
// of many instruments at once.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <memory>
#include <vector>

class StyleBase;

class TransactionsMonitorConsumer : public ConsumerBase
{
public:
    // A new window in the panel view; false when none opened.
    virtual bool ShowNewTransactionsMonitorWindow(QWidget* view, int flags) = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;
    // The style the library's windows show when they have none of their own.
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;
};
