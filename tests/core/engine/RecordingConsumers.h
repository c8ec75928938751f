#pragma once
// The program's own module consumers, made to tell their calls to the shared event list and
// to give the settings groups a test sets; and accessors to one of each, as the built-in
// libraries have.

#include "core/engine/BuiltInConsumerAccessors.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/details/DetailsModuleConsumer.h"
#include "modulelibs/filesgen/FilesGenModuleConsumer.h"
#include "modulelibs/offers/OffersModuleConsumer.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "modulelibs/translist/TransListModuleConsumer.h"
#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"
#include "tests/core/plugins/PluginEvents.h"

#include <memory>

template <typename Base>
class Recording : public Base
{
public:
    void StopWork() override
    {
        Tell("StopWork");
        Base::StopWork();
    }
    void ShutDown() override
    {
        Tell("ShutDown");
        Base::ShutDown();
    }
    void OnThemeChanged() override { Tell("OnThemeChanged"); }
    bool IsAccepted() const override { return accepted; }
    QString GetFileExtension() const override { return extension.isEmpty() ? Base::GetFileExtension() : extension; }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GeneralSettingsGroupManager() const override { return group; }

    // Back to how the library makes it.
    void Reset()
    {
        accepted = true;
        extension.clear();
        group.reset();
    }

    bool accepted = true;
    QString extension;
    std::shared_ptr<GeneralSettingsGroupManagerBase> group;

private:
    void Tell(const char* operation) const
    {
        RecordPluginEvent(this->GetModuleName() + QLatin1Char(':') + QLatin1String(operation));
    }
};

class RecordingChart : public Recording<ChartModuleConsumer>
{
public:
    std::shared_ptr<GeneralSettingsGroupManagerBase> InspectorGeneralsettingsGroupObj() const override { return inspector; }

    std::shared_ptr<GeneralSettingsGroupManagerBase> inspector;
};

struct RecordingConsumers
{
    static RecordingConsumers& Instance();
    // Every consumer as its library makes it.
    void Reset();
    BuiltInConsumerAccessors Accessors() const;

    RecordingChart chart;
    Recording<TableModuleConsumer> table;
    Recording<TransListModuleConsumer> transList;
    Recording<DetailsModuleConsumer> details;
    Recording<OffersModuleConsumer> offers;
    Recording<FilesGenModuleConsumer> filesGenerator;
    Recording<TransMonitorModuleConsumer> transactionsMonitor;
};
