#include "alerts/ui/AlertsInfoDlg.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/IAlertsInfoWindow.h"
#include "alerts/ui/AlertsGridView.h"
#include "platform/base/Rect.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/TableCtrl.h"
#include "platform/ui/Images.h"
#include "platform/ui/StringTable.h"
#include "ribbon/alertstab/TabCtrlEx.h"

#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <array>
#include <cstdint>

namespace
{
const char* const kActiveTabKey = "ActiveTab";
const char* const kGeneratedColumnsKey = "GenAlertsColumns";
const char* const kDefinedColumnsKey = "DefAlertsColumns";
constexpr int kGeneratedColumns = 4;
constexpr int kDefinedColumns = 2;
constexpr int kGeneratedTabIndex = 0;
constexpr int kDefinedTabIndex = 1;

QString WidthKey(int column)
{
    return QStringLiteral("WidthCol%1").arg(column + 1);
}

void WriteWidths(const TableCtrl& table, int count, Settings& node)
{
    for (int column = 0; column < count; ++column)
        node[WidthKey(column)] = std::int32_t(table.GetColumnWidth(column));
}

void WriteWidths(const TableCtrl& table, int count, Q5Settings& node)
{
    for (int column = 0; column < count; ++column)
        node[WidthKey(column).toStdString()] = std::int32_t(table.GetColumnWidth(column));
}

void ReadWidths(const Settings& node, int count, TableCtrl& table)
{
    for (int column = 0; column < count && column < table.GetColumnCount(); ++column)
    {
        if (node.Exists(WidthKey(column)))
            table.SetHeaderItemWidth(column, node[WidthKey(column)].ToInt());
    }
}
}

AlertsInfoDlg::AlertsInfoDlg(AlertModule& module, IGenericModule* genericModule, TabCaptionSetter tabCaption,
                             QWidget* parent)
    : ModuleWndBase(parent)
    , m_module(module)
    , m_genericModule(genericModule)
    , m_tabCaption(std::move(tabCaption))
    , m_normalFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont))
    , m_highlightFont(m_normalFont)
{
    m_highlightFont.setBold(true);
    setWindowTitle(StringTable::Instance().Get(kCaptionStringId));
    setWindowIcon(GetImage());
    setFocusPolicy(Qt::StrongFocus);

    m_tabCtrl = new TabCtrlEx(this);
    m_tabCtrl->setObjectName(QStringLiteral("alertsTabs"));
    m_definedTable = new TableCtrl(m_tabCtrl);
    m_definedTable->setObjectName(QStringLiteral("definedAlerts"));
    m_generatedTable = new TableCtrl(m_tabCtrl);
    m_generatedTable->setObjectName(QStringLiteral("generatedAlerts"));
    TabCtrlEx::SetViewControlId(m_definedTable, TabCtrlEx::kDefinedAlertsViewId);
    TabCtrlEx::SetViewControlId(m_generatedTable, TabCtrlEx::kGeneratedAlertsViewId);

    m_generatedTable->SetTableHandler(&m_generatedHandler);
    m_definedTable->SetTableHandler(&m_definedHandler);
    m_generatedHandler.SetTable(m_generatedTable);
    m_definedHandler.SetTable(m_definedTable);
    // The pages go in before the owner is known: adding them must not count as the user's choice.
    m_tabCtrl->addTab(m_generatedTable, QStringLiteral("Wygenerowane"));
    m_tabCtrl->addTab(m_definedTable, QStringLiteral("Zdefiniowane"));
    m_tabCtrl->SetOwner(this);
    for (TableCtrl* table : {m_definedTable, m_generatedTable})
        table->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabCtrl);

    m_definedView = std::make_unique<AlertsGridView>(*m_definedTable, m_definedHandler,
                                                     [this] { return m_activeTab == IAlertsInfoWindow::kDefinedAlertsTab; });
    m_generatedView = std::make_unique<AlertsGridView>(
        *m_generatedTable, m_generatedHandler, [this] { return m_activeTab == IAlertsInfoWindow::kGeneratedAlertsTab; });
    m_module.GetAlertsListGrid().SetAndInitGridView(m_definedView.get());
    m_module.GetAlertsHistory().SetAndInitGridView(m_generatedView.get());
    m_tabCtrl->setCurrentIndex(kDefinedTabIndex);

    m_redrawTimer.setInterval(kRedrawPeriodMs);
    connect(&m_redrawTimer, &QTimer::timeout, this, [this] { OnTimer(kRedrawTimerId); });
    m_highlightTimer.setInterval(kHighlightPeriodMs);
    connect(&m_highlightTimer, &QTimer::timeout, this, [this] { OnTimer(kHighlightTimerId); });
    // Four columns side by side without a scroll bar.
    resize(700, 300);
}

AlertsInfoDlg::~AlertsInfoDlg()
{
    // The models outlive the window; they must not reach its grids any more.
    m_module.GetAlertsListGrid().ResetGridViewRef();
    m_module.GetAlertsHistory().ResetGridViewRef();
    // The grids and the tab control reach the handlers and this window: they go first.
    m_tabCtrl->SetOwner(nullptr);
    for (TableCtrl* table : {m_definedTable, m_generatedTable})
    {
        table->removeEventFilter(this);
        table->SetTableHandler(nullptr);
    }
    delete m_tabCtrl;
}

