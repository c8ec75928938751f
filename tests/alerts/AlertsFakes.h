#pragma once
// Fakes shared by the alert tests: a mediator with argument sources, a source that counts
// and can refuse, a recorder of the generated alerts handed to the module libraries, popups
// and sounds, and an observer of the module.
// Every fake is safe to use from the worker thread and the test thread at once.

#include "alerts/engine/IAlertListRow.h"
#include "alerts/engine/ISoundPlayer.h"
#include "alerts/engine/IAlertModuleObserver.h"
#include "alerts/engine/IAlertsMediator.h"
#include "platform/modules/GeneratedAlertInfo.h"
#include "platform/modules/IAlertArgumentSource.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <vector>

class FakeArgumentSource : public IAlertArgumentSource
{
public:
    void PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values) override {}
    void NotifyArgumentDestroyed(const AlertExprArgDesc& argument) override {}
    bool IsArgumentValid(const AlertExprArgDesc& argument) override;
    bool AddArgumentUsage(const AlertExprArgDesc& argument) override;
    void RemoveArgumentUsage(const AlertExprArgDesc& argument) override;

    void Refuse(const AlertExprArgDesc& argument);
    void Invalidate(const AlertExprArgDesc& argument);
    int AddCalls(const AlertExprArgDesc& argument) const;
    int RemoveCalls(const AlertExprArgDesc& argument) const;
    int TotalCalls() const;

private:
    mutable std::mutex m_mutex;
    std::set<AlertExprArgDesc> m_refused;
    std::set<AlertExprArgDesc> m_invalid;
    std::map<AlertExprArgDesc, int> m_adds;
    std::map<AlertExprArgDesc, int> m_removes;
};

class RecordingGenerator;

// Records the files it is asked to play; a held player blocks each sound until released.
class FakeSoundPlayer : public ISoundPlayer
{
public:
    void PlayFileBlocking(const QString& path) override;
    void Purge() override;

    void Hold();
    void Release();
    // Waits until count sounds have started; false after the timeout.
    bool WaitForStarted(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Waits until count sounds have ended.
    bool WaitForPlayed(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    QStringList Played() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    std::size_t m_started = 0;
    QStringList m_played;
};

class FakeAlertsMediator : public IAlertsMediator
{
public:
    IAlertArgumentSource* GetAlertArgumentSource(const QString& moduleName) override;
    int GetProductKind() override { return productKind; }
    std::optional<QStringList> GetListedInstruments() override { return listedInstruments; }
    bool CloudAlertExists(const QString& name) override { return cloudAlertNames.contains(name); }
    AlertPropsDefaults GetNewAlertDefaults() override { return defaults; }
    bool PostToMainFrame(unsigned message) override;
    void BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert) override;
    void ShowAlertNotification(const QString& name, const QString& argumentName, const QString& valueText,
                               unsigned side, bool cloudEvent) override;
    AlertsGeneralSettingsValues GetNotificationSettings() override;
    std::shared_ptr<ISoundPlayer> CreateSoundPlayer() override { return soundPlayer; }

    // "name|argument|value|side|cloud" per popup.
    QStringList Popups() const;
    void SetNotificationSettings(const AlertsGeneralSettingsValues& settings);

    std::vector<unsigned> TakePostedMessages();
    // Waits until count messages were posted in all; false after the timeout.
    bool WaitForPosts(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // Set before the module is made.
    std::map<QString, IAlertArgumentSource*> sources;
    std::atomic<int> productKind = 1;
    std::optional<QStringList> listedInstruments;
    QStringList cloudAlertNames;
    AlertPropsDefaults defaults;
    RecordingGenerator* broadcasts = nullptr;
    const std::shared_ptr<FakeSoundPlayer> soundPlayer = std::make_shared<FakeSoundPlayer>();

private:
    mutable std::mutex m_mutex;
    QStringList m_popups;
    AlertsGeneralSettingsValues m_settings;
    std::condition_variable m_posted;
    std::vector<unsigned> m_messages;
    std::size_t m_posts = 0;
};

// The generated alerts as the module libraries receive them.
class RecordingGenerator
{
public:
    struct Generated
    {
        std::uint32_t alertId = 0;
        QString name;
        unsigned side = 0;
        std::size_t snapshots = 0;
    };

    void Record(const GeneratedAlertInfo& alert);

    std::vector<Generated> Taken();
    std::size_t Count() const;
    // Waits until count alerts were generated in all, or of the alert of that name; false
    // after the timeout.
    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    bool WaitFor(const QString& name, std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    std::size_t Count(const QString& name) const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_generated;
    std::vector<Generated> m_alerts;
    std::size_t m_total = 0;
    std::map<QString, std::size_t> m_byName;
};

class RecordingObserver : public IAlertModuleObserver
{
public:
    void OnAlertAdded(std::uint32_t alertId) override;
    void OnAlertsChanged() override;
    void OnAlertRemoved(std::uint32_t alertId) override;
    void OnAllAlertsRemoved() override;
    void OnArgumentDestroyed(const AlertExprArgDesc& argument) override;

    QStringList Events() const;

private:
    mutable std::mutex m_mutex;
    QStringList m_events;
};

// Points the application log at a temporary folder for one test and reads it back.
// A cloud alert's row of the defined-alerts list.
class FakeCloudRow : public IAlertListRow
{
public:
    FakeCloudRow(QString name, std::uint32_t id) : m_name(std::move(name)), m_id(id) {}
    QString GetColumnText(int column) const override { return column == 0 ? m_name : QString(); }
    void Refresh() override {}
    std::uint32_t GetAlertId() const override { return m_id; }
    bool IsInstrumentListed() const override { return true; }
    bool IsAlertActive() const override { return true; }
    int GetRowKind() const override { return kCloudRow; }

private:
    QString m_name;
    std::uint32_t m_id;
};

class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    QString Text() const;
    // Waits until the log holds the text; false after the timeout.
    bool WaitFor(const QString& text, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;

private:
    QString m_path;
    QString m_folder;
};
