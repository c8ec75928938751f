#pragma once
// The consumer of the multi-data library: windows that show the data of connected windows together.

#include "platform/modules/ConsumerBase.h"

class MultiDataConsumer : public ConsumerBase
{
public:
    // A new window in the panel view; false when none opened.
    virtual bool ShowNewMultiDataWindow(QWidget* view) = 0;
};
