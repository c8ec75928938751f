#include "modulelibs/filesgen/FilesGenOutput.h"

#include "modulelibs/filesgen/FilesGenFormat.h"
#include "modulelibs/windows/AssetRef.h"
#include "platform/base/AtomicFile.h"
#include "platform/settings/Settings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

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
    return !IsFetchingHistory() && !m_assets.empty() && m_historyFrom.isValid() && m_historyTo.isValid() &&
           m_historyFrom < m_historyTo;
}

bool FilesGenOutput::StartHistory(HistorySource source)
{
    if (!CanStartHistory() || !source)
        return false;
    m_historySource = std::move(source);
    m_historyQueue = m_assets;
    m_historyNext = 0;
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
    bool written = false;
    if (!m_historySource(asset, static_cast<int>(days), bars))
        m_lastError = QStringLiteral("Dostawca danych nie ma historii instrumentu %1.").arg(asset.GetShortName());
    else
        written = WriteHistory(asset, bars);
    if (!written)
        StopHistory();
    return IsFetchingHistory();
}

void FilesGenOutput::StopHistory()
{
    m_historyQueue.clear();
    m_historyNext = 0;
    m_historySource = nullptr;
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
