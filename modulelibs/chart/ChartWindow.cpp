#include "modulelibs/chart/ChartWindow.h"

#include "modulelibs/chart/ChartLayout.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartPainter.h"
#include "modulelibs/chart/FormationPainter.h"
#include "modulelibs/chart/FormationShapes.h"
#include "modulelibs/chart/ChartQuickAdd.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{

constexpr int kHitDistance = 5;

}

ChartWindow::ChartWindow(ChartModuleConsumer& consumer, ChartDocument document, QWidget* parent)
    : ModuleWndBase(parent)
    , m_consumer(consumer)
    , m_document(std::move(document))
    , m_bars(m_document.request)
    , m_activeObjects(m_document, *this)
    , m_feed(this, [this](std::vector<Transaction> transactions) { AppendTransactions(transactions); })
{
    // A closed window is gone: its module forgets it and a saved desktop no longer holds it.
    setAttribute(Qt::WA_DeleteOnClose);
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
    // A chart of past sessions only takes no live quotes.
    const bool live = !m_document.request.IsLive() || m_feed.Start(m_asset);
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

bool ChartWindow::ChooseOtherInstrument()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    Asset asset = m_asset;
    return mediator && mediator->ChooseAssetAndChartParams(asset) && !asset.IsEmpty() && ShowAsset(asset);
}

void ChartWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (std::exchange(m_menuSuppressed, false) || m_drag != Drag::None)
        return;
    QMenu menu(this);
    const QAction* other = menu.addAction(QStringLiteral("Zmień instrument..."));
    if (menu.exec(event->globalPos()) == other)
        ChooseOtherInstrument();
}

