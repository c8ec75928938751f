#pragma once
// The command target of the files-generator window: the files-generator library's consumer,
// reached afresh on every command, acts on its window. The history popup does its own work, so
// its command only says whether history can be fetched. Made once when the consumers are loaded.

#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "platform/modules/AssetsGroupId.h"
#include "platform/modules/IAppMediator.h"
#include "platform/ui/CmdTarget.h"

#include <functional>
#include <set>

class ModuleWndBase;
class QWidget;

class CmdTargetFilesGenerator : public CmdTarget
{
public:
    // The parts of the program the target reaches. The consumer is required; empty window and
    // view accessors take the mediator's, an empty folder opener the shell service; without a
    // chooser or a quick-add popup their commands do nothing.
    struct Services
    {
        std::function<AppFilesGeneratorConsumer*()> consumer;
        std::function<ModuleWndBase*()> activeModuleWnd;
        std::function<QWidget*()> activePanelView;
        // The modal choice of many instruments; true on OK, the sets changed in place.
        std::function<bool(QWidget* parent, std::set<Asset>& assets, std::set<AssetsGroupId>& groups)> chooseManyAssets;
        // Shows the quick-add popup over the window; the receiver is told the instrument chosen.
        std::function<void(ModuleWndBase& window, const QuickAddAssetReceiver& receiver)> quickAddInstrument;
        // Opens a folder in the desktop's file manager; false when nothing could open it.
        std::function<bool(const QString& folder)> openFolder;
    };

    explicit CmdTargetFilesGenerator(Services services = {});

private:
    void InsertInstrument();
    void ManageInstruments();
    void OpenFolder();

    Services m_services;
};
