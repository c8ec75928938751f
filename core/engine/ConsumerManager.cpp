#include "core/engine/ConsumerManager.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/PluginApi.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <QFileInfo>

#include <utility>

namespace
{
const QString kDesktopExtension = QStringLiteral(".q4s");
const QString kConsumersNode = QStringLiteral("Consumers");
}

ConsumerManager::ConsumerManager(BuiltInConsumerAccessors accessors, Hooks hooks)
    : AssembliesManager(QStringLiteral("Consumers"))
    , m_accessors(accessors)
    , m_hooks(std::move(hooks))
{
}

// The consumers live in their libraries, which the base frees after this.
ConsumerManager::~ConsumerManager() = default;

template <typename Operation>
void ConsumerManager::ForEachConsumer(Operation&& operation) const
{
    for (const Entry& entry : m_consumers)
        operation(*entry.consumer);
}

bool ConsumerManager::Load()
{
    LoadAssemblies(FindLibraries());
    ResolveConsumers();
    AddBuiltInConsumers();
    return true;
}

void ConsumerManager::ResolveConsumers()
{
    Resolve(kConsumerExport, "ConsumerManager::ResolveConsumers",
            [this](const Library& library, void* symbol, QString& reason) {
                ConsumerBase* consumer = reinterpret_cast<GetConsumerFunction>(symbol)();
                if (!consumer)
                {
                    reason = QStringLiteral("nie dała modułu");
                    return false;
                }
                if (!consumer->IsAccepted())
                {
                    reason = QStringLiteral("moduł %1 odmówił pracy").arg(consumer->GetModuleName());
                    return false;
                }
                m_consumers.push_back({consumer, nullptr});
                AddSettingsGroup(consumer->GeneralSettingsGroupManager());
                Log::WriteInfo(QStringLiteral("Wczytano moduł %1 z \"%2\".").arg(consumer->GetModuleName(), library.path),
                               QString::fromUtf8(AppPaths::kProductName),
                               QStringLiteral("ConsumerManager::ResolveConsumers"), __LINE__);
                return true;
            });
}

bool ConsumerManager::AddBuiltIn(ConsumerBase* consumer, BuiltInConsumer kind)
{
    if (!consumer || !consumer->IsAccepted())
        return false;
    m_consumers.push_back({consumer, m_hooks.makeCmdTarget ? m_hooks.makeCmdTarget(kind) : nullptr});
    return true;
}

void ConsumerManager::AddBuiltInConsumers()
{
    // A consumer that is missing or refuses stays null, so nothing asks it later.
    auto take = [this](auto accessor, BuiltInConsumer kind) -> decltype(accessor()) {
        auto* consumer = accessor ? accessor() : nullptr;
        return AddBuiltIn(consumer, kind) ? consumer : nullptr;
    };
    if ((m_chart = take(m_accessors.chart, BuiltInConsumer::Chart)))
    {
        AddSettingsGroup(m_chart->GeneralSettingsGroupManager());
        AddSettingsGroup(m_chart->InspectorGeneralsettingsGroupObj());
    }
    if ((m_table = take(m_accessors.table, BuiltInConsumer::Table)))
        AddSettingsGroup(m_table->GeneralSettingsGroupManager());
    if (m_hooks.afterTableConsumer)
        m_hooks.afterTableConsumer();
    m_transList = take(m_accessors.transList, BuiltInConsumer::TransList);
    m_details = take(m_accessors.details, BuiltInConsumer::Details);
    m_offers = take(m_accessors.offers, BuiltInConsumer::Offers);
    m_filesGenerator = take(m_accessors.filesGenerator, BuiltInConsumer::FilesGenerator);
    m_transactionsMonitor = take(m_accessors.transactionsMonitor, BuiltInConsumer::TransactionsMonitor);
    RegisterEditionSettingsGroups();
}

void ConsumerManager::AddSettingsGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) const
{
    if (group && m_hooks.addSettingsGroup)
        m_hooks.addSettingsGroup(group);
}

void ConsumerManager::StopWork()
{
    ForEachConsumer([](ConsumerBase& consumer) { consumer.StopWork(); });
}

void ConsumerManager::ShutDown()
{
    ForEachConsumer([](ConsumerBase& consumer) { consumer.ShutDown(); });
}

void ConsumerManager::NotifyFrameStarted(QWidget* frame)
{
    if (frame)
        ForEachConsumer([frame](ConsumerBase& consumer) { consumer.OnFrameStarted(frame); });
}

