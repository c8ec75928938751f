#include "sessionstats/ui/SessionStatisticsTabWnd.h"

#include "platform/toolkit/TableCtrl.h"
#include "sessionstats/engine/SessionStatisticsModule.h"
#include "sessionstats/ui/SessionStatisticsColumnWidths.h"
#include "sessionstats/ui/SessionStatisticsWindow.h"
#include "sessionstats/ui/StatisticsTextStyle.h"

#include <QFontMetrics>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>

namespace
{
constexpr double kInitialColumnWidth = 70.0;
// The summary grid's id is 4, the top-ten grids' 5 to 8.
constexpr int kSummaryGridId = 4;
constexpr int kFirstHighestGridId = 5;

const QString kHighestCaptions[SessionStatisticsTabWnd::kHighestColumns] = {
    QStringLiteral("Spółka"),     QStringLiteral("Zmiana"),  QStringLiteral("Kurs (zł)"),
    QStringLiteral("Obrót (zł)"), QStringLiteral("Wolumen"), QStringLiteral("Transakcje")};
const QString kSummarySamples[SessionStatisticsTabWnd::kSummaryColumns] = {
    QStringLiteral("GGGGGGGGG-PDA"), QStringLiteral("-555.55"),     QStringLiteral("5 555.55"),
    QStringLiteral("GGGGGGGGG-PDA"), QStringLiteral("555 555 555"), QStringLiteral("-555.55"),
    QStringLiteral("5 555.55")};
}

SessionStatisticsTabWnd::SessionStatisticsTabWnd(SessionStatisticsModule& module, const SessionStatisticsDisplayData& data,
                                                 QWidget* parent)
    : QWidget(parent)
    , m_module(module)
    , m_highestObjects{HighestGridObject(module), HighestGridObject(module), HighestGridObject(module),
                       HighestGridObject(module)}
    , m_summaryObject(module)
{
    m_tabs = new QTabBar(this);
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(false);
    m_stack = new QStackedWidget(this);

    m_summaryHandler = std::make_unique<SummaryGridHandler>(module.Clock());
    m_summaryGrid = new TableCtrl(m_stack);
    m_summaryGrid->setObjectName(QStringLiteral("grid%1").arg(kSummaryGridId));
    MakeGrid(*m_summaryGrid, *m_summaryHandler, kSummaryColumns, false);
    m_summaryHandler->SetDataObject(&m_summaryObject);
    m_summaryObject.Initialise(m_summaryGrid, data.highest);
    for (int kind = 0; kind < 4; ++kind)
    {
        m_highestHandlers[kind] = std::make_unique<HighestStatisticsGridHandler>(module.Clock());
        m_highestGrids[kind] = new TableCtrl(m_stack);
        m_highestGrids[kind]->setObjectName(QStringLiteral("grid%1").arg(kFirstHighestGridId + kind));
        MakeGrid(*m_highestGrids[kind], *m_highestHandlers[kind], kHighestColumns, true);
        m_highestHandlers[kind]->SetDataObject(&m_highestObjects[kind]);
        m_highestObjects[kind].Initialise(m_highestGrids[kind], kind, data.highest[kind]);
        connect(m_highestGrids[kind], &TableCtrl::HeaderItemClicked, this, [this, kind](int column) {
            m_highestObjects[kind].SortBy(m_highestObjects[kind].SortColumn() == column ? -1 : column);
            m_highestObjects[kind].RefreshTexts();
            m_highestGrids[kind]->Redraw();
        });
    }

    const QString captions[kTabs] = {QStringLiteral("Podsumowanie"), QStringLiteral("Wzrosty"), QStringLiteral("Spadki"),
                                     QStringLiteral("Obroty"), QStringLiteral("Transakcje")};
    for (int tab = 0; tab < kTabs; ++tab)
    {
        m_tabs->addTab(captions[tab]);
        m_stack->addWidget(tab == kSummaryTab ? m_summaryGrid : m_highestGrids[tab - 1]);
    }
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) { SetActiveView(index); });

    m_redrawTimer.setInterval(kRedrawPeriodMs);
    connect(&m_redrawTimer, &QTimer::timeout, this, [this] { OnTimer(kRedrawTimerId); });
    SetActiveView(kSummaryTab);
}

SessionStatisticsTabWnd::~SessionStatisticsTabWnd()
{
    // The grids go before their handlers and data objects.
    delete m_stack;
}

void SessionStatisticsTabWnd::MakeGrid(TableCtrl& grid, ITableHandler& handler, int columns, bool highest)
{
    grid.setFrameShape(QFrame::NoFrame);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.ShowScrollbar(false);
    for (int column = 0; column < columns; ++column)
        grid.InsertHeaderItem(column, highest ? kHighestCaptions[column] : QString(), kInitialColumnWidth);
    if (!highest)
        grid.ShowHeader(false);
    grid.LockColumns(true);
    grid.EnableMouseMovingColumns(false);
    grid.SetTableHandler(&handler);
    handler.SetTable(&grid);
}

