#include "orderssheet/ui/OrderSheetMainDlg.h"

#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/engine/PriceLevelElement.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/ui/IOrdersSheetModule.h"
#include "orderssheet/ui/OSAssetDrop.h"
#include "orderssheet/ui/OSContextMenu.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "platform/base/Log.h"
#include "platform/base/Rect.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/IGenericModule.h"
#include "platform/modules/PanelWindows.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Images.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QPointer>
#include <QShortcut>

#include <atomic>

namespace
{
constexpr int kWindowIcon = 507;
const char* const kVisibleKey = "WindowVisible";
const char* const kPositionKey = "Position";
const char* const kAssetKey = "Asset";

int NextPriceLevelId()
{
    static std::atomic<int> next = 1;
    return next++;
}

void WriteError(const QString& where, int line, const QString& text)
{
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->WriteError(QStringLiteral("Quorvanta 4"), where, line, text);
    else
        Log::WriteError(text, QStringLiteral("Quorvanta 4"), where, line);
}
}

OrderSheetMainDlg::OrderSheetMainDlg(IOrdersSheetModule& module, const OrdersSheetSettings& settings, bool checkActiveAsset,
                                     QWidget* parent)
    : ModuleWndBase(parent)
    , m_module(module)
    , m_settings(settings)
    , m_priceLevelId(NextPriceLevelId())
    , m_priceLevel(std::make_shared<PriceLevelElement>(settings.borderKind, float(settings.borderValue)))
{
    setWindowIcon(Images::Instance().Icon(kWindowIcon));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    // The panes take no drops: a drop anywhere on them reaches the window.
    setAcceptDrops(true);
    m_panes = new OrdersSheetPaneManager(m_settings, this, m_priceLevelId, this);
    m_contextMenu = std::make_unique<OSContextMenu>(
        *m_panes, [this] { return m_settings.GetTableSettings().GetMode(); }, PanelWindows::Names, PanelWindows::MoveTo);
    m_panes->SetContextMenu(m_contextMenu.get());
    connect(m_panes, &OrdersSheetPaneManager::LayoutChanged, this, &OrderSheetMainDlg::OnLayoutChanged);
    connect(m_panes, &OrdersSheetPaneManager::HostWidthWanted, this, [this](int width) { resize(width, height()); });
    m_timer.setInterval(kRedrawTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &OrderSheetMainDlg::OnTimer);
    // The tables take every key they are given, so Insert is caught before they see it.
    auto* quickAdd = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    quickAdd->setContext(Qt::WidgetWithChildrenShortcut);
    connect(quickAdd, &QShortcut::activated, this, &OrderSheetMainDlg::OpenQuickAdd);

    if (!checkActiveAsset || !CheckActiveAsset())
    {
        UseOwnDataSets();
        UpdateUnattachedTitle();
    }
    setMinimumWidth(std::max(kMinimumWidth, m_panes->MinimumHostWidth()));
    resize(m_panes->PreferredWidth(), 480);
}

OrderSheetMainDlg::~OrderSheetMainDlg()
{
    m_timer.stop();
    // Deleted by its panel rather than by the module: the module lets it go.
    if (!m_removing)
        m_module.ForgetWindow(this);
    delete m_panes;
}

IGenericModule* OrderSheetMainDlg::GetModule() const
{
    return m_module.GetGenericModule();
}

CmdTarget* OrderSheetMainDlg::GetCmdTarger() const
{
    return m_module.GetSheetCmdTarget();
}

int OrderSheetMainDlg::GetStyleId() const
{
    return m_settings.GetOwnStyle() ? StyleBase::kOwnStyleId : m_settings.GetOriginStyleId();
}

OrdersSheetAssetInstance* OrderSheetMainDlg::GetInstance() const
{
    return m_running ? m_module.FindInstance(m_asset) : nullptr;
}

