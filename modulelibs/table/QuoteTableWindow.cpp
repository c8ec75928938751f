#include "modulelibs/table/QuoteTableWindow.h"

#include "modulelibs/table/TableFields.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/DDBaseDataObjectMime.h"
#include "platform/modules/ConnectWindowEvent.h"
#include "platform/modules/DDBaseDataObject.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/IGlobalSettings.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/SeriesIds.h"
#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <unordered_set>

namespace
{
constexpr const char* kFile = "QuoteTableWindow.cpp";
constexpr int kDefaultHighlightMs = 1000;

std::int64_t NowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}
}

QuoteTableWindow::QuoteTableWindow(TableModuleConsumer& consumer, QWidget* parent)
    : ModuleWndBase(parent)
    , m_consumer(consumer)
    , m_pendingLock(QStringLiteral("QuoteTableWindow::Pending"))
    , m_dragStarter(DDBaseDataObjectMime::RunDrag)
{
    // A closed window is gone: its module forgets it and a saved desktop no longer holds it.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 120);
    SetRibbonCaptionString(QStringLiteral("Tabela"));
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_firstRow = value;
        update();
    });
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Szukaj instrumentu"));
    m_search->hide();
    connect(m_search, &QLineEdit::textChanged, this, &QuoteTableWindow::Search);
    m_drainTimer.setInterval(kDrainIntervalMs);
    connect(&m_drainTimer, &QTimer::timeout, this, [this] { Redraw(DrainFeed()); });
    m_drainTimer.start();
    m_style = StyleKinds::DefaultStyle(StyleTable::Type);
    m_model.SetStyle(m_style);
    UpdateCaption();
}

QuoteTableWindow::~QuoteTableWindow()
{
    Unsubscribe();
}

IGenericModule* QuoteTableWindow::GetModule() const
{
    return &m_consumer;
}

CmdTarget* QuoteTableWindow::GetCmdTarger() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetConsumerById(&m_consumer) : nullptr;
}

// The feed

void QuoteTableWindow::SetInstruments(const std::vector<Asset>& assets)
{
    m_model.SetInstruments(assets);
    Subscribe();
    UpdateScrollRange();
    Redraw(true);
}

void QuoteTableWindow::Subscribe()
{
    const std::vector<Asset> wanted = m_model.Instruments();
    for (const Asset& asset : m_followed)
    {
        if (std::find(wanted.begin(), wanted.end(), asset) == wanted.end() && asset.GetProvider())
            asset.GetProvider()->RemoveQuotesReceiver(this, asset);
    }
    std::vector<Asset> followed;
    for (const Asset& asset : wanted)
    {
        const bool already = std::find(m_followed.begin(), m_followed.end(), asset) != m_followed.end();
        if (already || (asset.GetProvider() && asset.GetProvider()->AddQuotesReceiver(this, asset)))
            followed.push_back(asset);
    }
    m_followed = std::move(followed);
    {
        // Whatever the feed left for instruments the table no longer holds goes.
        const SafeAutoLock lock(m_pendingLock, "QuoteTableWindow::Subscribe", kFile);
        const std::unordered_set<Asset, AssetHash> held(wanted.begin(), wanted.end());
        std::vector<Pending> kept;
        for (Pending& pending : m_pending)
        {
            if (held.contains(pending.asset))
                kept.push_back(std::move(pending));
        }
        m_pending = std::move(kept);
        m_pendingPlaces.clear();
        m_pendingQueued.clear();
        for (std::size_t place = 0; place < m_pending.size(); ++place)
        {
            m_pendingPlaces.emplace(m_pending[place].asset, place);
            if (m_pending[place].queued)
                m_pendingQueued.push_back(place);
        }
    }
    UpdateScrollRange();
}

void QuoteTableWindow::Unsubscribe()
{
    // Not under the pending lock: a removal waits for a delivery that may be taking it.
    for (const Asset& asset : m_followed)
    {
        if (asset.GetProvider())
            asset.GetProvider()->RemoveQuotesReceiver(this, asset);
    }
    m_followed.clear();
}

