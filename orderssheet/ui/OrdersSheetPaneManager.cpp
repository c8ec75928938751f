#include "orderssheet/ui/OrdersSheetPaneManager.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/OSComplexPaneContainer.h"
#include "orderssheet/ui/OrderSheetDlgContainer.h"
#include "orderssheet/ui/OrdersSheetSummaryChartCtrl.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "orderssheet/ui/SummaryInfoDlg.h"
#include "orderssheet/ui/TableHandlerCommon.h"
#include "platform/base/ColorRef.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <QPainter>
#include <QSplitter>

using namespace OrdersSheetPaneGeometry;

namespace
{
const QColor kNoStyleColour(0x64, 0x64, 0x64);
constexpr int kSplitterWidth = 2;
constexpr int kSavedPanes[] = {kComplexPane, kSecondTablePane, kSupplySummaryPane, kChartPane, kDemandSummaryPane};

// The chart pane: the chart at the left, the rest in the summary background.
class ChartPane : public QWidget
{
public:
    ChartPane(const OrdersSheetSettings& settings, QWidget* parent)
        : QWidget(parent)
        , m_settings(settings)
    {
        setObjectName(QStringLiteral("10000003"));
    }
    OrdersSheetSummaryChartCtrl* chart = nullptr;

protected:
    void resizeEvent(QResizeEvent*) override
    {
        if (chart)
            chart->setGeometry(0, 0, std::min(width(), OrdersSheetSummaryChartCtrl::kChartWidth), height());
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), ColorRef(quint32(m_settings.GetStyle()->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor)))
                                     .ToQColor(kNoStyleColour));
    }

private:
    const OrdersSheetSettings& m_settings;
};
}

OrdersSheetPaneManager::OrdersSheetPaneManager(OrdersSheetSettings& settings, QWidget* owner, int priceLevelId, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_priceLevelId(priceLevelId)
{
    m_complex = new OSComplexPaneContainer(settings, priceLevelId, this);
    m_second = new OrderSheetTableContainer(settings, priceLevelId, this);
    m_complex->SetPartner(m_second);
    m_second->SetPartner(m_complex);
    for (OrderSheetTableContainer* pane : {static_cast<OrderSheetTableContainer*>(m_complex), m_second})
    {
        connect(pane, &OrderSheetTableContainer::ColumnMovedByUser, this, [this](int from, int to) { MoveColumn(from, to); });
        connect(pane, &OrderSheetTableContainer::ColumnResizedByUser, this, [this](int pos, int width) {
            auto& table = m_settings.GetTableSettings();
            table.GetColumnForDisplayPos(table.GetMode(), pos).width = width;
            m_complex->ApplyColumnWidth(pos, width);
            m_second->ApplyColumnWidth(pos, width);
        });
    }

    m_right = new QSplitter(Qt::Vertical, this);
    m_right->setHandleWidth(kSplitterWidth);
    m_right->setChildrenCollapsible(true);
    OrdersSheetPaneData paneData{owner, &settings, settings.borderValue, settings.borderKind};
    m_supplySummary = new OrderSheetDlgContainer(0, paneData, m_right);
    auto* chartPane = new ChartPane(settings, m_right);
    m_chart = new OrdersSheetSummaryChartCtrl(chartPane);
    m_chart->SetSettings(&settings);
    chartPane->chart = m_chart;
    m_chartPane = chartPane;
    m_demandSummary = new OrderSheetDlgContainer(1, paneData, m_right);
    connect(m_right, &QSplitter::splitterMoved, this, &OrdersSheetPaneManager::OnRightSplitterMoved);

    RefreshColumns();
    ApplyVisibility();
}

OrdersSheetPaneManager::~OrdersSheetPaneManager() = default;

void OrdersSheetPaneManager::SetDataSets(TableDataSetOrdersSheet* supply, TableDataSetOrdersSheet* demand)
{
    m_supply = supply;
    m_demand = demand;
    m_complex->SetDataSet(supply);
    m_second->SetDataSet(demand);
}

void OrdersSheetPaneManager::RefreshAll()
{
    if (!m_supply || !m_demand)
        return;
    m_complex->ReloadRows();
    m_second->ReloadRows();
    const OSSummaryValues supply = m_supply->GetSummaryValues(m_priceLevelId);
    const OSSummaryValues demand = m_demand->GetSummaryValues(m_priceLevelId);
    if (m_settings.summaryVisible)
    {
        for (int side : {0, 1})
        {
            const OSSummaryValues& values = side == 0 ? supply : demand;
            Summary(side).UpdateSummary(SummaryInfoDlg::kTotalsGroupKind, values);
            Summary(side).UpdateSummary(SummaryInfoDlg::kPriceLevelGroupKind, values);
        }
    }
    if (m_settings.chartVisible && m_settings.summaryVisible)
        m_chart->Update(supply, demand);
}

void OrdersSheetPaneManager::RedrawIfRequired()
{
    m_complex->Redraw(true);
    m_second->Redraw(true);
}

void OrdersSheetPaneManager::RefreshColumns()
{
    m_complex->Table().LockColumns(m_settings.columnsLocked);
    m_second->Table().LockColumns(m_settings.columnsLocked);
    m_complex->SetupColumns();
    m_second->SetupColumns();
    m_complex->ShowScrollbar(m_settings.vScrollVisible);
    m_second->ShowScrollbar(m_settings.vScrollVisible);
    m_complex->GetHandler().SetActive(m_complex->GetHandler().IsActive());
    setMinimumWidth(MinimumHostWidth());
    Relayout();
}

void OrdersSheetPaneManager::RefreshPriceLevel()
{
    for (int side : {0, 1})
        Summary(side).SetPriceLevel(m_settings.borderKind, m_settings.borderValue);
}

void OrdersSheetPaneManager::SetContextMenu(ITableContextMenuHandler* menu)
{
    m_complex->SetContextMenu(menu);
    m_second->SetContextMenu(menu);
}

int OrdersSheetPaneManager::MinimumHostWidth() const
{
    return MinimumWidth(m_settings.ordersPaneVisible, m_settings.summaryVisible,
                        m_complex->Table().GetMinWidthVisibleColumns());
}

int OrdersSheetPaneManager::MaximumHostWidth() const
{
    return MaximumWidth(m_settings.ordersPaneVisible);
}

int OrdersSheetPaneManager::PreferredWidth() const
{
    int width = m_settings.summaryVisible ? kRightColumnWidth + kSplitterWidth : 0;
    if (m_settings.ordersPaneVisible)
        width += TableWidth();
    return std::max(width, MinimumHostWidth());
}

int OrdersSheetPaneManager::TableWidth() const
{
    return m_complex->Table().GetTotalColumnsWidth()
           + (m_complex->Table().IsScrollbarShown() ? m_complex->Table().ScrollBarWidth() : 0) + 4;
}

int OrdersSheetPaneManager::LeftSplit() const
{
    // Side by side too, so that the right column keeps its place whatever the arrangement.
    return std::min(height(), CentredOrdersHeight(height(), m_complex->ShownRowHeight()));
}

void OrdersSheetPaneManager::resizeEvent(QResizeEvent*)
{
    Relayout();
}

void OrdersSheetPaneManager::paintEvent(QPaintEvent*)
{
    // The splitters and the gap between the columns.
    QPainter painter(this);
    painter.fillRect(rect(), ColorRef(quint32(m_settings.GetStyle()->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor)))
                                 .ToQColor(kNoStyleColour));
}