void OrderSheetMainDlg::UseOwnDataSets()
{
    if (!m_ownDataSet0)
    {
        m_ownDataSet0 = std::make_unique<TableDataSetOrdersSheet>(0, nullptr);
        m_ownDataSet1 = std::make_unique<TableDataSetOrdersSheet>(1, nullptr);
    }
    m_panes->SetDataSets(m_ownDataSet0.get(), m_ownDataSet1.get());
    m_panes->RefreshAll();
}

bool OrderSheetMainDlg::CheckActiveAsset()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    if (!mediator || mediator->GetActiveModuleWnd() == this)
        return false;
    const Asset asset = mediator->GetActiveAssetForActiveWindow();
    if (asset.IsEmpty())
        return false;
    return RunOnAsset(asset);
}

bool OrderSheetMainDlg::RunOnAsset(const Asset& asset)
{
    // Without a provider the window would sit in an instance that never runs.
    if (!asset.GetProvider())
    {
        WriteError(QStringLiteral("OrderSheetMainDlg::RunInstrument"), __LINE__, QStringLiteral("Invalid object state"));
        return false;
    }
    if (!m_running)
    {
        if (!m_module.AttachWindowToAsset(asset, this))
            return false;
        m_module.DetachOwnWindow(this);
    }
    else if (!(asset == m_asset))
    {
        if (OrdersSheetAssetInstance* old = GetInstance())
            old->RemovePriceLevel(m_priceLevelId);
        UseOwnDataSets();
        m_running = false;
        m_subscribed = false;
        if (!m_module.ChangeWindowAsset(m_asset, asset, this))
        {
            m_module.AddOwnWindow(this);
            UpdateUnattachedTitle();
            return false;
        }
    }
    else if (m_subscribed)
    {
        return true;
    }
    m_subscribed = false;
    return RunInstrument(asset);
}

bool OrderSheetMainDlg::RunInstrument(const Asset& asset)
{
    m_asset = asset;
    OrdersSheetAssetInstance* instance = m_module.FindInstance(asset);
    if (!instance)
    {
        WriteError(QStringLiteral("OrderSheetMainDlg::RunInstrument"), __LINE__, QStringLiteral("Invalid object state"));
        return false;
    }
    m_running = true;
    m_windowNumber = m_module.GetFreeWindowNumber(this, &m_asset);
    if (Visible())
        m_subscribed = instance->SubscribeReceiver(this);
    m_panes->SetDataSets(instance->GetDataSet(0), instance->GetDataSet(1));
    m_ownDataSet0.reset();
    m_ownDataSet1.reset();
    instance->AddPriceLevel(m_priceLevelId, m_priceLevel);
    m_settings.ApplySeriesPrecisions(instance->GetSeriesProperties());
    m_panes->RefreshColumns();
    m_module.SetCurrentWindow(this);
    UpdateTitle();
    OnNewDataSetState();
    // The active sheet's new instrument is the application's active one.
    if (IAppMediator* mediator = PluginBase::GetAppMediator(); mediator && mediator->GetActiveModuleWnd() == this)
        mediator->SetActiveAsset(std::make_shared<Asset>(m_asset));
    return true;
}

void OrderSheetMainDlg::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
    SetRibbonCaptionString(caption);
}

void OrderSheetMainDlg::UpdateTitle()
{
    if (!m_running)
    {
        UpdateUnattachedTitle();
        return;
    }
    const QString mode = m_settings.GetTableSettings().GetMode() == OrdersSheetTableSettings::kOffersMode
                             ? QStringLiteral("linie ofert")
                             : QStringLiteral("zlecenia");
    QString caption = QStringLiteral("%1 (%2)").arg(m_asset.GetLongName(), mode);
    if (m_windowNumber >= 2)
        caption += QStringLiteral(" (%1)").arg(m_windowNumber);
    SetCaption(caption);
}

void OrderSheetMainDlg::UpdateUnattachedTitle()
{
    // Built from the base text each time, so that the number never piles up.
    m_windowNumber = m_module.GetFreeWindowNumber(this, nullptr);
    SetCaption(m_windowNumber < 2 ? kUnattachedTitle : QStringLiteral("%1 (%2)").arg(kUnattachedTitle).arg(m_windowNumber));
}