QuoteTableWindow::Pending& QuoteTableWindow::PendingOf(const Asset& asset)
{
    const auto [place, made] = m_pendingPlaces.try_emplace(asset, m_pending.size());
    if (made)
        m_pending.push_back({asset, std::nullopt, std::nullopt, false});
    Pending& pending = m_pending[place->second];
    if (!pending.queued)
    {
        pending.queued = true;
        m_pendingQueued.push_back(place->second);
    }
    return pending;
}

void QuoteTableWindow::OnQuote(const Asset& asset, const CurrentState& state)
{
    const SafeAutoLock lock(m_pendingLock, "QuoteTableWindow::OnQuote", kFile);
    PendingOf(asset).state = state;
}

void QuoteTableWindow::OnOrderBook(const Asset& asset, const OrderBook& book)
{
    const SafeAutoLock lock(m_pendingLock, "QuoteTableWindow::OnOrderBook", kFile);
    PendingOf(asset).book = book;
}

bool QuoteTableWindow::DrainFeed()
{
    std::vector<Pending> pending;
    {
        const SafeAutoLock lock(m_pendingLock, "QuoteTableWindow::DrainFeed", kFile);
        pending.reserve(m_pendingQueued.size());
        for (const std::size_t place : m_pendingQueued)
        {
            Pending& waiting = m_pending[place];
            pending.push_back({waiting.asset, std::move(waiting.state), std::move(waiting.book), true});
            waiting.state.reset();
            waiting.book.reset();
            waiting.queued = false;
        }
        m_pendingQueued.clear();
    }
    if (pending.empty())
        return false;
    const std::int64_t now = NowMs();
    bool changed = false;
    // Sorting once after the batch, not after every quote.
    const bool autoSort = m_model.IsAutoSort();
    m_model.EnableAutoSort(false);
    for (const Pending& item : pending)
    {
        if (item.book)
            changed |= m_model.ApplyOrderBook(item.asset, *item.book);
        if (item.state)
            changed |= m_model.ApplyQuote(item.asset, *item.state, now);
    }
    m_model.EnableAutoSort(autoSort);
    if (changed && m_model.GetSettings().autoscroll && m_model.SelectedInstrument() != 0)
        EnsureSelectedVisible();
    return changed;
}

void QuoteTableWindow::Redraw(bool force)
{
    m_connections.Follow(SelectedAsset());
    const bool highlights = HasLiveHighlights(NowMs());
    if (force || highlights || m_highlightsShown)
    {
        // A shown table repaints only what changed in its picture.
        if (isVisible())
            update(m_frame.Update(m_model, FrameView()));
        else
            update();
    }
    m_highlightsShown = highlights;
}

void QuoteTableWindow::PublishSelectedInstrument() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    const Asset asset = SelectedAsset();
    if (mediator && !asset.IsEmpty() && mediator->GetActiveModuleWnd() == this)
        mediator->SetActiveAsset(std::make_shared<Asset>(asset));
}

Asset QuoteTableWindow::SelectedAsset() const
{
    const QuoteTableRow* row = m_model.FindRow(m_model.SelectedInstrument());
    return row ? row->asset : Asset();
}

bool QuoteTableWindow::event(QEvent* event)
{
    if (event->type() != ConnectWindowEvent::EventType())
        return ModuleWndBase::event(event);
    const auto* request = static_cast<const ConnectWindowEvent*>(event);
    QWidget* window = request->Window();
    // A window closed on the way, or one whose id no longer names it, is left alone.
    if (window && request->WindowId() == ConnectWindowEvent::WindowIdOf(window))
    {
        if (request->Message() == ConnectWindowEvent::kConnect)
            m_connections.Connect(window, SelectedAsset());
        else if (request->Message() == ConnectWindowEvent::kDisconnect)
            m_connections.Disconnect(window);
    }
    return true;
}

int QuoteTableWindow::HighlightTimeMs() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    const IGlobalSettings* settings = mediator ? mediator->GetGlobalSettingsObject() : nullptr;
    return settings ? settings->GetCellValueChangeHighlightTime() : kDefaultHighlightMs;
}

