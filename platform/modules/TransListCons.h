#pragma once
// The consumer of the transaction-list library: windows listing an instrument's transactions.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <vector>

class Asset;

class TransListCons : public ConsumerBase
{
public:
    // A new window in the panel view, on the instrument when one is given; false when none opened.
    virtual bool ShowNewTransList(QWidget* view, const Asset* asset, int flags) = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;
};
