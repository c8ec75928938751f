#include "tests/core/engine/RecordingConsumers.h"

namespace
{
ChartConsumer* Chart()
{
    return &RecordingConsumers::Instance().chart;
}
TableConsumer* Table()
{
    return &RecordingConsumers::Instance().table;
}
TransListCons* TransList()
{
    return &RecordingConsumers::Instance().transList;
}
DetailsCons* Details()
{
    return &RecordingConsumers::Instance().details;
}
OffersConsumer* Offers()
{
    return &RecordingConsumers::Instance().offers;
}
AppFilesGeneratorConsumer* FilesGenerator()
{
    return &RecordingConsumers::Instance().filesGenerator;
}
TransactionsMonitorConsumer* TransactionsMonitor()
{
    return &RecordingConsumers::Instance().transactionsMonitor;
}
}

RecordingConsumers& RecordingConsumers::Instance()
{
    static RecordingConsumers consumers;
    return consumers;
}

void RecordingConsumers::Reset()
{
    chart.Reset();
    chart.inspector.reset();
    table.Reset();
    transList.Reset();
    details.Reset();
    offers.Reset();
    filesGenerator.Reset();
    transactionsMonitor.Reset();
}

BuiltInConsumerAccessors RecordingConsumers::Accessors() const
{
    BuiltInConsumerAccessors accessors;
    accessors.chart = &Chart;
    accessors.table = &Table;
    accessors.transList = &TransList;
    accessors.details = &Details;
    accessors.offers = &Offers;
    accessors.filesGenerator = &FilesGenerator;
    accessors.transactionsMonitor = &TransactionsMonitor;
    return accessors;
}
