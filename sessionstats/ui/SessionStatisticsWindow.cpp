#include "sessionstats/ui/SessionStatisticsWindow.h"

#include "platform/modules/IAppMediator.h"
#include "platform/modules/PanelWindows.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/TableCtrl.h"
#include "platform/ui/Images.h"
#include "sessionstats/engine/SessionStatisticsModule.h"
#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/OverallWnd.h"
#include "sessionstats/ui/SessionStatisticsColumnWidths.h"
#include "sessionstats/ui/SessionStatisticsContextMenu.h"
#include "sessionstats/ui/SessionStatisticsTabWnd.h"
#include "sessionstats/ui/StatisticsTextStyle.h"
#include "sessionstats/ui/StyleSessionStatistics.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace
{
constexpr int kWindowIcon = 506;
const char* const kActiveTabKey = "ActiveTab";

const QString kHighestSamples[SessionStatisticsTabWnd::kHighestColumns] = {
    QStringLiteral("GGGGGGGGG-PDA"), QStringLiteral("-555.55"),     QStringLiteral("5 555.55"),
    QStringLiteral("555 555 555"),   QStringLiteral("555 555 555"), QStringLiteral("5555")};

}

SessionStatisticsWindow::SessionStatisticsWindow(SessionStatisticsModule& module, QWidget* parent)
    : ModuleWndBase(parent)
    , m_module(module)
    , m_contextMenu(std::make_unique<SessionStatisticsContextMenu>(PanelWindows::Names, PanelWindows::MoveTo))
{
    setWindowTitle(QStringLiteral("Statystyka sesji"));
    setWindowIcon(Images::Instance().Icon(kWindowIcon));
    setFocusPolicy(Qt::StrongFocus);
    m_data = m_module.GetDisplayData();

    m_tabWnd = new SessionStatisticsTabWnd(module, m_data, this);
    m_tabWnd->setObjectName(QStringLiteral("tabWnd"));
    m_bar = new OverallWnd(this);
    m_bar->setObjectName(QStringLiteral("overallWnd"));
    m_bar->SetModule(&module);
    m_bar->UpdateItems(m_data.overall);
    m_tabWnd->setVisible(m_module.IsTopPaneVisible());
    m_bar->setVisible(m_module.IsBottomPaneVisible());
    m_tabWnd->SetStatisticsWindow(this);
    RecalcLayout();
    m_tabWnd->SetContextMenu(m_contextMenu.get());
    m_bar->SetContextMenu(m_contextMenu.get());

    m_layoutTimer.setInterval(kLayoutPeriodMs);
    connect(&m_layoutTimer, &QTimer::timeout, this, [this] { OnTimer(kLayoutTimerId); });
}

SessionStatisticsWindow::~SessionStatisticsWindow()
{
    // The children reach the context menu and the data; they go first.
    delete m_tabWnd;
    delete m_bar;
}

IGenericModule* SessionStatisticsWindow::GetModule() const
{
    return &m_module;
}

void SessionStatisticsWindow::RedrawAfterLayoutMayChanged()
{
    m_module.OnPreviewStyleChanged(m_module.StyleId(true));
    m_module.ApplyPreviewStyle();
    m_layoutPending = true;
}

void SessionStatisticsWindow::Show()
{
    m_layoutTimer.start();
    m_module.OnWindowShown();
    m_tabWnd->StartRedrawTimer();
    RefreshViews();
    show();
    raise();
    ForceActivate();
}

void SessionStatisticsWindow::Hide()
{
    hide();
    m_layoutTimer.stop();
    m_module.OnWindowHidden();
    m_tabWnd->StopRedrawTimer();
}

void SessionStatisticsWindow::EnterEditStyleMode()
{
    m_module.EnterEditStyleMode();
    RedrawAfterLayoutMayChanged();
}

void SessionStatisticsWindow::LeaveEditStyleMode()
{
    m_module.LeaveEditStyleMode();
    RedrawAfterLayoutMayChanged();
}

void SessionStatisticsWindow::SerializeState(Settings& node) const
{
    const QRect area = geometry();
    node["Position"] = Rect{area.x(), area.y(), area.x() + area.width(), area.y() + area.height()};
    node[kActiveTabKey] = std::int32_t(m_tabWnd->GetActiveView());
}

bool SessionStatisticsWindow::UnSerializeState(const Settings& node, bool)
{
    if (!node.IsValid())
        return false;
    if (node.Exists(QStringLiteral("Position")))
    {
        const Rect position = node["Position"].ToRect();
        move(position.left, position.top);
    }
    m_tabWnd->SetActiveView(node[kActiveTabKey].ToInt());
    // A window read from a file or a desktop is one the user had open.
    Show();
    return true;
}

