#include "modulelibs/filesgen/FilesGenModuleConsumer.h"

#include "platform/modules/ConnectWindowEvent.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

namespace
{
const QString kRootName = QStringLiteral("Settings");
}

FilesGenModuleConsumer::FilesGenModuleConsumer()
    : ModuleConsumer({QStringLiteral("FilesGenerator"), QStringLiteral(".q4fg"),
                      QStringLiteral("Pliki generatora plików (*.q4fg)|*.q4fg"), QStringLiteral("Generator plików"),
                      QStringLiteral(".q5fg"), QStringLiteral("generatora plików")})
{
}

FilesGenWindow* FilesGenModuleConsumer::Open(QWidget* view)
{
    if (m_window)
        return m_window;
    // A window opened without a view goes into the panel the user works in.
    if (IAppMediator* mediator = PluginBase::GetAppMediator(); !view && mediator)
        view = mediator->GetActivePanelView() ? mediator->GetActivePanelView() : mediator->GetCurrentPanelView();
    m_window = new FilesGenWindow(*this, m_writer, view);
    m_window->SetHistoryDialog(m_historyDialog);
    m_window->show();
    return m_window;
}

bool FilesGenModuleConsumer::ShowFilesGeneratorDlg(QWidget* view, const Asset* asset, int flags)
{
    FilesGenWindow* window = Open(view);
    if (asset)
        window->AddAsset(*asset);
    window->ForceActivate();
    return true;
}

void FilesGenModuleConsumer::CollectWindowsData(std::vector<ConnectedWindowData>& windows) const
{
    if (m_window)
        windows.push_back({ConnectWindowEvent::WindowIdOf(m_window), m_window});
}

bool FilesGenModuleConsumer::RedrawWindowAfterStyleChange()
{
    if (!m_window)
        return false;
    m_window->update();
    return true;
}

IFilesGeneratorSettings* FilesGenModuleConsumer::GetMainSettings()
{
    return m_window ? &m_window->Generator() : nullptr;
}

bool FilesGenModuleConsumer::ApplySettings(int property)
{
    if (!m_window)
        return false;
    m_window->ApplyColumnLock();
    return true;
}

std::shared_ptr<Asset> FilesGenModuleConsumer::GetSelectedAssetBL() const
{
    const std::optional<Asset> selected = m_window ? m_window->SelectedAsset() : std::nullopt;
    return selected ? std::make_shared<Asset>(*selected) : nullptr;
}

bool FilesGenModuleConsumer::RemoveSelectedAsset()
{
    return m_window && m_window->RemoveSelectedAsset();
}

void FilesGenModuleConsumer::SetHistoryDlgPtr(const QPointer<QWidget>& dialog)
{
    m_historyDialog = dialog;
    if (m_window)
        m_window->SetHistoryDialog(dialog);
}

void FilesGenModuleConsumer::GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const
{
    if (!m_window)
        return;
    assets.insert(m_window->Generator().Assets().begin(), m_window->Generator().Assets().end());
    groups.insert(m_window->Generator().Groups().begin(), m_window->Generator().Groups().end());
}

void FilesGenModuleConsumer::SetAllAssetsAndAssetsGroupId(const std::set<Asset>& assets,
                                                          const std::set<AssetsGroupId>& groups)
{
    if (m_window)
        m_window->SetAssets(assets, groups);
}

bool FilesGenModuleConsumer::AddAsset(const Asset& asset)
{
    return m_window && m_window->AddAsset(asset);
}

QString FilesGenModuleConsumer::GetOutputFolderPath() const
{
    return m_window ? m_window->Generator().OutputFolder() : QString();
}

void FilesGenModuleConsumer::GetHistoryTimesRange(QDateTime& from, QDateTime& to) const
{
    if (!m_window)
        return;
    from = m_window->Generator().HistoryFrom();
    to = m_window->Generator().HistoryTo();
}

void FilesGenModuleConsumer::SetHistoryTimeFrom(const QDateTime& from)
{
    if (m_window)
        m_window->Generator().SetHistoryFrom(from);
}

void FilesGenModuleConsumer::SetHistoryTimeTo(const QDateTime& to)
{
    if (m_window)
        m_window->Generator().SetHistoryTo(to);
}

bool FilesGenModuleConsumer::IfGettingHistoryPossible() const
{
    return m_window && m_window->Generator().CanStartHistory();
}

bool FilesGenModuleConsumer::IfStopGettingHistoryPossible() const
{
    return m_window && m_window->Generator().IsFetchingHistory();
}

bool FilesGenModuleConsumer::GetHistoryToFiles()
{
    return m_window && m_window->StartHistory();
}

void FilesGenModuleConsumer::StopGettingHistory()
{
    if (m_window)
        m_window->StopHistory();
}

bool FilesGenModuleConsumer::SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles)
{
    if (!m_window || window != m_window)
        return ModuleConsumer::SaveWindowToFile(window, path, flags, embedStyles);
    Settings root;
    m_window->Save(root);
    return root.SaveToFile(path, kRootName);
}

bool FilesGenModuleConsumer::SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved)
{
    if (!m_window || window != m_window)
        return ModuleConsumer::SaveWindowToQ5Format(window, path, flags, reserved);
    Q5Settings root;
    root["Module"] = GetQ5ModuleName();
    root["OutputFolder"] = m_window->Generator().OutputFolder();
    root["ColumnsLocked"] = m_window->Generator().AreColumnsLocked();
    QStringList tickers;
    for (const Asset& asset : m_window->Generator().Assets())
        tickers << asset.GetShortName();
    root["Tickers"] = tickers.join(QLatin1Char(','));
    return root.SaveToFile(path, "Settings");
}

bool FilesGenModuleConsumer::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    Settings root;
    QString reason;
    if (!root.LoadFromFile(path, kRootName, &reason))
    {
        WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__,
                     QStringLiteral("Nie otwarto pliku \"%1\": %2").arg(path, reason));
        return false;
    }
    FilesGenWindow* window = Open(parent);
    window->Load(root);
    window->ForceActivate();
    return true;
}
