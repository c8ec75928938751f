#pragma once
// The files-generator library's consumer: its one window on the running provider, and the
// operations the ribbon's files-generator commands and the history popup run on it. While the
// window is not open there are no settings, selection or history to act on. Window files keep
// the instruments, groups, folder and column lock. Main thread only.

#include "modulelibs/common/ModuleConsumer.h"
#include "modulelibs/filesgen/FilesGenWindow.h"
#include "platform/modules/AppFilesGeneratorConsumer.h"

class FilesGenModuleConsumer : public ModuleConsumer<AppFilesGeneratorConsumer>
{
public:
    FilesGenModuleConsumer();

    // The writer of windows opened from now on; empty for the atomic writer.
    void SetWriter(FilesGenOutput::Writer writer) { m_writer = std::move(writer); }
    // Null while no window is open.
    FilesGenWindow* Window() const { return m_window; }

    bool ShowFilesGeneratorDlg(QWidget* view, const Asset* asset, int flags) override;
    bool IsWndOpened() const override { return m_window != nullptr; }
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override;
    bool RedrawWindowAfterStyleChange() override;
    IFilesGeneratorSettings* GetMainSettings() override;
    bool ApplySettings(int property) override;
    std::shared_ptr<Asset> GetSelectedAssetBL() const override;
    bool RemoveSelectedAsset() override;
    bool IsHistoryActionPossible() const override { return m_window != nullptr; }
    void SetHistoryDlgPtr(const QPointer<QWidget>& dialog) override;

    void GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const override;
    void SetAllAssetsAndAssetsGroupId(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups) override;
    bool AddAsset(const Asset& asset) override;
    QString GetOutputFolderPath() const override;

    void GetHistoryTimesRange(QDateTime& from, QDateTime& to) const override;
    void SetHistoryTimeFrom(const QDateTime& from) override;
    void SetHistoryTimeTo(const QDateTime& to) override;
    bool IfGettingHistoryPossible() const override;
    bool IfStopGettingHistoryPossible() const override;
    bool GetHistoryToFiles() override;
    void StopGettingHistory() override;

    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override;
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;

private:
    FilesGenWindow* Open(QWidget* view);

    FilesGenOutput::Writer m_writer;
    QPointer<FilesGenWindow> m_window;
    QPointer<QWidget> m_historyDialog;
};
