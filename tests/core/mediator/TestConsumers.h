#pragma once
// The program's own module consumers, made to tell the windows they are asked to open and to
// keep a state value in sessions; and accessors to one of each, as the built-in libraries have.

#include "core/engine/BuiltInConsumerAccessors.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/details/DetailsModuleConsumer.h"
#include "modulelibs/filesgen/FilesGenModuleConsumer.h"
#include "modulelibs/offers/OffersModuleConsumer.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "modulelibs/translist/TransListModuleConsumer.h"
#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"
#include "tests/core/plugins/PluginEvents.h"

template <typename Base>
class OpeningConsumer : public Base
{
public:
    bool OpenWindowFromFile(QWidget*, const QString& path, bool) override
    {
        RecordPluginEvent(this->GetModuleName() + QStringLiteral(":Open(%1)").arg(path));
        return true;
    }
    void SerialisePanelState(Settings& node) override { node[QStringLiteral("Value")] = value; }
    void UnserialisePanelState(const Settings& node) override
    {
        RecordPluginEvent(this->GetModuleName() + QStringLiteral(":UnserialisePanelState"));
        value = node[QStringLiteral("Value")].ToString();
    }
    void PostUnserialisePanelState(const Settings&, QWidget*) override
    {
        RecordPluginEvent(this->GetModuleName() + QStringLiteral(":PostUnserialisePanelState"));
    }
    void InitAllSeries(const std::set<DSProp>& allSeries) override { seriesCount = static_cast<int>(allSeries.size()); }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GeneralSettingsGroupManager() const override { return settingsGroup; }

    QString value;
    int seriesCount = -1;
    std::shared_ptr<GeneralSettingsGroupManagerBase> settingsGroup;
};

struct TestConsumers
{
    static TestConsumers& Instance()
    {
        static TestConsumers consumers;
        return consumers;
    }

    static BuiltInConsumerAccessors Accessors()
    {
        BuiltInConsumerAccessors accessors;
        accessors.chart = +[]() -> ChartConsumer* { return &Instance().chart; };
        accessors.table = +[]() -> TableConsumer* { return &Instance().table; };
        accessors.transList = +[]() -> TransListCons* { return &Instance().transList; };
        accessors.details = +[]() -> DetailsCons* { return &Instance().details; };
        accessors.offers = +[]() -> OffersConsumer* { return &Instance().offers; };
        accessors.filesGenerator = +[]() -> AppFilesGeneratorConsumer* { return &Instance().filesGenerator; };
        accessors.transactionsMonitor = +[]() -> TransactionsMonitorConsumer* { return &Instance().transactionsMonitor; };
        return accessors;
    }

    void Reset()
    {
        for (QString* value : {&chart.value, &table.value, &transList.value, &details.value, &offers.value,
                               &filesGenerator.value, &transactionsMonitor.value})
            value->clear();
        chart.seriesCount = -1;
        chart.settingsGroup.reset();
    }

    OpeningConsumer<ChartModuleConsumer> chart;
    OpeningConsumer<TableModuleConsumer> table;
    OpeningConsumer<TransListModuleConsumer> transList;
    OpeningConsumer<DetailsModuleConsumer> details;
    OpeningConsumer<OffersModuleConsumer> offers;
    OpeningConsumer<FilesGenModuleConsumer> filesGenerator;
    OpeningConsumer<TransMonitorModuleConsumer> transactionsMonitor;
};