void SessionStatisticsTabWnd::SetContextMenu(ITableContextMenuHandler* menu)
{
    m_summaryGrid->SetContextMenuHandler(menu);
    for (TableCtrl* grid : m_highestGrids)
        grid->SetContextMenuHandler(menu);
}

int SessionStatisticsTabWnd::GetActiveView() const
{
    return m_tabs->currentIndex();
}

void SessionStatisticsTabWnd::SetActiveView(int index)
{
    if (index < 0 || index >= kTabs)
        return;
    if (m_tabs->currentIndex() != index)
    {
        // The tab bar's signal comes back here.
        m_tabs->setCurrentIndex(index);
        return;
    }
    m_stack->setCurrentIndex(index);
    if (!m_window)
        return;
    // The space a short grid leaves goes to the bar when it shows, else the window shrinks.
    if (m_module.IsBottomPaneVisible())
        m_window->ArrangePanes();
    else
        m_window->FitToContent(-1);
}

TableCtrl& SessionStatisticsTabWnd::Grid(int kind) const
{
    return kind >= 0 && kind < 4 ? *m_highestGrids[kind] : *m_summaryGrid;
}

TableCtrl& SessionStatisticsTabWnd::ActiveGrid() const
{
    const int index = std::max(0, GetActiveView());
    return index == kSummaryTab ? *m_summaryGrid : *m_highestGrids[index - 1];
}

void SessionStatisticsTabWnd::UpdateContentHeight()
{
    int height = m_summaryGrid->GetAllItemsHeight();
    for (TableCtrl* grid : m_highestGrids)
        height = std::max(height, grid->GetAllItemsHeight() + grid->GetHeaderHeight());
    m_contentHeight = height;
}

int SessionStatisticsTabWnd::GetContentHeight() const
{
    return m_contentHeight + m_tabs->sizeHint().height();
}

int SessionStatisticsTabWnd::GetActiveGridSpareHeight() const
{
    const TableCtrl& grid = ActiveGrid();
    return m_contentHeight - grid.GetAllItemsHeight() - grid.GetHeaderHeight();
}

QRect SessionStatisticsTabWnd::GetChildRect() const
{
    if (GetActiveView() < 0)
        return QRect();
    const int top = m_tabs->sizeHint().height();
    return QRect(0, top, width(), std::max(0, height() - top));
}

void SessionStatisticsTabWnd::MeasureSummaryColumns(std::array<double, kSummaryColumns>& widths, int padding,
                                                    int leftKind, int rightKind) const
{
    const std::array<int, kSummaryColumns>& minimum = SessionStatisticsColumnWidths::SummaryMinWidths();
    const QFontMetrics left(StatisticsTextStyle::Font(m_summaryObject.GetTextStyle(leftKind).get()));
    const QFontMetrics right(StatisticsTextStyle::Font(m_summaryObject.GetTextStyle(rightKind).get()));
    for (int column = 0; column < kSummaryColumns; ++column)
    {
        const QFontMetrics& metrics = column < 3 ? left : right;
        const double width = std::max(metrics.horizontalAdvance(kSummarySamples[column]), minimum[column]) + padding;
        widths[column] = std::max(widths[column], width);
    }
}

void SessionStatisticsTabWnd::ApplyColumnWidths(const std::array<double, kHighestColumns>& highest,
                                                const std::array<double, kSummaryColumns>& summary)
{
    for (TableCtrl* grid : m_highestGrids)
    {
        for (int column = 0; column < kHighestColumns; ++column)
            grid->UpdateColumnWidths(column, highest[column]);
        grid->UpdateAllHeights();
    }
    for (int column = 0; column < kSummaryColumns; ++column)
        m_summaryGrid->UpdateColumnWidths(column, summary[column]);
    m_summaryGrid->UpdateAllHeights();
    RefreshGrids();
    UpdateContentHeight();
}

void SessionStatisticsTabWnd::RefreshGrids()
{
    for (HighestGridObject& object : m_highestObjects)
        object.RefreshTexts();
    m_summaryObject.Update();
    InvalidateGrids();
}

void SessionStatisticsTabWnd::InvalidateGrids()
{
    m_summaryGrid->Redraw();
    for (TableCtrl* grid : m_highestGrids)
        grid->Redraw();
}

void SessionStatisticsTabWnd::MarkStylesStale()
{
    for (HighestGridObject& object : m_highestObjects)
        object.SetStale();
    m_summaryObject.SetStale();
}

void SessionStatisticsTabWnd::StartRedrawTimer()
{
    m_redrawTimer.start();
}

void SessionStatisticsTabWnd::StopRedrawTimer()
{
    m_redrawTimer.stop();
}

void SessionStatisticsTabWnd::OnTimer(int)
{
    TableCtrl& grid = ActiveGrid();
    if (ITableHandler* handler = grid.GetTableHandler(); handler && handler->IsRedrawRequired())
        grid.Redraw();
}

void SessionStatisticsTabWnd::resizeEvent(QResizeEvent*)
{
    PlaceChildren();
}

void SessionStatisticsTabWnd::PlaceChildren()
{
    m_tabs->setGeometry(0, 0, width(), m_tabs->sizeHint().height());
    m_stack->setGeometry(GetChildRect());
}