void OrdersSheetPaneManager::Relayout()
{
    const int w = width();
    const int h = height();
    const int rightWidth = m_settings.summaryVisible ? kRightColumnWidth : 0;
    const int leftWidth = m_settings.ordersPaneVisible ? std::max(0, w - rightWidth - (rightWidth ? kSplitterWidth : 0)) : 0;
    const bool sideBySide = OrdersSheetPanesArrangement::SideBySide(m_arrangement, leftWidth, TableWidth(), kSplitterWidth);
    if (sideBySide != m_sideBySide)
    {
        m_sideBySide = sideBySide;
        // Beside the first table the second one needs its own column header.
        m_second->Table().ShowHeader(sideBySide);
    }
    const int split = LeftSplit();
    if (m_sideBySide)
    {
        const int first = std::max(0, leftWidth - kSplitterWidth) / 2;
        m_complex->setGeometry(0, 0, first, h);
        m_second->setGeometry(first + kSplitterWidth, 0, std::max(0, leftWidth - first - kSplitterWidth), h);
    }
    else
    {
        m_complex->setGeometry(0, 0, leftWidth, split);
        m_second->setGeometry(0, split + kSplitterWidth, leftWidth, std::max(0, h - split - kSplitterWidth));
    }
    m_right->setGeometry(m_settings.ordersPaneVisible ? w - rightWidth : 0, 0, rightWidth, h);
    // Until the user or a saved state sizes the chart, it keeps its share of the height.
    if (!m_chartSized)
        m_chartHeight = CreationSizes(w, h, true).at(kChartPane).height();
    const int chart = m_settings.chartVisible ? std::max(0, m_chartHeight) : 0;
    ApplyRightColumn(AfterLeftSplitMoved(split, chart, m_settings.chartVisible ? m_rememberedChart : -1, h, false));
}

