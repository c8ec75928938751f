#include "modulelibs/chart/ChartModule.h"

#include "modulelibs/chart/ChartModuleConsumer.h"

ChartConsumer* GetChartConsumer()
{
    static ChartModuleConsumer consumer;
    return &consumer;
}
