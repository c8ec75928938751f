#pragma once
// The consumer of the files-generator library: the one window that writes the current data of
// its instruments as text files into an output folder.

#include "platform/modules/Asset.h"
#include "platform/modules/AssetsGroupId.h"
#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <QDateTime>
#include <QPointer>
#include <QString>

#include <memory>
#include <set>
#include <vector>

class IFilesGeneratorSettings;

class AppFilesGeneratorConsumer : public ConsumerBase
{
public:
    // Opens the window in the panel view, on the instrument when one is given; false when it did not open.
    virtual bool ShowFilesGeneratorDlg(QWidget* view, const Asset* asset, int flags) = 0;
    virtual bool IsWndOpened() const = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;
    virtual bool RedrawWindowAfterStyleChange() = 0;
    // Null while the window is not open.
    virtual IFilesGeneratorSettings* GetMainSettings() = 0;
    // Applies the changed main settings; property names the setting (1 the column lock).
    virtual bool ApplySettings(int property) = 0;
    // The selected instrument; empty when none is selected.
    virtual std::shared_ptr<Asset> GetSelectedAssetBL() const = 0;
    virtual bool RemoveSelectedAsset() = 0;
    virtual bool IsHistoryActionPossible() const = 0;
    // The popup in which the user fetches history: its slot RefreshButtons() is called whenever
    // fetching starts or ends. Null when there is no popup.
    virtual void SetHistoryDlgPtr(const QPointer<QWidget>& dialog) = 0;

    // The instruments and instrument groups whose files the window writes.
    virtual void GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const = 0;
    virtual void SetAllAssetsAndAssetsGroupId(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups) = 0;
    // Adds one instrument; false when it is there already or no window is open.
    virtual bool AddAsset(const Asset& asset) = 0;
    // Empty while no window is open.
    virtual QString GetOutputFolderPath() const = 0;

    // The date range of the history to write.
    virtual void GetHistoryTimesRange(QDateTime& from, QDateTime& to) const = 0;
    virtual void SetHistoryTimeFrom(const QDateTime& from) = 0;
    virtual void SetHistoryTimeTo(const QDateTime& to) = 0;
    virtual bool IfGettingHistoryPossible() const = 0;
    virtual bool IfStopGettingHistoryPossible() const = 0;
    // Starts writing the history files; false when it cannot start.
    virtual bool GetHistoryToFiles() = 0;
    virtual void StopGettingHistory() = 0;
};