bool QuoteTableWindow::HasLiveHighlights(std::int64_t now) const
{
    const int time = HighlightTimeMs();
    for (const QuoteTableRow& row : m_model.Rows())
    {
        for (const auto& [field, change] : row.changes)
        {
            if (now - change.first < time)
                return true;
        }
    }
    return false;
}

// Display state

void QuoteTableWindow::ShowSearch(bool show)
{
    m_search->setVisible(show);
    if (show)
    {
        m_search->clear();
        m_search->setFocus();
    }
    else
        setFocus();
    resizeEvent(nullptr);
}

bool QuoteTableWindow::IsSearchVisible() const
{
    return !m_search->isHidden();
}

void QuoteTableWindow::SetRowCursor(bool on)
{
    m_rowCursor = on;
    update();
}

void QuoteTableWindow::ShowScrollbar(bool show)
{
    m_model.GetSettings().scrollBarShown = show;
    resizeEvent(nullptr);
    update();
}

void QuoteTableWindow::InvalidateHeights()
{
    UpdateScrollRange();
    update();
}

void QuoteTableWindow::UpdateCaption()
{
    setWindowTitle(m_model.Name().isEmpty() ? QStringLiteral("Tabela notowań") : m_model.Name());
}

void QuoteTableWindow::Search(const QString& text)
{
    if (text.isEmpty())
        return;
    for (const QuoteTableRow* row : m_model.VisibleRows())
    {
        if (row->asset.GetShortName().startsWith(text, Qt::CaseInsensitive))
        {
            m_model.Select(row->id, m_model.SelectedField());
            EnsureSelectedVisible();
            update();
            return;
        }
    }
}

void QuoteTableWindow::EnsureSelectedVisible()
{
    const auto rows = m_model.VisibleRows();
    const auto found = std::find_if(rows.begin(), rows.end(), [this](const QuoteTableRow* row) { return row->id == m_model.SelectedInstrument(); });
    if (found == rows.end())
        return;
    const int index = static_cast<int>(found - rows.begin());
    if (index < m_firstRow)
        m_scrollBar->setValue(index);
    else
    {
        int height = HeaderHeight();
        for (int i = m_firstRow; i <= index; ++i)
            height += RowHeight(*rows[i]);
        if (height > this->height())
            m_scrollBar->setValue(std::min(index, m_scrollBar->maximum()));
    }
}

// Geometry

int QuoteTableWindow::BaseRowHeight() const
{
    const int fontSize = m_model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize);
    int padding = m_model.GetSettings().rowLayout == 0 ? 6 : m_model.GetSettings().rowLayout == 1 ? 2 : 12;
    // The style's low rows take half the table's padding.
    if (m_style && m_style->GetValue(StyleTable::ParamOption11) == 0)
        padding /= 2;
    return fontSize * 96 / 72 + padding;
}

int QuoteTableWindow::RowHeight(const QuoteTableRow& row) const
{
    return BaseRowHeight() * std::max(1, row.offerLines);
}

int QuoteTableWindow::HeaderHeight() const
{
    return BaseRowHeight() + 2 + (IsSearchVisible() ? m_search->height() : 0);
}

std::pair<std::uint32_t, int> QuoteTableWindow::HitTest(const QPoint& point) const
{
    int field = 0;
    int x = 0;
    const auto columns = m_model.VisibleColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
    {
        int width = columns[i]->width;
        // A merged pair is one cell of the first column.
        const bool merged = columns[i]->mergedWithNext && i + 1 < columns.size();
        if (merged)
            width += columns[i + 1]->width;
        if (point.x() >= x && point.x() < x + width)
        {
            field = columns[i]->fieldId;
            break;
        }
        x += width;
        if (merged)
            ++i;
    }
    if (point.y() < HeaderHeight())
        return {0, field};
    int y = HeaderHeight();
    const auto rows = m_model.VisibleRows();
    for (std::size_t i = static_cast<std::size_t>(m_firstRow); i < rows.size(); ++i)
    {
        const int height = RowHeight(*rows[i]);
        if (point.y() >= y && point.y() < y + height)
            return {rows[i]->id, field};
        y += height;
    }
    return {0, field};
}

