#include "modulelibs/filesgen/FilesGenOutput.h"

#include "modulelibs/filesgen/FilesGenFormat.h"
#include "modulelibs/windows/AssetRef.h"
#include "platform/base/AtomicFile.h"
#include "platform/settings/Settings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace
{
// "1 plik", "3 pliki", "5 plików", "22 pliki".
QString Files(qsizetype count)
{
    const qsizetype tens = count % 100;
    const qsizetype ones = count % 10;
    const char* word = count == 1 ? "plik" : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? "pliki" : "plików";
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(word));
}

QString Day(const QDateTime& time)
{
    return time.date().toString(QStringLiteral("dd.MM.yyyy"));
}
}

FilesGenOutput::FilesGenOutput(QString outputFolder, Writer writer)
    : m_outputFolder(std::move(outputFolder))
    , m_writer(std::move(writer))
    , m_historyFrom(QDateTime(QDate::currentDate().addDays(-30), QTime(0, 0)))
    , m_historyTo(QDateTime::currentDateTime())
{
    if (!m_writer)
        m_writer = [](const QString& path, const QByteArray& content, QString* errorText) {
            return AtomicFile::Write(path, content, errorText);
        };
}

void FilesGenOutput::SetAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups)
{
    std::erase_if(m_assets, [&](const Asset& asset) { return !assets.contains(asset); });
    for (const Asset& asset : assets)
        AddAsset(asset);
    m_groups = groups;
}

bool FilesGenOutput::AddAsset(const Asset& asset)
{
    if (std::find(m_assets.begin(), m_assets.end(), asset) != m_assets.end())
        return false;
    m_assets.push_back(asset);
    return true;
}

bool FilesGenOutput::RemoveAsset(const Asset& asset)
{
    return std::erase(m_assets, asset) > 0;
}

bool FilesGenOutput::EnsureOutputFolder()
{
    if (m_outputFolder.isEmpty())
    {
        m_lastError = QStringLiteral("Nie podano folderu plików.");
        return false;
    }
    if (QFileInfo(m_outputFolder).isDir() || QDir().mkpath(m_outputFolder))
        return true;
    m_lastError = QStringLiteral("Nie utworzono folderu \"%1\".").arg(QDir::toNativeSeparators(m_outputFolder));
    return false;
}

