#include "modulelibs/chart/ChartWindow.h"

#include "modulelibs/chart/ChartLayout.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartPainter.h"
#include "modulelibs/chart/ChartQuickAdd.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/ProviderBase.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kHitDistance = 5;

double DistanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t = length > 0.0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}

ChartWindow::ChartWindow(ChartModuleConsumer& consumer, ChartDocument document, QWidget* parent)
    : ModuleWndBase(parent)
    , m_consumer(consumer)
    , m_document(std::move(document))
    , m_bars(m_document.request)
    , m_activeObjects(m_document, *this)
    , m_feed(this, [this](std::vector<Transaction> transactions) { AppendTransactions(transactions); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    UpdateCaption();
    m_consumer.OnChartCreated(this);
}

ChartWindow::~ChartWindow()
{
    m_feed.Stop();
    m_consumer.OnChartDestroyed(this);
}

IGenericModule* ChartWindow::GetModule() const
{
    return &m_consumer;
}

CmdTarget* ChartWindow::GetCmdTarger() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetConsumerById(&m_consumer) : nullptr;
}

void ChartWindow::UpdateCaption()
{
    const QString caption = QStringLiteral("Wykres %1").arg(m_document.ticker);
    setWindowTitle(caption);
    SetRibbonCaptionString(caption);
}

bool ChartWindow::LoadData()
{
    m_feed.Stop();
    m_bars.SetRequest(m_document.request);
    m_overlay.message.clear();
    m_asset = Asset();
    IAppMediator* mediator = PluginBase::GetAppMediator();
    ProviderBase* provider = mediator ? mediator->GetRunningProvider(m_document.provider) : nullptr;
    if (provider)
    {
        for (const Asset& asset : provider->GetAllAssets())
        {
            if (asset.GetShortName() == m_document.ticker
                && (m_document.market.isEmpty() || asset.GetMarket() == m_document.market))
                m_asset = asset;
        }
    }
    if (m_asset.IsEmpty())
    {
        m_overlay.message = QStringLiteral("Brak instrumentu %1 u dostawcy \"%2\"").arg(m_document.ticker, m_document.provider);
        update();
        return false;
    }
    std::vector<PriceBar> history;
    if (m_document.request.historyCount > 0
        && provider->GetHistoryBars(m_asset, m_document.request.BarSeconds(), m_document.request.historyCount, history))
        m_bars.SetHistory(std::move(history));
    const bool live = m_feed.Start(m_asset);
    update();
    return live;
}

void ChartWindow::AppendTransactions(const std::vector<Transaction>& transactions)
{
    const int before = m_bars.Count();
    for (const Transaction& transaction : transactions)
        m_bars.AppendTick(transaction.time.ToDayCount(), transaction.price, transaction.volume);
    // A chart scrolled into the past keeps showing the same bars.
    if (m_document.range.rightOffset > 0)
        m_document.range.rightOffset += m_bars.Count() - before;
    update();
}

void ChartWindow::ScrollBars(int bars)
{
    const int shown = m_document.range.barCount > 0 ? std::min(m_document.range.barCount, m_bars.Count()) : m_bars.Count();
    m_document.range.rightOffset = std::clamp(m_document.range.rightOffset + bars, 0, std::max(0, m_bars.Count() - shown));
    update();
}

void ChartWindow::Redraw()
{
    update();
}

bool ChartWindow::ShowAsset(const Asset& asset)
{
    if (asset.IsEmpty() || !asset.GetProvider())
        return false;
    m_document.provider = asset.GetProvider()->GetName();
    m_document.ticker = asset.GetShortName();
    m_document.market = asset.GetMarket();
    UpdateCaption();
    m_consumer.SelectionChanged();
    return LoadData();
}

void ChartWindow::ReloadData()
{
    LoadData();
}

bool ChartWindow::CurrentScale(int viewId, double& minimum, double& maximum) const
{
    const ChartLayout layout = Layout();
    const ChartLayout::ViewArea* view = layout.ViewById(viewId);
    if (!view || !view->right.valid)
        return false;
    minimum = view->right.minimum;
    maximum = view->right.maximum;
    return true;
}