void QuoteTableWindow::UpdateScrollRange()
{
    const int rows = static_cast<int>(m_model.VisibleRows().size());
    m_scrollBar->setRange(0, std::max(0, rows - 1));
    m_firstRow = std::min(m_firstRow, m_scrollBar->maximum());
}

// Events

void QuoteTableWindow::resizeEvent(QResizeEvent*)
{
    const int barWidth = m_scrollBar->sizeHint().width();
    const bool bar = m_model.GetSettings().scrollBarShown;
    m_scrollBar->setVisible(bar);
    m_scrollBar->setGeometry(width() - barWidth, 0, barWidth, height());
    m_search->setGeometry(0, 0, width() - (bar ? barWidth : 0), m_search->sizeHint().height());
}

void QuoteTableWindow::ShowEditedStyle(const std::shared_ptr<StyleBase>& style)
{
    if (!style || !style->IsKindOf(StyleTable::Type))
        return;
    m_style = style;
    m_model.SetStyle(style);
    update();
}

void QuoteTableWindow::PreviewStyle(const std::shared_ptr<StyleBase>& style)
{
    if (!m_styleBeforePreview)
        m_styleBeforePreview = m_style;
    const std::shared_ptr<StyleBase> shown = style && style->IsKindOf(StyleTable::Type) ? style : m_styleBeforePreview;
    m_style = shown;
    m_model.SetStyle(shown);
    InvalidateHeights();
}

void QuoteTableWindow::CancelStylePreview()
{
    if (!m_styleBeforePreview)
        return;
    m_style = std::move(m_styleBeforePreview);
    m_styleBeforePreview.reset();
    m_model.SetStyle(m_style);
    InvalidateHeights();
}

void QuoteTableWindow::ApplyStylePreview()
{
    m_styleBeforePreview.reset();
}

void QuoteTableWindow::contextMenuEvent(QContextMenuEvent* event)
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    if (!mediator || !m_style)
        return;
    QMenu menu(this);
    QAction* chart = menu.addAction(QStringLiteral("Wykres instrumentu"));
    chart->setEnabled(!SelectedAsset().IsEmpty());
    const QAction* edit = menu.addAction(QStringLiteral("Podgląd i edycja stylu tabeli"));
    const QAction* chosen = menu.exec(event->globalPos());
    if (chosen == chart)
        OpenChartOfSelected();
    else if (chosen == edit)
    {
        ForceActivate();
        mediator->ShowTableStylePreview(m_style);
    }
}

bool QuoteTableWindow::OpenChartOfSelected()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    const Asset asset = SelectedAsset();
    return mediator && !asset.IsEmpty() && mediator->OpenNewChart(asset);
}

QuoteTableFrame::View QuoteTableWindow::FrameView() const
{
    QuoteTableFrame::View view;
    view.size = size();
    view.pixelRatio = devicePixelRatioF();
    view.firstRow = m_firstRow;
    view.top = IsSearchVisible() ? m_search->height() : 0;
    view.headerHeight = HeaderHeight() - view.top;
    view.tableWidth = width() - (m_model.GetSettings().scrollBarShown ? m_scrollBar->width() : 0);
    view.lineHeight = BaseRowHeight();
    view.rowCursor = m_rowCursor;
    view.font = font();
    view.font.setPointSize(m_model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize));
    if (const StyleBase* rows = m_model.RowStyle(QuoteTableModel::kOddRows))
    {
        const GdiObject rowsFont = rows->GetGdiObject(StyleTextField::ParamFont);
        if (const LogFont* face = rowsFont.Font(); face && !face->FaceName().isEmpty())
            view.font.setFamily(face->FaceName());
    }
    view.style = m_style.get();
    view.highlightMs = HighlightTimeMs();
    view.nowMs = NowMs();
    view.background = palette().window();
    return view;
}