bool ChartWindow::FollowInstrument(const Asset& asset)
{
    return asset == m_asset || ShowAsset(asset);
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
    m_overlay.formationLabels = m_consumer.ShowLabelsOnFormations() != 0;
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
    m_document.activeFormation = FormationAt(point);
    if (m_document.activeFormation >= 0)
        return;
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
    if (event->button() == Qt::RightButton && m_consumer.FormationToTurnOn() != FormationParam::kNoTool)
    {
        // The right button that puts the tool down opens no menu.
        m_menuSuppressed = true;
        return StopDrawing();
    }
    if (event->button() != Qt::LeftButton)
        return ModuleWndBase::mousePressEvent(event);
    m_pressPoint = point;
    if (m_consumer.FormationToTurnOn() != FormationParam::kNoTool)
    {
        if (StartFormation(point))
            m_drag = Drag::Draw;
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
    else if ((m_dragPoint = ActiveHandleAt(point)) >= 0)
        m_drag = Drag::MovePoint;
    else
    {
        SelectAt(point);
        m_drag = m_document.activeFormation >= 0 ? Drag::MoveFormation : Drag::Pan;
        if (m_drag == Drag::MoveFormation)
            m_pressPoints = m_document.formations[static_cast<std::size_t>(m_document.activeFormation)].points;
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
    case Drag::MovePoint:
    case Drag::MoveFormation:
        DragFormation(point);
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
        FinishFormation(point);
    else if (m_drag == Drag::MovePoint || m_drag == Drag::MoveFormation)
        m_consumer.SelectionChanged();
    else if (m_drag == Drag::Zoom)
        FinishZoom(point);
    m_drag = Drag::None;
    m_overlay.zoomArea.reset();
    m_overlay.ruler.reset();
    update();
}

int ChartWindow::FormationAt(const QPoint& point) const
{
    const ChartLayout layout = Layout();
    int nearest = -1;
    double best = kHitDistance;
    for (std::size_t i = 0; i < m_document.formations.size(); ++i)
    {
        const ChartFormation& formation = m_document.formations[i];
        const ChartLayout::ViewArea* view = FormationPainter::ViewOf(m_document, layout, formation);
        if (!view || !view->rect.contains(point))
            continue;
        const double distance = FormationShapes(layout, *view, m_bars).Distance(formation, point);
        if (distance <= best)
        {
            best = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

int ChartWindow::ActiveHandleAt(const QPoint& point) const
{
    const int index = m_document.activeFormation;
    if (index < 0 || index >= static_cast<int>(m_document.formations.size()))
        return -1;
    const ChartLayout layout = Layout();
    const ChartFormation& formation = m_document.formations[static_cast<std::size_t>(index)];
    const ChartLayout::ViewArea* view = FormationPainter::ViewOf(m_document, layout, formation);
    if (!view)
        return -1;
    const FormationShapes shapes(layout, *view, m_bars);
    for (std::size_t i = 0; i < formation.points.size(); ++i)
        if (QLineF(shapes.PointXY(formation.points[i]), point).length() <= kHitDistance)
            return static_cast<int>(i);
    return -1;
}

FormationPoint ChartWindow::PlacedPoint(const QPoint& point) const
{
    const ChartLayout layout = Layout();
    const ChartLayout::ViewArea* view = layout.ViewAt(point);
    if (!view || !view->right.valid)
        view = layout.ViewById(m_document.views.empty() ? 0 : m_document.views[0].id);
    if (!view || !view->right.valid)
        return {};
    FormationPoint placed{layout.TimeAt(point.x()), layout.ValueAt(*view, view->right, point.y())};
    const int mode = m_consumer.DrawingMode();
    if (mode == 0 || layout.ShownCount() <= 0)
        return placed;
    const PriceBar& bar = m_bars.At(layout.BarAt(point.x()));
    placed.time = bar.time.ToDayCount();
    if (mode == 2)
    {
        placed.value = bar.close;
        return placed;
    }
    for (const double price : {bar.open, bar.high, bar.low, bar.close})
        if (std::abs(layout.ValueY(*view, view->right, price) - point.y()) <= 2 * kHitDistance)
            placed.value = price;
    return placed;
}

bool ChartWindow::StartFormation(const QPoint& point)
{
    const FormationType type = m_consumer.FormationToTurnOn();
    const ChartLayout layout = Layout();
    const ChartLayout::ViewArea* view = layout.ViewAt(point);
    if (!view || !view->right.valid || !view->rect.contains(point) || layout.ShownCount() <= 0)
        return false;
    if (type == FormationParam::kEraser)
    {
        m_document.activeFormation = FormationAt(point);
        m_activeObjects.RemoveActiveFormation();
        m_consumer.SelectionChanged();
        return false;
    }
    if (!ChartFormation::IsDrawnKind(type))
        return false;
    const FormationPoint placed = PlacedPoint(point);
    ChartFormation formation = ChartFormation::Make(type, {placed, placed});
    formation.styleId = m_consumer.DefaultFormationStyle();
    formation.Set(FormationParam::SymbolId, m_consumer.CurrentSymbolId());
    for (const ChartSeries* series : m_document.SeriesOfView(view->viewId))
    {
        if (series->rightAxis)
        {
            formation.seriesId = series->id;
            break;
        }
    }
    m_document.formations.push_back(std::move(formation));
    m_document.activeFormation = static_cast<int>(m_document.formations.size()) - 1;
    if (ChartFormation::PointCount(type) > 1)
        return true;
    // A one-point tool is placed by the click itself.
    m_consumer.FormationToTurnOn(FormationParam::kNoTool);
    m_consumer.SelectionChanged();
    return false;
}

void ChartWindow::DragFormation(const QPoint& point)
{
    const int index = m_document.activeFormation;
    if (index < 0 || index >= static_cast<int>(m_document.formations.size()))
        return;
    ChartFormation& formation = m_document.formations[static_cast<std::size_t>(index)];
    const FormationPoint placed = PlacedPoint(point);
    if (m_drag == Drag::Draw)
        formation.points = ChartFormation::Make(formation.type, {formation.points[0], placed}).points;
    else if (m_drag == Drag::MovePoint && m_dragPoint < static_cast<int>(formation.points.size()))
        formation.points[static_cast<std::size_t>(m_dragPoint)] = placed;
    else if (m_drag == Drag::MoveFormation && m_pressPoints.size() == formation.points.size())
    {
        const FormationPoint from = PlacedPoint(m_pressPoint);
        for (std::size_t i = 0; i < formation.points.size(); ++i)
            formation.points[i] = {m_pressPoints[i].time + placed.time - from.time,
                                   m_pressPoints[i].value + placed.value - from.value};
    }
}

void ChartWindow::StopDrawing()
{
    // A formation still being drawn is dropped; the tool is disarmed.
    if (m_drag == Drag::Draw && m_document.activeFormation >= 0
        && m_document.activeFormation < static_cast<int>(m_document.formations.size()))
    {
        m_document.formations.erase(m_document.formations.begin() + m_document.activeFormation);
        m_document.activeFormation = -1;
    }
    m_drag = Drag::None;
    m_consumer.FormationToTurnOn(FormationParam::kNoTool);
    m_consumer.SelectionChanged();
    update();
}

void ChartWindow::FinishFormation(const QPoint& to)
{
    const int index = m_document.activeFormation;
    if (index < 0 || index >= static_cast<int>(m_document.formations.size()))
        return;
    ChartFormation& formation = m_document.formations[static_cast<std::size_t>(index)];
    if ((to - m_pressPoint).manhattanLength() < kHitDistance)
    {
        // A click without a drag draws nothing; the tool stays armed for the next try.
        m_document.formations.erase(m_document.formations.begin() + index);
        m_document.activeFormation = -1;
        return;
    }
    DragFormation(to);
    if (formation.type == FormationParam::kCycleLines)
        formation.Set(FormationParam::CycleLength,
                      std::max(1.0, std::round(std::abs(to.x() - m_pressPoint.x()) / std::max(Layout().BarWidth(), 0.01))));
    // The tool draws one formation; the next click selects again.
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
    case Qt::Key_Escape:
        if (m_consumer.FormationToTurnOn() == FormationParam::kNoTool)
        {
            ModuleWndBase::keyPressEvent(event);
            return;
        }
        StopDrawing();
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