ConsumerBase* ConsumerManager::FindModuleByName(const QString& name) const
{
    for (const Entry& entry : m_consumers)
        if (entry.consumer->GetModuleName().compare(name, Qt::CaseInsensitive) == 0)
            return entry.consumer;
    return nullptr;
}

ConsumerBase* ConsumerManager::FindModuleByFileExtension(const QString& path) const
{
    // Only the file name counts: a folder named like another module's extension must not decide.
    const QString fileName = QFileInfo(path).fileName();
    ConsumerBase* found = nullptr;
    qsizetype foundLength = 0;
    for (const Entry& entry : m_consumers)
    {
        const QString extension = entry.consumer->GetFileExtension();
        if (extension.isEmpty() || extension.compare(kDesktopExtension, Qt::CaseInsensitive) == 0)
            continue;
        if (fileName.endsWith(extension) && extension.size() > foundLength)
        {
            found = entry.consumer;
            foundLength = extension.size();
        }
    }
    return found;
}

void ConsumerManager::InitAllSeries(const std::set<DSProp>& allSeries)
{
    ForEachConsumer([&allSeries](ConsumerBase& consumer) { consumer.InitAllSeries(allSeries); });
}

void ConsumerManager::BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert)
{
    ForEachConsumer([&alert](ConsumerBase& consumer) { consumer.OnAlertGenerated(alert); });
}

void ConsumerManager::SerialiseStates(Settings& session)
{
    Settings& consumers = session[kConsumersNode];
    ForEachConsumer([&consumers](ConsumerBase& consumer) { consumer.SerialisePanelState(consumers[consumer.GetModuleName()]); });
}

void ConsumerManager::SerialiseStatesToQ5Format(Q5Settings& node)
{
    Q5Settings& consumers = node["Consumers"];
    ForEachConsumer([&consumers](ConsumerBase& consumer) {
        consumer.SerialisePanelStateToQ5Format(consumers[consumer.GetModuleName().toUtf8().toStdString()]);
    });
}

void ConsumerManager::UnserialiseStates(const Settings& consumers)
{
    if (!consumers.IsValid())
        return;
    ForEachConsumer([&consumers](ConsumerBase& consumer) { consumer.UnserialisePanelState(consumers[consumer.GetModuleName()]); });
}

void ConsumerManager::PostUnserialiseStates(const Settings& consumers, QWidget* activeView)
{
    ForEachConsumer([&consumers, activeView](ConsumerBase& consumer) {
        consumer.PostUnserialisePanelState(consumers[consumer.GetModuleName()], activeView);
    });
}

void ConsumerManager::NotifySessionLoaded(QWidget* activeView)
{
    ForEachConsumer([activeView](ConsumerBase& consumer) { consumer.OnSessionLoaded(activeView); });
}

void ConsumerManager::NotifyThemeChanged()
{
    ForEachConsumer([](ConsumerBase& consumer) { consumer.OnThemeChanged(); });
}

void ConsumerManager::NotifyGlobalSettingsChanged()
{
    ForEachConsumer([](ConsumerBase& consumer) { consumer.OnGlobalSettingsChanged(); });
}

void ConsumerManager::NotifyEscapeCommand()
{
    ForEachConsumer([](ConsumerBase& consumer) { consumer.OnEscapeCommand(); });
}

void ConsumerManager::CollectWindowsData(std::vector<ConnectedWindowData>& windows) const
{
    if (m_chart)
        m_chart->CollectWindowsData(windows);
    if (m_transList)
        m_transList->CollectWindowsData(windows);
    if (m_details)
        m_details->CollectWindowsData(windows);
    if (m_offers)
        m_offers->CollectWindowsData(windows);
    if (m_filesGenerator)
        m_filesGenerator->CollectWindowsData(windows);
    if (m_transactionsMonitor)
        m_transactionsMonitor->CollectWindowsData(windows);
}

CmdTarget* ConsumerManager::GetCmdTarget(const ConsumerBase* consumer) const
{
    for (const Entry& entry : m_consumers)
        if (entry.consumer == consumer)
            return entry.cmdTarget.get();
    return nullptr;
}

std::vector<ConsumerBase*> ConsumerManager::GetConsumers() const
{
    std::vector<ConsumerBase*> consumers;
    for (const Entry& entry : m_consumers)
        consumers.push_back(entry.consumer);
    return consumers;
}
