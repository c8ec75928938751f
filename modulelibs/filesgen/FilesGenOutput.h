#pragma once
// What a files-generator window does, apart from showing it: the instruments (and instrument
// groups) it keeps, the folder it writes into, the column lock, the history date range, and the
// writing of the files through the atomic writer, so a file is either whole or not there. A
// write that fails (a full disk, a folder that cannot be made or written) leaves the old file,
// and the reason is kept for the window to show. History is written one instrument a step, so
// the window stays responsive and the user can stop it between steps. Main thread only.

#include "platform/modules/Asset.h"
#include "platform/modules/AssetsGroupId.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/IFilesGeneratorSettings.h"
#include "platform/modules/PriceBar.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <set>
#include <vector>

class Settings;

class FilesGenOutput : public IFilesGeneratorSettings
{
public:
    // Writes the whole file or leaves the old one; false with the reason in errorText.
    using Writer = std::function<bool(const QString& path, const QByteArray& content, QString* errorText)>;
    // The instrument's last count daily bars, oldest first; false when there is no history.
    using HistorySource = std::function<bool(const Asset& asset, int count, std::vector<PriceBar>& bars)>;

    // An empty writer writes through the atomic writer.
    explicit FilesGenOutput(QString outputFolder, Writer writer = {});

    void SetColumnsLocked(bool locked) override { m_columnsLocked = locked; }
    bool AreColumnsLocked() const override { return m_columnsLocked; }

    const std::vector<Asset>& Assets() const { return m_assets; }
    const std::set<AssetsGroupId>& Groups() const { return m_groups; }
    // Keeps the order of the instruments that stay; new ones go to the end.
    void SetAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups);
    bool AddAsset(const Asset& asset);
    bool RemoveAsset(const Asset& asset);

    const QString& OutputFolder() const { return m_outputFolder; }
    void SetOutputFolder(const QString& folder) { m_outputFolder = folder; }
    // Creates the output folder when missing; false, with the reason kept, when it cannot.
    bool EnsureOutputFolder();

    // Each false, with the reason kept, when the file could not be written.
    bool WriteCurrent(const Asset& asset, const CurrentState& state);
    bool WriteHistory(const Asset& asset, const std::vector<PriceBar>& bars);
    // The reason of the last failure; empty after a write that succeeded.
    const QString& LastError() const { return m_lastError; }

    const QDateTime& HistoryFrom() const { return m_historyFrom; }
    const QDateTime& HistoryTo() const { return m_historyTo; }
    void SetHistoryFrom(const QDateTime& from) { m_historyFrom = from; }
    void SetHistoryTo(const QDateTime& to) { m_historyTo = to; }

    bool CanStartHistory() const;
    // Why a fetch cannot start now; empty when it can.
    QString WhyHistoryCannotStart() const;
    bool IsFetchingHistory() const { return m_historyNext < m_historyQueue.size(); }
    // Queues every instrument; false when there is none, the range is empty or it runs already.
    bool StartHistory(HistorySource source);
    // Writes the next instrument's history; false once nothing is left (after the last, after a
    // failure, which ends the fetch, or after a stop). An instrument without a session in the
    // range gets no file.
    bool StepHistory();
    void StopHistory();
    // What the last fetch wrote and where, for the user once it ended; and whether it wrote
    // nothing or failed, which the user is warned of.
    QString HistoryReport() const;
    bool HistoryWentWrong() const;

    void Save(Settings& node) const;
    // Instruments the provider does not know any more are left out.
    void Load(const Settings& node);

private:
    bool Write(const QString& fileName, const QByteArray& content);
    void EndHistory();

    QString m_outputFolder;
    Writer m_writer;
    bool m_columnsLocked = false;
    std::vector<Asset> m_assets;
    std::set<AssetsGroupId> m_groups;
    QString m_lastError;
    QDateTime m_historyFrom;
    QDateTime m_historyTo;
    HistorySource m_historySource;
    std::vector<Asset> m_historyQueue;
    std::size_t m_historyNext = 0;
    // Of the last fetch: the files written, the instruments with no session in the range, the
    // number queued, and why it ended early (a failure, or the user's stop).
    QStringList m_historyFiles;
    QStringList m_historyWithoutSessions;
    std::size_t m_historyQueued = 0;
    QString m_historyFailure;
    bool m_historyStopped = false;
};
