#include "app/OrdersSheetManagerQ4Classic.h"

#include "core/engine/InvalidArgException.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "modulelibs/table/TableModule.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/settings/OrdersSheetGeneralSettingsGroup.h"
#include "orderssheet/settings/StyleOrdersSheet.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "platform/base/Log.h"
#include "platform/modules/ConnectWindowEvent.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StylesContainer.h"

#include <set>

namespace
{
const QString kRootName = QStringLiteral("OrdersSheetObject");

QString ProductName()
{
    return QStringLiteral("Quorvanta 4");
}

void WriteInfo(const QString& text, const char* where, int line)
{
    Log::WriteInfo(text, ProductName(), QString::fromLatin1(where), line);
}
}

OrdersSheetManagerQ4Classic::OrdersSheetManagerQ4Classic()
{
    SetQ5ModuleName(QStringLiteral("OrdersSheet"));
    SetQ5FileExtension(QStringLiteral(".q5sOS"));
    StyleOrdersSheet::RegisterKind(GetModuleName());
    m_templateGroup = std::make_shared<OrdersSheetGeneralSettingsGroup>(this);
    m_moduleStyle = StyleOrdersSheet::CreateInstance();
    StyleKinds::SetDefaultStyleSource(StyleOrdersSheet::Type, [this] { return m_moduleStyle; });
}

OrdersSheetManagerQ4Classic::~OrdersSheetManagerQ4Classic()
{
    StyleKinds::SetDefaultStyleSource(StyleOrdersSheet::Type, {});
    CloseAllWindows();
}

QWidget* OrdersSheetManagerQ4Classic::ActivePanel(QWidget* parent)
{
    AppMediator* mediator = AppMediator::Instance();
    if (!mediator)
        return parent;
    if (QWidget* view = mediator->GetActivePanelView())
        return view;
    if (QWidget* view = mediator->GetCurrentPanelView())
        return view;
    return parent;
}

std::optional<Asset> OrdersSheetManagerQ4Classic::NewWindowAsset()
{
    AppMediator* mediator = AppMediator::Instance();
    if (!mediator)
        return std::nullopt;
    if (const std::shared_ptr<Asset> active = mediator->GetActiveAsset(); active && active->GetProvider())
        return *active;
    ProviderBase* provider = mediator->GetDefaultProvider();
    if (!provider || provider->GetAllAssets().empty())
        return std::nullopt;
    Asset first = provider->GetAllAssets().front();
    if (!first.GetProvider())
        first.SetProvider(provider);
    return first;
}

void OrdersSheetManagerQ4Classic::LoadTemplate()
{
    if (const std::shared_ptr<const Settings> node = m_templateGroup->GetTemplate())
        m_template.LoadFromTemplate(*node);
}

OrderSheetMainDlg* OrdersSheetManagerQ4Classic::GetOrdersSheetDlg() const
{
    if (m_instances.size() == 1 && m_instances.begin()->second->GetWindows().Windows().size() == 1)
        return dynamic_cast<OrderSheetMainDlg*>(*m_instances.begin()->second->GetWindows().Windows().begin());
    if (!m_ownWindows.IsEmpty())
        return dynamic_cast<OrderSheetMainDlg*>(*m_ownWindows.Windows().begin());
    return nullptr;
}

bool OrdersSheetManagerQ4Classic::IsOrdersSheetWindowVisible() const
{
    const OrderSheetMainDlg* window = GetOrdersSheetDlg();
    return window && window->Visible();
}

bool OrdersSheetManagerQ4Classic::ShowOrdersSheetWindow(QWidget* parent)
{
    return ShowOrdersSheetWindow(parent, std::nullopt, false);
}