QString AlertsInfoDlg::GetRibbonCaptionString() const
{
    UpdateRibbonTabCaption();
    return StringTable::Instance().Get(kCaptionStringId);
}

QIcon AlertsInfoDlg::GetImage() const
{
    return Images::Instance().Icon(kWindowImage);
}

QString AlertsInfoDlg::GetAlertsTabCaption() const
{
    const QString name = m_activeTab == IAlertsInfoWindow::kDefinedAlertsTab ? m_definedHandler.GetSelectedRowName()
                                                                               : QString();
    if (name.isEmpty())
        return StringTable::Instance().Get(kCaptionStringId);
    return name.leftJustified(kMinCaptionLength, QLatin1Char(' '));
}

void AlertsInfoDlg::UpdateRibbonTabCaption() const
{
    if (m_tabCaption)
        m_tabCaption(GetAlertsTabCaption());
}

void AlertsInfoDlg::OnTabChanged()
{
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->UpdateContextCaption();
}

void AlertsInfoDlg::Show()
{
    m_redrawTimer.start();
    m_highlightTimer.start();
    show();
    raise();
    ForceActivate();
    m_definedHandler.RequestRedraw();
    m_generatedHandler.RequestRedraw();
}

void AlertsInfoDlg::Hide()
{
    hide();
    m_redrawTimer.stop();
    m_highlightTimer.stop();
}

bool AlertsInfoDlg::IsTimerActive(int id) const
{
    if (id == kRedrawTimerId)
        return m_redrawTimer.isActive();
    if (id == kHighlightTimerId)
        return m_highlightTimer.isActive();
    return false;
}

void AlertsInfoDlg::OnTimer(int id)
{
    if (id == kRedrawTimerId)
    {
        // The worker adds history rows to the model only; they reach the grid here.
        if (m_module.GetAlertsHistory().SyncGridView() > 0)
            m_generatedHandler.RequestRedraw();
        if (m_definedHandler.IsRedrawRequired())
        {
            m_definedTable->Redraw();
            m_definedHandler.ClearRedrawRequest();
        }
        if (m_generatedHandler.IsRedrawRequired())
        {
            m_generatedTable->Redraw();
            m_generatedHandler.ClearRedrawRequest();
        }
    }
    else if (id == kHighlightTimerId)
    {
        m_generatedTable->Redraw();
        m_generatedHandler.ClearRedrawRequest();
    }
}

void AlertsInfoDlg::OnWindowActivate()
{
    m_definedHandler.SetActive(true);
    m_generatedHandler.SetActive(true);
    m_definedHandler.RequestRedraw();
    m_generatedHandler.RequestRedraw();
}

void AlertsInfoDlg::OnWindowDeactivate()
{
    m_definedHandler.SetActive(false);
    m_generatedHandler.SetActive(false);
    m_definedHandler.RequestRedraw();
    m_generatedHandler.RequestRedraw();
}

bool AlertsInfoDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The grids would take Escape as a key of their own; it hides the window.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
    {
        Hide();
        return true;
    }
    if (event->type() == QEvent::FocusIn)
    {
        ForceActivate();
        OnWindowActivate();
    }
    else if (event->type() == QEvent::FocusOut)
    {
        OnWindowDeactivate();
    }
    return ModuleWndBase::eventFilter(watched, event);
}

void AlertsInfoDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
    {
        Hide();
        event->accept();
        return;
    }
    ModuleWndBase::keyPressEvent(event);
}

void AlertsInfoDlg::SerializeState(Settings& node) const
{
    const QRect area = geometry();
    node["Position"] = Rect{area.x(), area.y(), area.x() + area.width(), area.y() + area.height()};
    node[kActiveTabKey] = std::int32_t(m_activeTab);
    WriteWidths(*m_generatedTable, kGeneratedColumns, node[kGeneratedColumnsKey]);
    WriteWidths(*m_definedTable, kDefinedColumns, node[kDefinedColumnsKey]);
}

void AlertsInfoDlg::SerializeStateToQ5Format(Q5Settings& node) const
{
    node[kActiveTabKey] = std::int32_t(m_activeTab);
    WriteWidths(*m_generatedTable, kGeneratedColumns, node[kGeneratedColumnsKey]);
    WriteWidths(*m_definedTable, kDefinedColumns, node[kDefinedColumnsKey]);
}

void AlertsInfoDlg::UnSerializeState(const Settings& node, bool)
{
    if (!node.IsValid())
        return;
    if (node.Exists(QStringLiteral("Position")))
    {
        const Rect position = node["Position"].ToRect();
        if (position.right > position.left && position.bottom > position.top)
            setGeometry(position.left, position.top, position.right - position.left, position.bottom - position.top);
    }
    if (node.Exists(QString::fromLatin1(kActiveTabKey)))
    {
        // The stored number and the tab index run in opposite orders.
        m_activeTab = node[kActiveTabKey].ToInt();
        m_tabCtrl->setCurrentIndex(m_activeTab == IAlertsInfoWindow::kGeneratedAlertsTab ? kGeneratedTabIndex
                                                                                          : kDefinedTabIndex);
    }
    if (node.Exists(QString::fromLatin1(kGeneratedColumnsKey)))
        ReadWidths(node[kGeneratedColumnsKey], kGeneratedColumns, *m_generatedTable);
    if (node.Exists(QString::fromLatin1(kDefinedColumnsKey)))
        ReadWidths(node[kDefinedColumnsKey], kDefinedColumns, *m_definedTable);
    update();
}