void OrdersSheetPaneManager::ApplyRightColumn(const RightColumn& column)
{
    if (column.rememberedChart >= 0)
        m_rememberedChart = column.rememberedChart;
    m_applyingRight = true;
    m_right->setSizes({column.supply, column.chart, column.demand});
    m_applyingRight = false;
}

void OrdersSheetPaneManager::OnRightSplitterMoved(int, int index)
{
    if (m_applyingRight || !m_settings.chartVisible)
        return;
    const QList<int> sizes = m_right->sizes();
    const int split = LeftSplit();
    const RightColumn column = index == 1 ? AfterChartTopMoved(split, sizes[0], height(), false)
                                          : AfterChartBottomMoved(height() - split, sizes[2], height(), false);
    m_chartHeight = column.chart;
    m_chartSized = true;
    m_rememberedChart = -1;
    ApplyRightColumn(column);
}

void OrdersSheetPaneManager::ApplyVisibility()
{
    m_complex->setVisible(m_settings.ordersPaneVisible);
    m_second->setVisible(m_settings.ordersPaneVisible);
    m_right->setVisible(m_settings.summaryVisible);
    m_chartPane->setVisible(m_settings.chartVisible);
    ApplySplitterLocks();
    setMinimumWidth(MinimumHostWidth());
    setMaximumWidth(MaximumHostWidth());
    Relayout();
}

void OrdersSheetPaneManager::ApplySplitterLocks()
{
    for (int index = 1; index < m_right->count(); ++index)
        if (QSplitterHandle* handle = m_right->handle(index))
            handle->setEnabled(IsSplitterMovable(kChartPane, m_settings.chartVisible));
}

QSize OrdersSheetPaneManager::PaneSize(int paneId) const
{
    switch (paneId)
    {
    case kComplexPane: return m_complex->size();
    case kSecondTablePane: return m_second->size();
    case kSupplySummaryPane: return m_supplySummary->size();
    case kChartPane: return m_chartPane->isHidden() ? QSize(m_chartPane->width(), 0) : m_chartPane->size();
    case kDemandSummaryPane: return m_demandSummary->size();
    default: return {};
    }
}

void OrdersSheetPaneManager::SetPanesArrangement(OrdersSheetPanesArrangement::Arrangement arrangement)
{
    if (arrangement == m_arrangement)
        return;
    m_arrangement = arrangement;
    Relayout();
    emit LayoutChanged();
}

void OrdersSheetPaneManager::SerializePanes(Settings& node) const
{
    Settings& panes = node[kPanesNode];
    for (int pane : kSavedPanes)
    {
        const QSize size = PaneSize(pane);
        panes[PaneSizeKey(true, pane)] = std::int32_t(size.width());
        panes[PaneSizeKey(false, pane)] = std::int32_t(size.height());
    }
    panes[OrdersSheetPanesArrangement::kKey] = std::int32_t(m_arrangement);
}

void OrdersSheetPaneManager::SavePanesToQ5Format(Q5Settings& node) const
{
    Q5Settings& panes = node["PanesPositions"];
    for (int pane : {kComplexPane, kSecondTablePane})
    {
        const QSize size = PaneSize(pane);
        panes[PaneSizeKey(true, pane).toStdString()] = std::int32_t(size.width());
        panes[PaneSizeKey(false, pane).toStdString()] = std::int32_t(size.height());
    }
}

void OrdersSheetPaneManager::RestorePanes(const Settings& node)
{
    if (!node.Exists(kPanesNode))
        return;
    const Settings& panes = node[kPanesNode];
    if (panes.Exists(OrdersSheetPanesArrangement::kKey))
        m_arrangement = OrdersSheetPanesArrangement::FromStored(panes[OrdersSheetPanesArrangement::kKey].ToInt());
    if (panes.Exists(PaneSizeKey(false, kChartPane)))
    {
        const int chart = panes[PaneSizeKey(false, kChartPane)].ToInt();
        if (chart > 0)
        {
            m_chartHeight = chart;
            m_chartSized = true;
        }
    }
    m_rememberedChart = -1;
    Relayout();
}

bool OrdersSheetPaneManager::Toggle(bool& flag, const bool* value)
{
    const bool wanted = value ? *value : !flag;
    const bool changed = wanted != flag;
    flag = wanted;
    return changed;
}

