#pragma once
// The transactions-monitor library's consumer: its windows on the running provider, and the
// library's active object, through which the ribbon's monitor commands act on the active
// window. Main thread only.

#include "modulelibs/transmonitor/TransMonitorWindow.h"
#include "modulelibs/windows/WindowedConsumer.h"
#include "platform/modules/TMActiveObject.h"
#include "platform/modules/TransactionsMonitorConsumer.h"

#include <functional>
#include <set>

class TransMonitorModuleConsumer : public WindowedConsumer<TransactionsMonitorConsumer, TransMonitorWindow>,
                                   public TMActiveObject
{
public:
    // Lets the user change the chosen instruments; false when cancelled.
    using AssetsChooser = std::function<bool(std::set<Asset>& assets)>;
    // Begins the style edit mode on a style, with the editor's title.
    using StyleEditor = std::function<void(const std::shared_ptr<StyleBase>& style, const QString& title)>;

    TransMonitorModuleConsumer();

    bool ShowNewTransactionsMonitorWindow(QWidget* view, int flags) override;
    using WindowedConsumer::CollectWindowsData;

    void SetValue(int context, int value = 0) override;
    SimpleValue GetValue(int context) const override;
    void ChangeDSParam(int group, int param, int value) override { ChangeActiveParam(group, param, value); }
    int GetDSParam(int group, int param) const override { return ActiveParam(group, param); }
    void CancelDSParam() override { CancelActiveParams(); }
    void ApplyDSParam() override { ApplyActiveParams(); }
    void RestoreDSParam() override { RestoreActiveParams(); }
    void ManageAssets() override;

    void SetAssetsChooser(AssetsChooser chooser) { m_chooser = std::move(chooser); }
    void SetStyleEditor(StyleEditor editor) { m_styleEditor = std::move(editor); }
    // Edits the stored style the active window follows (the kind's default style when it follows
    // none); false, with a log line, without a window or an editor.
    bool EditActiveStyle();

private:
    AssetsChooser m_chooser;
    StyleEditor m_styleEditor;
};
