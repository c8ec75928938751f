#pragma once
// The files-generator library's consumer. Its window comes with the files-generator command
// target; until then it is not open, so it has no settings, selection or history to act on.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/AppFilesGeneratorConsumer.h"

class FilesGenModuleConsumer : public ModuleConsumer<AppFilesGeneratorConsumer>
{
public:
    FilesGenModuleConsumer();

    bool ShowFilesGeneratorDlg(QWidget* view, const Asset* asset, int flags) override;
    bool IsWndOpened() const override { return false; }
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
    bool RedrawWindowAfterStyleChange() override { return false; }
    IFilesGeneratorSettings* GetMainSettings() override { return nullptr; }
    bool ApplySettings(int property) override { return false; }
    std::shared_ptr<Asset> GetSelectedAssetBL() const override { return {}; }
    bool RemoveSelectedAsset() override { return false; }
    bool IsHistoryActionPossible() const override { return false; }
    void SetHistoryDlgPtr(const std::shared_ptr<QWidget>& dialog) override { m_historyDialog = dialog; }

private:
    // The window tells the popup of changes once it is open.
    std::shared_ptr<QWidget> m_historyDialog;
};