void OrdersSheetPaneManager::SetSheetMode(const int* mode)
{
    auto& table = m_settings.GetTableSettings();
    const int old = table.GetMode();
    const int wanted = mode ? *mode : ToggledMode(old);
    if (wanted != OrdersSheetTableSettings::kOrdersMode && wanted != OrdersSheetTableSettings::kOffersMode)
        return;
    if (wanted == old)
        return;
    if (QWidget* host = parentWidget())
        m_modeWidths[old] = host->width();
    table.SetMode(wanted);
    m_complex->ClearCursor();
    m_second->ClearCursor();
    RefreshColumns();
    RefreshAll();
    const auto remembered = m_modeWidths.find(wanted);
    emit HostWidthWanted(remembered != m_modeWidths.end() ? remembered->second : PreferredWidth());
    emit LayoutChanged();
}

void OrdersSheetPaneManager::ShowChart(const bool* show)
{
    if (!Toggle(m_settings.chartVisible, show))
        return;
    ApplyVisibility();
    RefreshAll();
    emit LayoutChanged();
}

void OrdersSheetPaneManager::LockColumns(const bool* lock)
{
    if (!Toggle(m_settings.columnsLocked, lock))
        return;
    RefreshColumns();
    emit LayoutChanged();
}

void OrdersSheetPaneManager::ShowSummaryWnd(const bool* show)
{
    // Nothing would be left of the window.
    if (show && !*show && !m_settings.ordersPaneVisible)
        return;
    if (!show && m_settings.summaryVisible && !m_settings.ordersPaneVisible)
        return;
    if (!Toggle(m_settings.summaryVisible, show))
        return;
    ApplyVisibility();
    RefreshAll();
    if (QWidget* host = parentWidget())
        emit HostWidthWanted(host->width() + (m_settings.summaryVisible ? 1 : -1) * (kRightColumnWidth + kSplitterWidth));
    emit LayoutChanged();
}

void OrdersSheetPaneManager::ShowRowCurrValue(const bool* show)
{
    if (!Toggle(m_settings.rowCurrValueVisible, show))
        return;
    m_complex->SetupColumns();
    Relayout();
    m_complex->Redraw(false);
    emit LayoutChanged();
}

void OrdersSheetPaneManager::ShowOrdersPane(const bool* show)
{
    if (show && !*show && !m_settings.summaryVisible)
        return;
    if (!show && m_settings.ordersPaneVisible && !m_settings.summaryVisible)
        return;
    QWidget* host = parentWidget();
    if (host && m_settings.ordersPaneVisible)
        m_ordersPaneWidth = host->width();
    if (!Toggle(m_settings.ordersPaneVisible, show))
        return;
    ApplyVisibility();
    if (host)
        emit HostWidthWanted(m_settings.ordersPaneVisible ? std::max(m_ordersPaneWidth, PreferredWidth()) : kNarrowWidth);
    emit LayoutChanged();
}

void OrdersSheetPaneManager::ShowVScroll(const bool* show)
{
    if (!Toggle(m_settings.vScrollVisible, show))
        return;
    RefreshColumns();
    emit LayoutChanged();
}

void OrdersSheetPaneManager::ShowCursor(const bool* show)
{
    if (!Toggle(m_settings.cursorVisible, show))
        return;
    m_complex->Redraw(false);
    m_second->Redraw(false);
    emit LayoutChanged();
}

void OrdersSheetPaneManager::SetRealBorder(int kind, double value)
{
    if (!IsValidBorder(value))
        throw InvalidArgException(QStringLiteral("OrdersSheetPaneManager::SetRealBorder: %1").arg(value));
    m_settings.borderKind = kind;
    m_settings.borderValue = value;
    RefreshPriceLevel();
    emit LayoutChanged();
}

void OrdersSheetPaneManager::MoveColumn(int from, int to)
{
    if (!m_settings.GetTableSettings().MoveColumn(from, to))
        return;
    RefreshColumns();
    m_complex->Redraw(false);
    m_second->Redraw(false);
    emit LayoutChanged();
}

void OrdersSheetPaneManager::SetColumnVisible(int displayPos, const bool* visible)
{
    auto& table = m_settings.GetTableSettings();
    const int mode = table.GetMode();
    if (displayPos < 0 || displayPos >= OrdersSheetTableSettings::GetDisplayCount(mode))
        return;
    auto& column = table.GetColumnForDisplayPos(mode, displayPos);
    const bool wanted = visible ? *visible : !column.visible;
    if (wanted == column.visible)
        return;
    if (!wanted)
    {
        int shown = 0;
        for (int pos = 0; pos < OrdersSheetTableSettings::GetDisplayCount(mode); ++pos)
            shown += table.GetColumnForDisplayPos(mode, pos).visible ? 1 : 0;
        // The last shown column stays.
        if (shown <= 1)
            return;
    }
    column.visible = wanted;
    RefreshColumns();
    m_complex->Redraw(false);
    m_second->Redraw(false);
    emit LayoutChanged();
}
