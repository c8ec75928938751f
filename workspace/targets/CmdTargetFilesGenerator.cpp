#include "workspace/targets/CmdTargetFilesGenerator.h"

#include "platform/modules/IFilesGeneratorSettings.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/PluginBase.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/IShellService.h"
#include "workspace/targets/FilesGeneratorCmdIds.h"

#include <QDir>
#include <QUrl>

#include <filesystem>

using namespace FilesGenCmd;

CmdTargetFilesGenerator::CmdTargetFilesGenerator(Services services)
    : m_services(std::move(services))
{
    if (!m_services.activeModuleWnd)
        m_services.activeModuleWnd = [] {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? mediator->GetActiveModuleWnd() : nullptr;
        };
    if (!m_services.activePanelView)
        m_services.activePanelView = [] {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? mediator->GetActivePanelView() : nullptr;
        };
    if (!m_services.openFolder)
        m_services.openFolder = [](const QString& folder) {
            return DialogServices::Shell()->OpenUrl(QUrl::fromLocalFile(folder));
        };

    OnCommand(ID_LOCK_COLUMNS, [this] {
        AppFilesGeneratorConsumer* consumer = m_services.consumer();
        IFilesGeneratorSettings* settings = consumer ? consumer->GetMainSettings() : nullptr;
        if (!settings)
            return;
        settings->SetColumnsLocked(!settings->AreColumnsLocked());
        consumer->ApplySettings(kColumnLockProperty);
    });
    OnUpdate(ID_LOCK_COLUMNS, [this](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        AppFilesGeneratorConsumer* consumer = m_services.consumer();
        if (IFilesGeneratorSettings* settings = consumer ? consumer->GetMainSettings() : nullptr)
            cmdUI.SetCheck(settings->AreColumnsLocked() ? 1 : 0);
    });

    OnCommand(ID_INSERT_INSTRUMENT, [this] { InsertInstrument(); });
    OnUpdate(ID_INSERT_INSTRUMENT, [](CmdUI& cmdUI) { cmdUI.Enable(true); });

    OnCommand(ID_REMOVE, [this] {
        if (AppFilesGeneratorConsumer* consumer = m_services.consumer())
            consumer->RemoveSelectedAsset();
    });
    OnUpdate(ID_REMOVE, [this](CmdUI& cmdUI) {
        AppFilesGeneratorConsumer* consumer = m_services.consumer();
        cmdUI.Enable(consumer && consumer->GetSelectedAssetBL() != nullptr);
    });

    OnCommand(ID_MANAGE, [this] { ManageInstruments(); });
    OnCommand(ID_MANAGE_INSTRUMENTS, [this] { ManageInstruments(); });
    OnUpdate(ID_MANAGE, [](CmdUI& cmdUI) { cmdUI.Enable(true); });

    OnUpdate(ID_HISTORY, [this](CmdUI& cmdUI) {
        AppFilesGeneratorConsumer* consumer = m_services.consumer();
        cmdUI.Enable(consumer && consumer->IsHistoryActionPossible());
    });

    OnCommand(ID_OPEN_FOLDER, [this] { OpenFolder(); });
    OnUpdate(ID_OPEN_FOLDER, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
}

void CmdTargetFilesGenerator::InsertInstrument()
{
    ModuleWndBase* window = m_services.activeModuleWnd();
    if (!window || !m_services.consumer() || !m_services.quickAddInstrument)
        return;
    // The window may close while the popup is open: the consumer is asked again.
    const auto consumer = m_services.consumer;
    m_services.quickAddInstrument(*window, [consumer](QWidget* asker, const Asset& chosen) {
        if (AppFilesGeneratorConsumer* generator = asker ? consumer() : nullptr)
            generator->AddAsset(chosen);
    });
}

void CmdTargetFilesGenerator::ManageInstruments()
{
    AppFilesGeneratorConsumer* consumer = m_services.consumer();
    if (!consumer)
        return;
    std::set<Asset> assets;
    std::set<AssetsGroupId> groups;
    consumer->GetAllAssetsAndAssetsGroupId(assets, groups);
    if (m_services.chooseManyAssets && m_services.chooseManyAssets(m_services.activePanelView(), assets, groups))
        consumer->SetAllAssetsAndAssetsGroupId(assets, groups);
}

void CmdTargetFilesGenerator::OpenFolder()
{
    AppFilesGeneratorConsumer* consumer = m_services.consumer();
    const QString folder = consumer ? consumer->GetOutputFolderPath() : QString();
    // Without a folder there is nothing to make or show.
    if (folder.isEmpty())
        return;
    std::error_code error;
    std::filesystem::create_directories(QDir(folder).absolutePath().toStdString(), error);
    if (!m_services.openFolder(folder))
        if (IAppMediator* mediator = PluginBase::GetAppMediator())
            mediator->WriteWarning(QStringLiteral("Quorvanta 4"), QStringLiteral("CmdTargetFilesGenerator::OpenFolder"),
                                   __LINE__, QStringLiteral("Nie otwarto folderu \"%1\".").arg(folder));
}
