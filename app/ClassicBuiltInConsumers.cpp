#include "app/ClassicBuiltInConsumers.h"

#include "modulelibs/chart/ChartModule.h"
#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/filesgen/FilesGenModule.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/table/TableModule.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/transmonitor/TransMonitorModule.h"

BuiltInConsumerAccessors ClassicBuiltInConsumers()
{
    BuiltInConsumerAccessors accessors;
    accessors.chart = &GetChartConsumer;
    accessors.table = &GetTableConsumer;
    accessors.transList = &GetTransListConsumer;
    accessors.details = &GetDetailsConsumer;
    accessors.offers = &GetOffersConsumer;
    accessors.filesGenerator = &GetAppFilesGeneratorConsumer;
    accessors.transactionsMonitor = &GetTransactionsMonitorConsumer;
    return accessors;
}