bool OrdersSheetManagerQ4Classic::ShowOrdersSheetWindow(QWidget* parent, std::optional<QRect> area, bool force)
{
    AppMediator* mediator = AppMediator::Instance();
    if (!m_instances.empty() || !m_ownWindows.IsEmpty())
    {
        if (OrderSheetMainDlg* window = GetOrdersSheetDlg())
        {
            if (window->Visible() && !force)
            {
                if (mediator)
                    mediator->OnModuleWndActivate(window, true, false);
                window->Hide();
                return true;
            }
            if (window->CheckActiveAsset())
            {
                window->Show();
                return true;
            }
            const QRect kept = window->geometry();
            CloseAllWindows();
            return ShowOrdersSheetWindow(ActivePanel(parent), kept, false);
        }
    }
    QWidget* panel = ActivePanel(parent);
    if (!panel)
    {
        Log::WriteWarning(QStringLiteral("Nie otwarto okna arkusza zleceń: brak panelu."), ProductName(),
                          QStringLiteral("OrdersSheetManager::ShowOrdersSheetWindow"), __LINE__);
        return false;
    }
    LoadTemplate();
    auto* window = new OrderSheetMainDlg(*this, m_template, true, panel);
    if (!window->IsRunning())
    {
        AddOwnWindow(window);
        // Like the program's other new windows: the active instrument, else the provider's first.
        if (const std::optional<Asset> asset = NewWindowAsset())
            window->RunOnAsset(*asset);
    }
    if (area && area->isValid())
        window->setGeometry(*area);
    window->Show();
    return true;
}

void OrdersSheetManagerQ4Classic::CollectWindowsData(std::vector<ConnectedWindowData>& windows) const
{
    const auto collect = [&windows](const OSDlgsCollection& collection) {
        for (IOrdersSheetWindow* window : collection.Windows())
            if (auto* sheet = dynamic_cast<OrderSheetMainDlg*>(window))
                windows.push_back({ConnectWindowEvent::WindowIdOf(sheet), sheet});
    };
    collect(m_ownWindows);
    for (const auto& [asset, instance] : m_instances)
        collect(instance->GetWindows());
}

std::shared_ptr<GeneralSettingsGroupManagerBase> OrdersSheetManagerQ4Classic::GetGeneralSettingsGroup()
{
    return m_templateGroup;
}

void OrdersSheetManagerQ4Classic::FindWindowStyle(int styleId)
{
    auto named = std::dynamic_pointer_cast<StyleOrdersSheet>(StylesContainer::Instance().FindStyle(styleId, StyleOrdersSheet::Type));
    m_moduleStyle = named ? named : StyleOrdersSheet::CreateInstance();
}

QString OrdersSheetManagerQ4Classic::GetFileFilter() const
{
    return QStringLiteral("Pliki arkusza zleceń dla programu Quorvanta4 (*.q4sOS)|*.q4sOS|"
                          "Pliki arkusza zleceń z osadzonymi stylami (*.q4ssOS)|*.q4ssOS||");
}

bool OrdersSheetManagerQ4Classic::SaveWindowToFile(QWidget* window, const QString& path, int, bool embedStyles)
{
    const auto* sheet = qobject_cast<const OrderSheetMainDlg*>(window);
    if (!sheet)
        return false;
    Settings root;
    sheet->SerializeState(root, embedStyles);
    if (!root.SaveToFile(path, kRootName))
        return false;
    // The file may be the template of new windows: they take what was just saved.
    m_templateGroup->OnStateFileContentChanged(path);
    return true;
}

bool OrdersSheetManagerQ4Classic::SaveWindowToQ5Format(QWidget* window, const QString& path, int, int)
{
    auto* sheet = qobject_cast<OrderSheetMainDlg*>(window);
    if (!sheet)
        return false;
    Q5Settings root;
    sheet->SaveToQ5Format(root);
    return root.SaveToFile(path, "OrdersSheet");
}

bool OrdersSheetManagerQ4Classic::OpenWindowFromFile(QWidget* parent, const QString& path, bool)
{
    // The file is read whole before any window closes: a file that cannot be read changes nothing.
    Settings root;
    QString reason;
    if (!root.LoadFromFile(path, kRootName, &reason))
    {
        Log::WriteWarning(QStringLiteral("Nie otwarto pliku arkusza zleceń \"%1\": %2").arg(path, reason), ProductName(),
                          QStringLiteral("OrdersSheetManager::OpenWindowFromFile"), __LINE__);
        return false;
    }
    QWidget* panel = ActivePanel(parent);
    if (!panel)
        return false;
    CloseAllWindows();
    LoadTemplate();
    auto* window = new OrderSheetMainDlg(*this, m_template, false, panel);
    window->hide();
    AddOwnWindow(window);
    window->UnSerializeState(root);
    if (root[QStringLiteral("WindowVisible")].ToBool())
        window->Show();
    return true;
}