void SessionStatisticsWindow::SaveToQ5Format(Q5Settings& node) const
{
    node[kActiveTabKey] = std::int32_t(m_tabWnd->GetActiveView());
}

void SessionStatisticsWindow::ShowTopPane(bool show)
{
    m_tabWnd->setVisible(show);
}

void SessionStatisticsWindow::ShowBottomPane(bool show)
{
    m_bar->setVisible(show);
}

void SessionStatisticsWindow::RecalcLayout()
{
    const std::shared_ptr<const StyleSessionStatistics> style =
        std::dynamic_pointer_cast<const StyleSessionStatistics>(m_module.Style());
    int clientWidth = -1;
    if (style)
    {
        const int padding = style->GetGridLineWidth() + 8;
        const std::array<int, 6>& minimum = SessionStatisticsColumnWidths::HighestMinWidths();
        std::array<double, SessionStatisticsTabWnd::kHighestColumns> highest{};
        for (int kind = 0; kind < 4; ++kind)
        {
            const QFontMetrics metrics(StatisticsTextStyle::Font(style->GetRelatedStyle(kind).get()));
            for (int column = 0; column < SessionStatisticsTabWnd::kHighestColumns; ++column)
            {
                const double width =
                    std::max(metrics.horizontalAdvance(kHighestSamples[column]), minimum[column]) + padding;
                highest[column] = std::max(highest[column], width);
            }
        }
        std::array<double, SessionStatisticsTabWnd::kSummaryColumns> summary{};
        m_tabWnd->MarkStylesStale();
        m_tabWnd->MeasureSummaryColumns(summary, padding, 0, 2);
        m_tabWnd->MeasureSummaryColumns(summary, padding, 1, 3);
        // Both grids get the same total width.
        double highestTotal = std::accumulate(highest.begin(), highest.end(), 0.0);
        double summaryTotal = std::accumulate(summary.begin(), summary.end(), 0.0);
        if (summaryTotal > highestTotal)
        {
            for (double& width : highest)
                width += (summaryTotal - highestTotal) / 6.0;
            highestTotal = summaryTotal;
        }
        else
        {
            for (double& width : summary)
                width += (highestTotal - summaryTotal) / 7.0;
        }
        m_tabWnd->ApplyColumnWidths(highest, summary);
        // Each grid rounds its columns to whole pixels; the window takes the wider result.
        clientWidth = std::max({static_cast<int>(highestTotal), m_tabWnd->Grid(0).GetTotalColumnsWidth(),
                                m_tabWnd->Grid(-1).GetTotalColumnsWidth()});
    }
    m_bar->MarkStyleStale();
    if (const IOverallWindowStyle* overall = m_bar->GetOverallStyle())
        m_bar->Painter().SetRowHeights(overall->GetBarHeight());
    m_bar->update();
    FitToContent(clientWidth);
}

void SessionStatisticsWindow::FitToContent(int width)
{
    const int newWidth = width == -1 ? this->width() : width;
    int height = 0;
    int spare = 0;
    if (m_module.IsTopPaneVisible())
    {
        spare = m_tabWnd->GetActiveGridSpareHeight();
        height += m_tabWnd->GetContentHeight() - spare;
    }
    if (m_module.IsBottomPaneVisible())
        height += m_bar->Painter().itemHeight + spare;
    resize(newWidth, height);
    ArrangePanes();
}

void SessionStatisticsWindow::ArrangePanes()
{
    int top = 0;
    int spare = 0;
    if (m_module.IsTopPaneVisible())
    {
        spare = m_tabWnd->GetActiveGridSpareHeight();
        top = m_tabWnd->GetContentHeight() - spare;
        m_tabWnd->setGeometry(0, 0, width(), top);
    }
    if (m_module.IsBottomPaneVisible())
        m_bar->setGeometry(0, top, width(), m_bar->Painter().itemHeight + spare);
}

void SessionStatisticsWindow::RefreshViews()
{
    m_data = m_module.GetDisplayData();
    m_tabWnd->RefreshGrids();
    m_bar->UpdateItems(m_data.overall);
}

void SessionStatisticsWindow::OnStyleChanged()
{
    m_tabWnd->MarkStylesStale();
    m_bar->MarkStyleStale();
    m_layoutPending = true;
}

void SessionStatisticsWindow::OnTimer(int id)
{
    if (id == kLayoutTimerId && m_layoutPending)
    {
        RecalcLayout();
        m_layoutPending = false;
    }
}

void SessionStatisticsWindow::resizeEvent(QResizeEvent* event)
{
    ArrangePanes();
    ModuleWndBase::resizeEvent(event);
}

void SessionStatisticsWindow::focusInEvent(QFocusEvent* event)
{
    m_tabWnd->ActiveGrid().setFocus();
    ModuleWndBase::focusInEvent(event);
}
