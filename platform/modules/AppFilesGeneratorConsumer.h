#pragma once
// The consumer of the files-generator library: the one window that writes the current data of
// its instruments as text files into an output folder.

#include "platform/modules/Asset.h"
#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <memory>
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
    // The popup in which the user fetches history; told of changes by message 0x4C9.
    virtual void SetHistoryDlgPtr(const std::shared_ptr<QWidget>& dialog) = 0;
};