int OrdersSheetManagerQ4Classic::GetFirstNamedWindowStyleId() const
{
    for (const auto& [asset, instance] : m_instances)
        if (const int styleId = instance->GetFirstNamedWindowStyleId(); styleId != IOrdersSheetWindow::kNoStyleId && styleId != 0)
            return styleId;
    return IOrdersSheetWindow::kNoStyleId;
}

bool OrdersSheetManagerQ4Classic::ShowOrdersSheetForAsset(const Asset& asset, QWidget* parent)
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->SetActiveAsset(std::make_shared<Asset>(asset));
    OrderSheetMainDlg* window = GetOrdersSheetDlg();
    if (!window)
    {
        QWidget* panel = ActivePanel(parent);
        if (!panel)
            return false;
        LoadTemplate();
        window = new OrderSheetMainDlg(*this, m_template, false, panel);
        AddOwnWindow(window);
    }
    // The instrument is given: the sheet shows it whichever window is active.
    const bool running = window->RunOnAsset(asset);
    window->Show();
    return running;
}

bool OrdersSheetManagerQ4Classic::AttachWindowToAsset(const Asset& asset, IOrdersSheetWindow* window)
{
    if (!window)
        throw InvalidArgException(QStringLiteral("OrdersSheetManager::AttachWindowToAsset: brak okna"));
    auto position = m_instances.find(asset);
    if (position == m_instances.end())
    {
        auto instance = std::make_shared<OrdersSheetAssetInstance>(std::make_shared<Asset>(asset));
        if (!instance->Start())
        {
            Log::WriteError(QStringLiteral("Arkusz zleceń: nie uruchomiono wątku przetwarzania dla \"%1\".").arg(asset.GetShortName()),
                            ProductName(), QStringLiteral("OrdersSheetManager::AttachWindowToAsset"), __LINE__);
            return false;
        }
        WriteInfo(QStringLiteral("Arkusz zleceń: wątek przetwarzania dla \"%1\" uruchomiony.").arg(asset.GetShortName()),
                  "OrdersSheetManager::AttachWindowToAsset", __LINE__);
        position = m_instances.emplace(asset, std::move(instance)).first;
    }
    position->second->AddWindow(window);
    return true;
}

bool OrdersSheetManagerQ4Classic::ChangeWindowAsset(const Asset& oldAsset, const Asset& newAsset, IOrdersSheetWindow* window)
{
    if (!window)
        throw InvalidArgException(QStringLiteral("OrdersSheetManager::ChangeWindowAsset: brak okna"));
    if (const auto position = m_instances.find(oldAsset); position != m_instances.end() && position->second->DetachWindow(window))
        EraseInstance(position);
    return AttachWindowToAsset(newAsset, window);
}

void OrdersSheetManagerQ4Classic::RemoveWindowFromAsset(IOrdersSheetWindow* window, const Asset& asset)
{
    if (!window)
        throw InvalidArgException(QStringLiteral("OrdersSheetManager::RemoveWindowFromAsset: brak okna"));
    ++m_releasing;
    const auto position = m_instances.find(asset);
    const bool empty = position != m_instances.end() && position->second->RemoveWindow(window);
    --m_releasing;
    if (empty)
        EraseInstance(position);
}

void OrdersSheetManagerQ4Classic::CloseAllWindows()
{
    ++m_releasing;
    while (!m_instances.empty())
        EraseInstance(m_instances.begin());
    while (!m_ownWindows.IsEmpty())
        m_ownWindows.Remove(*m_ownWindows.Windows().begin());
    --m_releasing;
}

void OrdersSheetManagerQ4Classic::AddOwnWindow(IOrdersSheetWindow* window)
{
    m_ownWindows.Insert(window);
}

void OrdersSheetManagerQ4Classic::DetachOwnWindow(IOrdersSheetWindow* window)
{
    m_ownWindows.Detach(window);
}