bool FilesGenOutput::Write(const QString& fileName, const QByteArray& content)
{
    if (!EnsureOutputFolder())
        return false;
    const QString path = QDir(m_outputFolder).filePath(fileName);
    QString reason;
    if (!m_writer(path, content, &reason))
    {
        m_lastError = QStringLiteral("Nie zapisano pliku \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    m_lastError.clear();
    return true;
}

bool FilesGenOutput::WriteCurrent(const Asset& asset, const CurrentState& state)
{
    return Write(FilesGenFormat::CurrentFileName(asset), FilesGenFormat::CurrentData(asset, state));
}

bool FilesGenOutput::WriteHistory(const Asset& asset, const std::vector<PriceBar>& bars)
{
    return Write(FilesGenFormat::HistoryFileName(asset), FilesGenFormat::History(asset, bars, m_historyFrom, m_historyTo));
}

bool FilesGenOutput::CanStartHistory() const
{
    return WhyHistoryCannotStart().isEmpty();
}

QString FilesGenOutput::WhyHistoryCannotStart() const
{
    if (IsFetchingHistory())
        return QStringLiteral("historia jest już pobierana.");
    if (m_assets.empty())
        return QStringLiteral("okno nie ma instrumentów.");
    if (!m_historyFrom.isValid() || !m_historyTo.isValid() || m_historyFrom >= m_historyTo)
        return QStringLiteral("zakres dat jest pusty.");
    return {};
}

bool FilesGenOutput::StartHistory(HistorySource source)
{
    if (!CanStartHistory() || !source)
        return false;
    m_historySource = std::move(source);
    m_historyQueue = m_assets;
    m_historyNext = 0;
    m_historyFiles.clear();
    m_historyWithoutSessions.clear();
    m_historyQueued = m_historyQueue.size();
    m_historyFailure.clear();
    m_historyStopped = false;
    return true;
}

bool FilesGenOutput::StepHistory()
{
    if (!IsFetchingHistory())
        return false;
    const Asset& asset = m_historyQueue[m_historyNext++];
    // Daily bars back from today far enough to reach the start of the range.
    const qint64 days = std::max<qint64>(1, m_historyFrom.date().daysTo(QDate::currentDate()) + 1);
    std::vector<PriceBar> bars;
    bool done = false;
    if (!m_historySource(asset, static_cast<int>(days), bars))
        m_lastError = QStringLiteral("Dostawca danych nie ma historii instrumentu %1.").arg(asset.GetShortName());
    else if (!FilesGenFormat::HasBarsWithin(bars, m_historyFrom, m_historyTo))
    {
        m_historyWithoutSessions << asset.GetShortName();
        done = true;
    }
    else if (WriteHistory(asset, bars))
    {
        m_historyFiles << FilesGenFormat::HistoryFileName(asset);
        done = true;
    }
    if (!done)
    {
        m_historyFailure = m_lastError;
        EndHistory();
    }
    return IsFetchingHistory();
}

void FilesGenOutput::StopHistory()
{
    m_historyStopped = IsFetchingHistory();
    EndHistory();
}

void FilesGenOutput::EndHistory()
{
    m_historyQueue.clear();
    m_historyNext = 0;
    m_historySource = nullptr;
}

QString FilesGenOutput::HistoryReport() const
{
    const QString folder = QDir::toNativeSeparators(m_outputFolder);
    const QString range = QStringLiteral("%1 – %2").arg(Day(m_historyFrom), Day(m_historyTo));
    QString written;
    if (!m_historyFiles.isEmpty())
        written = QStringLiteral("Zapisano %1 w folderze \"%2\": %3.")
                      .arg(Files(m_historyFiles.size()), folder, m_historyFiles.join(QStringLiteral(", ")));
    QString report;
    if (!m_historyFailure.isEmpty())
        report = QStringLiteral("Nie zapisano historii: %1").arg(m_historyFailure);
    else if (m_historyStopped)
        report = QStringLiteral("Przerwano pobieranie historii.");
    else if (m_historyFiles.isEmpty())
        return QStringLiteral("Nie zapisano historii: w okresie %1 nie było sesji.").arg(range);
    else
        report = QStringLiteral("Zapisano historię notowań z okresu %1.").arg(range);
    if (!written.isEmpty())
        report += QLatin1Char(' ') + written;
    else if (!m_historyFailure.isEmpty() || m_historyStopped)
        report += QStringLiteral(" Nie zapisano żadnego pliku.");
    if (!m_historyWithoutSessions.isEmpty())
        report += QStringLiteral(" Bez sesji w tym okresie, bez pliku: %1.").arg(m_historyWithoutSessions.join(QStringLiteral(", ")));
    return report;
}

bool FilesGenOutput::HistoryWentWrong() const
{
    return !m_historyFailure.isEmpty() || m_historyFiles.isEmpty();
}

void FilesGenOutput::Save(Settings& node) const
{
    node["OutputFolder"] = m_outputFolder;
    node["ColumnsLocked"] = m_columnsLocked;
    Settings& assets = node["Instruments"];
    for (const Asset& asset : m_assets)
        AssetRef::Save(asset, assets.AddUnnamed());
    Settings& groups = node["Groups"];
    for (const AssetsGroupId& group : m_groups)
        groups.AddUnnamed() = group.id;
}

void FilesGenOutput::Load(const Settings& node)
{
    if (node.Exists(QStringLiteral("OutputFolder")))
        m_outputFolder = node["OutputFolder"].ToString();
    m_columnsLocked = node["ColumnsLocked"].ToBool();
    m_assets.clear();
    for (ConstSettingsIterator child = node["Instruments"].IteratorUnnamed(1); child.Iterate();)
        if (const std::optional<Asset> asset = AssetRef::Resolve(child.Node()))
            AddAsset(*asset);
    m_groups.clear();
    for (ConstSettingsIterator child = node["Groups"].IteratorUnnamed(1); child.Iterate();)
        m_groups.insert({child.Node().ToString()});
}
