#pragma once
// The files-generator window: the instruments whose current data it writes as text files into
// its output folder, each with its last price, time and file, and below them the folder and the
// last failure to write, shown until a write succeeds again. Each instrument's quotes come on
// its own FeedLink; on every tick of the write timer an instrument whose quote changed gets its
// file rewritten. The window also runs the history fetch one instrument a step and tells the
// history popup, when there is one, whenever the fetch starts or ends. Main thread only.

#include "modulelibs/filesgen/FilesGenOutput.h"
#include "modulelibs/windows/FeedLink.h"
#include "platform/modules/ModuleWndBase.h"

#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>

class ConsumerBase;
class QLabel;
class QTableWidget;

class FilesGenWindow : public ModuleWndBase
{
    Q_OBJECT

public:
    static constexpr int kWriteMs = 1000;
    static constexpr int kHistoryStepMs = 20;

    FilesGenWindow(ConsumerBase& consumer, FilesGenOutput::Writer writer, QWidget* parent);
    ~FilesGenWindow() override;

    IGenericModule* GetModule() const override;
    CmdTarget* GetCmdTarger() const override;

    FilesGenOutput& Generator() { return m_generator; }
    const FilesGenOutput& Generator() const { return m_generator; }

    void SetAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups);
    bool AddAsset(const Asset& asset);
    // The instrument of the selected row; empty when none.
    std::optional<Asset> SelectedAsset() const;
    bool RemoveSelectedAsset();
    void SelectRow(int row);
    void ApplyColumnLock();

    // Writes the files of the instruments whose quotes changed; the timer runs it, tests call it.
    void Pump();
    // The error line under the list; empty while writing works.
    QString ErrorText() const;

    void SetHistoryDialog(const QPointer<QWidget>& dialog) { m_historyDialog = dialog; }
    // Each start that fails, and each fetch once it ends, is told to the user in a message popup.
    bool StartHistory();
    void StopHistory();
    // One step of the history fetch; the timer runs it, tests call it.
    void StepHistory();

    void Save(Settings& node) const;
    void Load(const Settings& node);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Follow();
    void Rebuild();
    void ShowError();
    void RefreshHistoryDialog();
    void TellHistoryReport();
    void Tell(bool warning, const QString& text);
    void FillRow(int row, const Asset& asset);

    ConsumerBase& m_consumer;
    FilesGenOutput m_generator;
    std::map<Asset, std::unique_ptr<FeedLink>> m_links;
    std::map<Asset, CurrentState> m_lastStates;
    QTableWidget* m_table;
    QLabel* m_folder;
    QLabel* m_error;
    QTimer m_writeTimer;
    QTimer m_historyTimer;
    QPointer<QWidget> m_historyDialog;
};