void OrdersSheetManagerQ4Classic::RemoveOwnWindow(IOrdersSheetWindow* window)
{
    m_ownWindows.Remove(window);
}

void OrdersSheetManagerQ4Classic::ForgetWindow(IOrdersSheetWindow* window)
{
    if (m_releasing > 0)
        return;
    if (m_ownWindows.Detach(window))
        return;
    for (auto position = m_instances.begin(); position != m_instances.end(); ++position)
    {
        if (!position->second->GetWindows().Contains(window))
            continue;
        if (position->second->DetachWindow(window))
            EraseInstance(position);
        return;
    }
}

int OrdersSheetManagerQ4Classic::GetFreeWindowNumber(const IOrdersSheetWindow* window, const Asset* asset) const
{
    const OSDlgsCollection* collection = &m_ownWindows;
    if (asset)
    {
        const OrdersSheetAssetInstance* instance = FindInstance(*asset);
        if (!instance)
            return 1;
        collection = &instance->GetWindows();
    }
    // The window itself does not hold a number yet.
    std::set<int> taken;
    for (IOrdersSheetWindow* other : collection->Windows())
        if (other != window)
            if (const auto* sheet = dynamic_cast<const OrderSheetMainDlg*>(other))
                taken.insert(sheet->GetWindowNumber());
    int number = 1;
    while (taken.contains(number))
        ++number;
    return number;
}

void OrdersSheetManagerQ4Classic::SetCurrentWindow(QWidget* window)
{
    m_current = qobject_cast<OrderSheetMainDlg*>(window);
}

OrdersSheetAssetInstance* OrdersSheetManagerQ4Classic::FindInstance(const Asset& asset) const
{
    const auto position = m_instances.find(asset);
    return position == m_instances.end() ? nullptr : position->second.get();
}

void OrdersSheetManagerQ4Classic::EraseInstance(std::map<Asset, std::shared_ptr<OrdersSheetAssetInstance>>::iterator position)
{
    const QString name = position->first.GetShortName();
    ++m_releasing;
    m_instances.erase(position);
    --m_releasing;
    WriteInfo(QStringLiteral("Arkusz zleceń: wątek przetwarzania dla \"%1\" zatrzymany.").arg(name), "OrdersSheetManager::EraseInstance",
              __LINE__);
}

CmdTargetOrdersSheet::Services OrdersSheetManagerQ4Classic::MediatorCmdServices()
{
    CmdTargetOrdersSheet::Services services;
    services.moduleStyle = []() -> std::shared_ptr<StyleBase> {
        const AppMediator* mediator = AppMediator::Instance();
        auto* sheets = mediator ? dynamic_cast<OrdersSheetManagerQ4Classic*>(mediator->GetOrdersSheetManager()) : nullptr;
        return sheets ? sheets->GetModuleStyle() : nullptr;
    };
    services.beginEditStyle = [](const std::shared_ptr<StyleBase>& style, const QString& title) {
        AppMediator* mediator = AppMediator::Instance();
        IStyleEditModeHandler* handler = mediator ? mediator->GetStyleEditModeHandler() : nullptr;
        if (handler)
            handler->BeginEditStyle(style, title);
        else if (mediator)
            mediator->WriteWarning(QStringLiteral("Quorvanta 4"), QStringLiteral("CmdTargetOrdersSheet::BeginEditStyle"),
                                   __LINE__, QStringLiteral("Nie rozpoczęto edycji stylu: program nie edytuje stylów."));
    };
    services.canLink = [] {
        const TableConsumer* tables = GetTableCons();
        return tables && tables->IsOpenedAtLeastOneTable();
    };
    return services;
}

OrderSheetMainDlg* OrdersSheetManagerQ4Classic::MediatorCurrentWindow()
{
    const AppMediator* mediator = AppMediator::Instance();
    auto* sheets = mediator ? dynamic_cast<OrdersSheetManagerQ4Classic*>(mediator->GetOrdersSheetManager()) : nullptr;
    return sheets ? sheets->GetCurrentWindow() : nullptr;
}
