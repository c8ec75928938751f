#pragma once
// The consumer of the details library: windows with every figure of one instrument.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <vector>

class Asset;

class DetailsCons : public ConsumerBase
{
public:
    // A new window in the panel view, on the instrument when one is given; false when none opened.
    virtual bool ShowDetailsDlg(QWidget* view, const Asset* asset, int flags) = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;
};
