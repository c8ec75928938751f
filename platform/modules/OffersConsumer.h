#pragma once
// The consumer of the offers library: windows with an instrument's order book by price level.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <vector>

class Asset;

class OffersConsumer : public ConsumerBase
{
public:
    // A new window in the panel view, on the instrument when one is given; false when none opened.
    virtual bool ShowNewOffersDlg(QWidget* view, const Asset* asset, int flags) = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;
};
