#pragma once
// The consumers of the module libraries: those found in the "Consumers" folder, then the
// built-in ones (chart, table, transaction list, details, offers, files generator, transactions
// monitor) with the command target of their window kind. Every broadcast and state operation
// goes over the consumers in that order, the order they were added.
//
// What this manager needs of parts of the application that come later (the general settings
// manager, the command targets, the cloud manager) it gets through the hooks it is made with.

#include "core/engine/AssembliesManager.h"
#include "core/engine/BuiltInConsumerAccessors.h"
#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/DSProp.h"

#include <functional>
#include <memory>
#include <set>
#include <vector>

class CmdTarget;
class ConsumerBase;
class GeneralSettingsGroupManagerBase;
class GeneratedAlertInfo;
class Q5Settings;
class QWidget;
class Settings;

enum class BuiltInConsumer
{
    Chart,
    Table,
    TransList,
    Details,
    Offers,
    FilesGenerator,
    TransactionsMonitor,
};

class ConsumerManager : public AssembliesManager
{
public:
    struct Hooks
    {
        // Registers a group with the general settings manager.
        std::function<void(const std::shared_ptr<GeneralSettingsGroupManagerBase>&)> addSettingsGroup;
        // Makes the command target of a built-in consumer's windows; empty leaves them without one.
        std::function<std::shared_ptr<CmdTarget>(BuiltInConsumer)> makeCmdTarget;
        // Runs right after the table consumer was added (the cloud manager is made there).
        std::function<void()> afterTableConsumer;
    };

    ConsumerManager(BuiltInConsumerAccessors accessors, Hooks hooks);
    ~ConsumerManager() override;

    bool Load() override;
    void StopWork() override;
    void ShutDown() override;

    // With a main frame, every consumer hears that it started its session.
    virtual void NotifyFrameStarted(QWidget* frame);
    // Registers the general settings groups of the edition's built-in consumers.
    virtual void RegisterEditionSettingsGroups() = 0;

    // The first consumer whose module name equals the name, ignoring case; null when none.
    ConsumerBase* FindModuleByName(const QString& name) const;
    // The consumer whose window-file extension ends the file name of the path, the longest such
    // extension winning; a consumer never claims the desktop extension ".q4s". Null when none.
    ConsumerBase* FindModuleByFileExtension(const QString& path) const;

    void InitAllSeries(const std::set<DSProp>& allSeries);
    void BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert);
    // Each consumer's state in the child of "Consumers" named by its module name.
    void SerialiseStates(Settings& session);
    void SerialiseStatesToQ5Format(Q5Settings& node);
    // consumers: the session's "Consumers" node; an invalid node reads nothing.
    void UnserialiseStates(const Settings& consumers);
    void PostUnserialiseStates(const Settings& consumers, QWidget* activeView);
    void NotifySessionLoaded(QWidget* activeView);
    void NotifyThemeChanged();
    void NotifyGlobalSettingsChanged();
    void NotifyEscapeCommand();
    // The windows of the chart, transaction-list, details, offers, files-generator and
    // transactions-monitor consumers (not the table's: the list is for the tables).
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const;
    // The command target of the consumer's windows; null for a consumer without one or unknown.
    CmdTarget* GetCmdTarget(const ConsumerBase* consumer) const;

    // Every consumer, in the order it was added.
    std::vector<ConsumerBase*> GetConsumers() const;
    // The built-in consumers; null for one whose library gave none.
    ChartConsumer* GetChartConsumer() const { return m_chart; }
    TableConsumer* GetTableConsumer() const { return m_table; }
    TransListCons* GetTransListConsumer() const { return m_transList; }
    DetailsCons* GetDetailsConsumer() const { return m_details; }
    OffersConsumer* GetOffersConsumer() const { return m_offers; }
    AppFilesGeneratorConsumer* GetFilesGeneratorConsumer() const { return m_filesGenerator; }
    TransactionsMonitorConsumer* GetTransactionsMonitorConsumer() const { return m_transactionsMonitor; }

protected:
    void AddSettingsGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) const;

private:
    struct Entry
    {
        ConsumerBase* consumer = nullptr;
        std::shared_ptr<CmdTarget> cmdTarget;
    };

    void ResolveConsumers();
    void AddBuiltInConsumers();
    // Adds an accepted built-in consumer with its command target; false when it is null or refuses.
    bool AddBuiltIn(ConsumerBase* consumer, BuiltInConsumer kind);
    template <typename Operation>
    void ForEachConsumer(Operation&& operation) const;

    const BuiltInConsumerAccessors m_accessors;
    const Hooks m_hooks;
    std::vector<Entry> m_consumers;
    ChartConsumer* m_chart = nullptr;
    TableConsumer* m_table = nullptr;
    TransListCons* m_transList = nullptr;
    DetailsCons* m_details = nullptr;
    OffersConsumer* m_offers = nullptr;
    AppFilesGeneratorConsumer* m_filesGenerator = nullptr;
    TransactionsMonitorConsumer* m_transactionsMonitor = nullptr;
};