void OrderSheetMainDlg::OnLayoutChanged()
{
    m_priceLevel->Set(m_settings.borderKind, float(m_settings.borderValue));
    if (OrdersSheetAssetInstance* instance = GetInstance())
        instance->RequestRefresh();
    setMinimumWidth(std::max(kMinimumWidth, m_panes->MinimumHostWidth()));
    setMaximumWidth(m_panes->MaximumHostWidth());
    UpdateTitle();
}

void OrderSheetMainDlg::OnNewDataSetState()
{
    // The data sets take the instance's lock in each query; a whole refresh reads one output
    // per query, and the next notification brings the next one.
    if (!m_running)
        return;
    PruneRowStyles();
    m_panes->RefreshAll();
}

void OrderSheetMainDlg::PruneRowStyles()
{
    // Styles given to rows that left the book go with them. A book without rows is one not
    // received yet: pruning then would drop every style a window file brought.
    const OrdersSheetAssetInstance* instance = GetInstance();
    const QSet<QString> keys = instance ? instance->GetRowKeys() : QSet<QString>();
    if (keys.isEmpty())
        return;
    OrdersSheetTableSettings& table = m_settings.GetTableSettings();
    table.GetRowsStyleSet().KeepOnlyKeys(OrdersSheetSettings::RowStyleAction(table.GetMode()), keys);
}

void OrderSheetMainDlg::OnTimer()
{
    if (m_running)
        m_panes->RedrawIfRequired();
}

void OrderSheetMainDlg::RedrawAfterLayoutMayChanged()
{
    m_panes->RefreshColumns();
    m_panes->update();
    update();
}

void OrderSheetMainDlg::ShowEditedStyle(const std::shared_ptr<StyleBase>& style)
{
    auto sheetStyle = std::dynamic_pointer_cast<StyleOrdersSheet>(style);
    if (!sheetStyle)
        return;
    m_settings.SetShownStyle(std::move(sheetStyle));
    RedrawAfterLayoutMayChanged();
}

void OrderSheetMainDlg::LeaveEditStyleMode()
{
    if (!m_settings.GetShownStyle())
        return;
    m_settings.SetShownStyle(nullptr);
    RedrawAfterLayoutMayChanged();
}

void OrderSheetMainDlg::Show()
{
    show();
    raise();
    if (OrdersSheetAssetInstance* instance = GetInstance(); instance && !m_subscribed)
        m_subscribed = instance->SubscribeReceiver(this);
    m_timer.start();
    m_module.SetCurrentWindow(this);
    ForceActivate();
}

void OrderSheetMainDlg::Hide()
{
    hide();
    m_timer.stop();
    // Only this window's interest goes: another window of the instrument keeps its updates.
    if (OrdersSheetAssetInstance* instance = GetInstance())
        instance->UnsubscribeReceiver(this);
    m_subscribed = false;
}

void OrderSheetMainDlg::RequestRemove()
{
    if (m_removing)
        return;
    m_removing = true;
    m_timer.stop();
    hide();
    QPointer<OrderSheetMainDlg> self(this);
    QMetaObject::invokeMethod(
        this,
        [self] {
            if (!self)
                return;
            OrderSheetMainDlg* window = self.data();
            IOrdersSheetModule& module = window->m_module;
            module.SetCurrentWindow(nullptr);
            if (OrdersSheetAssetInstance* instance = window->GetInstance())
            {
                instance->RemovePriceLevel(window->m_priceLevelId);
                module.RemoveWindowFromAsset(window, window->m_asset);
            }
            else
            {
                module.RemoveOwnWindow(window);
            }
        },
        Qt::QueuedConnection);
}

void OrderSheetMainDlg::resizeEvent(QResizeEvent*)
{
    m_panes->setGeometry(rect());
}

void OrderSheetMainDlg::closeEvent(QCloseEvent* event)
{
    // Closing keeps the window and its place; it only hides and stops its receiver.
    event->ignore();
    Hide();
}