int QuoteTableWindow::FormatFrame()
{
    return m_frame.Format(m_model, FrameView());
}

void QuoteTableWindow::paintEvent(QPaintEvent* event)
{
    // What changed since the last frame beyond this paint's region is painted next.
    const QRegion beyond = m_frame.Update(m_model, FrameView()) - event->region();
    if (!beyond.isEmpty())
        update(beyond);
    QPainter painter(this);
    m_frame.Paint(painter, event->region());
}

bool QuoteTableWindow::ArgumentAt(const QPoint& point, DDBaseDataObject& object) const
{
    const auto [rowId, field] = HitTest(point);
    const QuoteTableRow* row = rowId != 0 ? m_model.FindRow(rowId) : nullptr;
    if (!row)
        return false;
    const AlertExprArgDesc argument = m_consumer.AlertArguments().Describe(row->asset, field);
    if (!argument.IsValid())
        return false;
    object.SetupAlertArg(argument);
    return true;
}

void QuoteTableWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragFrom || !(event->buttons() & Qt::LeftButton))
    {
        m_dragFrom.reset();
        return;
    }
    if ((event->position().toPoint() - *m_dragFrom).manhattanLength() < QApplication::startDragDistance())
        return;
    const QPoint from = *m_dragFrom;
    m_dragFrom.reset();
    DDBaseDataObject object;
    if (ArgumentAt(from, object) && m_dragStarter)
        m_dragStarter(*this, object);
}

void QuoteTableWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->position().toPoint();
    const auto [row, field] = HitTest(event->position().toPoint());
    m_model.Select(row, field);
    m_connections.Follow(SelectedAsset());
    ForceActivate();
    emit Activated(this);
    update();
}

void QuoteTableWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    const auto [row, field] = HitTest(event->position().toPoint());
    if (row == 0 && field != 0)
    {
        // A double click on a header sorts by that column, the second time the other way.
        m_model.Select(0, field);
        m_model.SortSwitch();
        update();
    }
    else if (row != 0 && field == TableFields::kComment)
        m_consumer.EditComment();
}

void QuoteTableWindow::wheelEvent(QWheelEvent* event)
{
    m_scrollBar->setValue(m_scrollBar->value() - event->angleDelta().y() / 40);
}

void QuoteTableWindow::keyPressEvent(QKeyEvent* event)
{
    const auto rows = m_model.VisibleRows();
    auto at = std::find_if(rows.begin(), rows.end(), [this](const QuoteTableRow* row) { return row->id == m_model.SelectedInstrument(); });
    switch (event->key())
    {
    case Qt::Key_Up:
    case Qt::Key_Down:
    {
        if (rows.empty())
            return;
        int index = at == rows.end() ? 0 : static_cast<int>(at - rows.begin()) + (event->key() == Qt::Key_Up ? -1 : 1);
        index = std::clamp(index, 0, static_cast<int>(rows.size()) - 1);
        m_model.Select(rows[index]->id, m_model.SelectedField());
        m_connections.Follow(SelectedAsset());
        PublishSelectedInstrument();
        EnsureSelectedVisible();
        update();
        return;
    }
    case Qt::Key_Delete:
        if (m_model.SelectedInstrument() != 0)
            m_consumer.DeleteInstrument(m_model.SelectedInstrument(), 1);
        return;
    case Qt::Key_Escape:
        if (IsSearchVisible())
            ShowSearch(false);
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::Find))
    {
        ShowSearch(true);
        return;
    }
    if (event->matches(QKeySequence::Copy))
    {
        m_consumer.CopyToClipboard(false);
        return;
    }
    // A letter starts the search with itself.
    if (!event->text().isEmpty() && event->text().front().isLetterOrNumber() && event->modifiers() == Qt::NoModifier)
    {
        ShowSearch(true);
        m_search->setText(event->text());
        return;
    }
    ModuleWndBase::keyPressEvent(event);
}

void QuoteTableWindow::focusInEvent(QFocusEvent* event)
{
    emit Activated(this);
    ModuleWndBase::focusInEvent(event);
}