bool ChartWindow::AskNumber(const QString& title, const QString& label, int value, int minimum, int maximum,
                            int& result)
{
    return m_consumer.AskNumber(this, title, label, value, minimum, maximum, result);
}

ChartLayout ChartWindow::Layout() const
{
    return ChartLayout(m_document, m_bars, rect());
}

void ChartWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const ChartLayout layout = Layout();
    m_overlay.crossHair = m_consumer.IsInspectorTurnOn() && m_consumer.InspectorCrossVisible();
    m_overlay.inspector = m_consumer.IsInspectorTurnOn();
    ChartPainter(m_document, m_bars, layout).Paint(painter, rect(), m_overlay);
}

void ChartWindow::SelectAt(const QPoint& point)
{
    const ChartLayout layout = Layout();
    const ChartLayout::ViewArea* view = layout.ViewAt(point);
    if (!view)
        return;
    m_document.selectedView = view->viewId;
    m_document.selectedSeries = 0;
    m_document.activeFormation = -1;
    for (std::size_t i = 0; i < m_document.formations.size(); ++i)
    {
        const ChartFormation& formation = m_document.formations[i];
        const ChartLayout::ViewArea* own = layout.ViewById(
            m_document.Series(formation.seriesId) ? m_document.Series(formation.seriesId)->viewId : m_document.views[0].id);
        if (!own || !own->right.valid)
            continue;
        const QPointF a(layout.TimeX(formation.beginTime), layout.ValueY(*own, own->right, formation.beginValue));
        const QPointF b(layout.TimeX(formation.endTime), layout.ValueY(*own, own->right, formation.endValue));
        if (DistanceToSegment(point, a, b) <= kHitDistance)
        {
            m_document.activeFormation = static_cast<int>(i);
            return;
        }
    }
    if (layout.ShownCount() <= 0 || !view->rect.contains(point))
        return;
    const int bar = layout.BarAt(point.x());
    const std::vector<const ChartSeries*> series = m_document.SeriesOfView(view->viewId);
    for (auto one = series.rbegin(); one != series.rend(); ++one)
    {
        const ChartLayout::Scale& scale = (*one)->rightAxis ? view->right : view->left;
        if (!scale.valid)
            continue;
        double top = layout.ValueY(*view, scale, ChartLayout::SeriesValue(**one, m_bars, bar));
        double bottom = top;
        if ((*one)->kind == ChartSeries::Price && ((*one)->chartType == 2 || (*one)->chartType == 3))
        {
            top = layout.ValueY(*view, scale, m_bars.At(bar).high);
            bottom = layout.ValueY(*view, scale, m_bars.At(bar).low);
        }
        else if ((*one)->chartType == 1 || (*one)->chartType == 4 || (*one)->chartType == 5)
            bottom = view->rect.bottom();
        if (point.y() >= top - kHitDistance && point.y() <= bottom + kHitDistance)
        {
            m_document.selectedSeries = (*one)->id;
            return;
        }
    }
}

void ChartWindow::mousePressEvent(QMouseEvent* event)
{
    m_consumer.SetActiveChart(this);
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        return ModuleWndBase::mousePressEvent(event);
    m_pressPoint = point;
    if (m_consumer.FormationToTurnOn() == FormationParam::kTrendLine)
    {
        m_drag = Drag::Draw;
        m_overlay.drawFrom = point;
        m_overlay.drawTo = point;
    }
    else if (m_consumer.IsZommModeTurnOn())
    {
        m_drag = Drag::Zoom;
        m_overlay.zoomArea = QRect(point, point);
    }
    else if (m_consumer.IsRulerOn())
    {
        m_drag = Drag::Ruler;
        m_overlay.ruler = QRect(point, point);
    }
    else
    {
        SelectAt(point);
        m_drag = Drag::Pan;
        m_pressOffset = m_document.range.rightOffset;
        m_consumer.SelectionChanged();
    }
    update();
}

void ChartWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_overlay.cursor = point;
    switch (m_drag)
    {
    case Drag::Pan:
    {
        const double barWidth = Layout().BarWidth();
        const int bars = static_cast<int>((point.x() - m_pressPoint.x()) / std::max(barWidth, 0.01));
        m_document.range.rightOffset = m_pressOffset;
        ScrollBars(bars);
        break;
    }
    case Drag::Draw:
        m_overlay.drawTo = point;
        break;
    case Drag::Zoom:
        m_overlay.zoomArea = QRect(m_pressPoint, point);
        break;
    case Drag::Ruler:
        m_overlay.ruler = QRect(m_pressPoint, point);
        break;
    case Drag::None:
        break;
    }
    update();
}

void ChartWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_drag == Drag::Draw)
        FinishTrendLine(point);
    else if (m_drag == Drag::Zoom)
        FinishZoom(point);
    m_drag = Drag::None;
    m_overlay.drawFrom.reset();
    m_overlay.drawTo.reset();
    m_overlay.zoomArea.reset();
    m_overlay.ruler.reset();
    update();
}

void ChartWindow::FinishTrendLine(const QPoint& to)
{
    const QPoint from = m_pressPoint;
    if ((to - from).manhattanLength() < kHitDistance)
        return;
    const ChartLayout layout = Layout();
    const ChartLayout::ViewArea* view = layout.ViewAt(from);
    if (!view || !view->right.valid || layout.ShownCount() <= 0)
        return;
    ChartFormation formation;
    formation.beginTime = layout.TimeAt(from.x());
    formation.beginValue = layout.ValueAt(*view, view->right, from.y());
    formation.endTime = layout.TimeAt(to.x());
    formation.endValue = layout.ValueAt(*view, view->right, to.y());
    for (const ChartSeries* series : m_document.SeriesOfView(view->viewId))
    {
        if (series->rightAxis)
        {
            formation.seriesId = series->id;
            break;
        }
    }
    m_document.formations.push_back(formation);
    m_document.activeFormation = static_cast<int>(m_document.formations.size()) - 1;
    // The tool draws one line; the next click selects again.
    m_consumer.FormationToTurnOn(FormationParam::kNoTool);
    m_consumer.SelectionChanged();
}

void ChartWindow::FinishZoom(const QPoint& to)
{
    const ChartLayout layout = Layout();
    if (layout.ShownCount() <= 0 || std::abs(to.x() - m_pressPoint.x()) < kHitDistance)
        return;
    const int first = layout.BarAt(std::min(to.x(), m_pressPoint.x()));
    const int last = layout.BarAt(std::max(to.x(), m_pressPoint.x()));
    m_document.range.barCount = std::max(last - first + 1, 2);
    m_document.range.rightOffset = m_bars.Count() - 1 - last;
    m_document.zoomed = true;
}

void ChartWindow::wheelEvent(QWheelEvent* event)
{
    if (event->angleDelta().y() != 0)
        m_activeObjects.ZoomPercentChart(event->angleDelta().y() > 0);
    event->accept();
}

void ChartWindow::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ControlModifier ? 10 : 1;
    switch (event->key())
    {
    case Qt::Key_Left:
        ScrollBars(step);
        break;
    case Qt::Key_Right:
        ScrollBars(-step);
        break;
    case Qt::Key_Home:
        ScrollBars(m_bars.Count());
        break;
    case Qt::Key_End:
        ScrollBars(-m_bars.Count());
        break;
    case Qt::Key_Plus:
    case Qt::Key_Up:
        m_activeObjects.ZoomPercentChart(true);
        break;
    case Qt::Key_Minus:
    case Qt::Key_Down:
        m_activeObjects.ZoomPercentChart(false);
        break;
    case Qt::Key_Delete:
        if (m_activeObjects.IsFormationActive())
            m_activeObjects.RemoveActiveFormation();
        else if (m_activeObjects.IsSelectedSeries())
            m_activeObjects.RemoveSelectedSeries();
        m_consumer.SelectionChanged();
        break;
    default:
        if (ChartQuickAdd::OpenOnTyping(*this, *event))
            break;
        ModuleWndBase::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ChartWindow::leaveEvent(QEvent* event)
{
    m_overlay.cursor.reset();
    update();
    ModuleWndBase::leaveEvent(event);
}

void ChartWindow::focusInEvent(QFocusEvent* event)
{
    m_consumer.SetActiveChart(this);
    ModuleWndBase::focusInEvent(event);
}