bool OrderSheetMainDlg::DropData(const QMimeData* data)
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    const std::optional<Asset> asset =
        OSAssetDrop::Find(mediator ? mediator->GetDefaultProvider() : nullptr, OSAssetDrop::AssetName(data));
    if (!asset)
        return false;
    if (m_running && *asset == m_asset)
        return true;
    return RunOnAsset(*asset);
}

void OrderSheetMainDlg::dragEnterEvent(QDragEnterEvent* event)
{
    if (!OSAssetDrop::AssetName(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void OrderSheetMainDlg::dragMoveEvent(QDragMoveEvent* event)
{
    if (!OSAssetDrop::AssetName(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void OrderSheetMainDlg::dropEvent(QDropEvent* event)
{
    if (DropData(event->mimeData()))
        event->acceptProposedAction();
}

bool OrderSheetMainDlg::OpenQuickAdd()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    if (!mediator)
        return false;
    QPointer<OrderSheetMainDlg> guard(this);
    mediator->ShowQuickAddInstrumentDlgAtCursor(
        [guard](QWidget*, const Asset& asset) {
            if (guard)
                guard->RunOnAsset(asset);
        },
        this);
    return true;
}

void OrderSheetMainDlg::focusInEvent(QFocusEvent* event)
{
    ModuleWndBase::focusInEvent(event);
    m_module.SetCurrentWindow(this);
}

void OrderSheetMainDlg::SerializeState(Settings& node, bool embedStyles) const
{
    const QRect area = geometry();
    node[kVisibleKey] = Visible();
    node[kPositionKey] = Rect{area.x(), area.y(), area.x() + area.width(), area.y() + area.height()};
    if (m_running)
    {
        Settings& asset = node[kAssetKey];
        asset["ShortName"] = m_asset.GetShortName();
        asset["Market"] = m_asset.GetMarket();
        asset["Isin"] = m_asset.GetIsin();
    }
    m_settings.SerializeState(node, embedStyles);
    m_panes->SerializePanes(node);
}

void OrderSheetMainDlg::SaveToQ5Format(Q5Settings& node) const
{
    if (m_running)
    {
        node["Ticker"] = m_asset.GetShortName();
        node["Market"] = m_asset.GetMarket();
    }
    m_settings.SaveToQ5Format(node);
    m_panes->SavePanesToQ5Format(node);
}

bool OrderSheetMainDlg::UnSerializeState(const Settings& node)
{
    m_settings.UnserializeState(node);
    m_priceLevel->Set(m_settings.borderKind, float(m_settings.borderValue));
    m_panes->RefreshPriceLevel();
    m_panes->RefreshColumns();
    if (node.Exists(kPositionKey))
    {
        const Rect position = node[kPositionKey].ToRect();
        if (position.right > position.left && position.bottom > position.top)
            setGeometry(position.left, position.top, position.right - position.left, position.bottom - position.top);
    }
    m_panes->RestorePanes(node);
    if (!node.Exists(kAssetKey))
        return true;
    IAppMediator* mediator = PluginBase::GetAppMediator();
    ProviderBase* provider = mediator ? mediator->GetDefaultProvider() : nullptr;
    if (!provider)
        return false;
    const Settings& saved = node[kAssetKey];
    const QString shortName = saved["ShortName"].ToString();
    const QString market = saved["Market"].ToString();
    for (const Asset& asset : provider->GetAllAssets())
    {
        if (asset.GetShortName() == shortName && asset.GetMarket() == market)
        {
            Asset found = asset;
            if (!found.GetProvider())
                found.SetProvider(provider);
            RunOnAsset(found);
            return true;
        }
    }
    Log::WriteWarning(QStringLiteral("Arkusz zleceń: dostawca nie zna instrumentu \"%1\" (%2); okno otwarto bez instrumentu.")
                          .arg(shortName, market),
                      QStringLiteral("Quorvanta 4"), QStringLiteral("OrderSheetMainDlg::UnSerializeState"), __LINE__);
    return true;
}
