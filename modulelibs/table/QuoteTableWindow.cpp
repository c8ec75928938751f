#include "modulelibs/table/QuoteTableWindow.h"

#include "core/settings/IGlobalSettings.h"
#include "modulelibs/table/ChangeHighlight.h"
#include "modulelibs/table/TableFields.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/base/ColorRef.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/DDBaseDataObjectMime.h"
#include "platform/modules/ConnectWindowEvent.h"
#include "platform/modules/DDBaseDataObject.h"
#include "platform/modules/IAppMediator.h"
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

namespace
{
constexpr const char* kFile = "QuoteTableWindow.cpp";
constexpr int kDefaultHighlightMs = 1000;
constexpr int kCellPadding = 4;

QColor Colour(int value, const QColor& fallback)
{
    return ColorRef(static_cast<quint32>(value)).ToQColor(fallback);
}

// The colour a part `strength` of the way from `from` to `to`.
QColor Blend(const QColor& from, const QColor& to, double strength)
{
    if (strength >= 1.0)
        return to;
    if (strength <= 0.0)
        return from;
    const auto mix = [strength](int a, int b) { return static_cast<int>(a + (b - a) * strength + 0.5); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

std::int64_t NowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// One line in the rectangle, vertically centred, cut with an ellipsis when too long. Cheaper
// than the painter's formatted text, which lays out every cell of every frame.
void DrawCellText(QPainter& painter, const QFontMetrics& metrics, const QRect& rect, const QString& text, bool right)
{
    if (text.isEmpty())
        return;
    int width = metrics.horizontalAdvance(text);
    QString shown = text;
    if (width > rect.width())
    {
        shown = metrics.elidedText(text, Qt::ElideRight, rect.width());
        width = metrics.horizontalAdvance(shown);
    }
    const int x = right ? rect.right() + 1 - width : rect.left();
    const int y = rect.top() + (rect.height() + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(x, y, shown);
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
        std::erase_if(m_pending, [&wanted](const auto& entry) { return std::find(wanted.begin(), wanted.end(), entry.first) == wanted.end(); });
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

void QuoteTableWindow::OnQuote(const Asset& asset, const CurrentState& state)
{
    const SafeAutoLock lock(m_pendingLock, "QuoteTableWindow::OnQuote", kFile);
    m_pending[asset].state = state;
}

void QuoteTableWindow::OnOrderBook(const Asset& asset, const OrderBook& book)
{
    const SafeAutoLock lock(m_pendingLock, "QuoteTableWindow::OnOrderBook", kFile);
    m_pending[asset].book = book;
}

bool QuoteTableWindow::DrainFeed()
{
    std::map<Asset, Pending> pending;
    {
        const SafeAutoLock lock(m_pendingLock, "QuoteTableWindow::DrainFeed", kFile);
        pending.swap(m_pending);
    }
    if (pending.empty())
        return false;
    const std::int64_t now = NowMs();
    bool changed = false;
    // Sorting once after the batch, not after every quote.
    const bool autoSort = m_model.IsAutoSort();
    m_model.EnableAutoSort(false);
    for (const auto& [asset, item] : pending)
    {
        if (item.book)
            changed |= m_model.ApplyOrderBook(asset, *item.book);
        if (item.state)
            changed |= m_model.ApplyQuote(asset, *item.state, now);
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
        update();
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
    const QAction* edit = menu.addAction(QStringLiteral("Podgląd i edycja stylu tabeli"));
    if (menu.exec(event->globalPos()) == edit)
    {
        ForceActivate();
        mediator->ShowTableStylePreview(m_style);
    }
}

void QuoteTableWindow::PaintGridLines(QPainter& painter, const QRect& cell) const
{
    if (!m_style)
    {
        painter.setPen(QColor(0xE0, 0xE0, 0xE0));
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        return;
    }
    const GdiObject object = m_style->GetGdiObject(StyleTable::ParamGridPen);
    const std::optional<QPen> pen = object.Pen() ? object.Pen()->ToQPen() : std::nullopt;
    // A null pen draws no line.
    if (!pen)
        return;
    painter.setPen(*pen);
    if (m_style->GetValue(StyleTable::ParamHorizontalGrid) != 0)
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    if (m_style->GetValue(StyleTable::ParamVerticalGrid) != 0)
        painter.drawLine(cell.topRight(), cell.bottomRight());
}

void QuoteTableWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QuoteTableModel& model = m_model;
    const TableSettings& settings = model.GetSettings();
    const int tableWidth = width() - (settings.scrollBarShown ? m_scrollBar->width() : 0);
    QFont font = painter.font();
    font.setPointSize(model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize));
    if (const StyleBase* rows = model.RowStyle(QuoteTableModel::kOddRows))
    {
        const GdiObject rowsFont = rows->GetGdiObject(StyleTextField::ParamFont);
        if (const LogFont* face = rowsFont.Font(); face && !face->FaceName().isEmpty())
            font.setFamily(face->FaceName());
    }
    painter.setFont(font);
    QFont boldFont = font;
    boldFont.setBold(true);
    const ChangeHighlight changes = ChangeHighlight::FromStyle(m_style.get());
    const QColor rowHighlight = m_style ? Colour(m_style->GetValue(StyleTable::ParamRowHighlightColor), QColor(0xFF, 0xFF, 0xC8))
                                        : QColor(0xFF, 0xFF, 0xC8);
    const QColor cursor = m_style ? Colour(m_style->GetValue(StyleTable::ParamCursorColor), QColor(0x33, 0x66, 0xCC))
                                  : QColor(0x33, 0x66, 0xCC);
    const QFontMetrics metrics(font);

    const auto columns = model.VisibleColumns();
    const int top = IsSearchVisible() ? m_search->height() : 0;
    const int headerHeight = HeaderHeight() - top;
    // Header.
    int x = 0;
    for (std::size_t i = 0; i < columns.size(); ++i)
    {
        const bool merged = columns[i]->mergedWithNext && i + 1 < columns.size();
        const int width = columns[i]->width + (merged ? columns[i + 1]->width : 0);
        const QRect cell(x, top, width, headerHeight);
        const bool selected = columns[i]->fieldId == model.SelectedField() && model.SelectedInstrument() == 0;
        painter.fillRect(cell, selected ? QColor(0xC8, 0xDC, 0xF0) : QColor(0xE4, 0xE8, 0xEE));
        painter.setPen(QColor(0xA0, 0xA8, 0xB4));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        QString caption = model.HeaderOf(*columns[i]);
        if (merged)
            caption += QStringLiteral(" / ") + model.HeaderOf(*columns[i + 1]);
        if (columns[i]->fieldId == model.SortField())
            caption += model.SortAscending() ? QStringLiteral(" \u25B2") : QStringLiteral(" \u25BC");
        painter.setPen(Qt::black);
        DrawCellText(painter, metrics, cell.adjusted(kCellPadding, 0, -kCellPadding, 0), caption, false);
        x += width;
        if (merged)
            ++i;
    }

    const std::int64_t now = NowMs();
    const int highlight = HighlightTimeMs();
    const auto rows = model.VisibleRows();
    int y = top + headerHeight;
    const int lineHeight = BaseRowHeight();
    for (std::size_t r = static_cast<std::size_t>(m_firstRow); r < rows.size() && y < height(); ++r)
    {
        const QuoteTableRow& row = *rows[r];
        const bool odd = r % 2 == 0;
        const int rowHeight = RowHeight(row);
        const bool rowSelected = row.id == model.SelectedInstrument();
        // How strongly each changed field shows, and the row as its strongest field.
        std::map<int, double> fieldStrength;
        double rowStrength = 0.0;
        for (const auto& [field, change] : row.changes)
        {
            const double strength = changes.Counts(field) ? changes.Strength(now - change.first, highlight) : 0.0;
            if (strength > 0.0)
                fieldStrength[field] = strength;
            rowStrength = std::max(rowStrength, strength);
        }
        x = 0;
        for (std::size_t i = 0; i < columns.size(); ++i)
        {
            const int field = columns[i]->fieldId;
            const bool merged = columns[i]->mergedWithNext && i + 1 < columns.size();
            const int width = columns[i]->width + (merged ? columns[i + 1]->width : 0);
            const QRect cell(x, y, width, rowHeight);
            QColor back = Colour(model.EffectiveParam(row, field, odd, QuoteTableModel::kBackColor), Qt::white);
            QColor fore = Colour(model.EffectiveParam(row, field, odd, QuoteTableModel::kFontColor), Qt::black);
            const auto strength = fieldStrength.find(field);
            const bool changed = strength != fieldStrength.end();
            if (changed && changes.GetMode() != ChangeHighlight::Mode::None)
            {
                const bool rise = row.changes.at(field).second > 0;
                fore = Blend(fore, Colour(model.EffectiveParam(row, field, odd, rise ? QuoteTableModel::kRiseFontColor : QuoteTableModel::kFallFontColor), Qt::black),
                             strength->second);
                if (changes.GetMode() == ChangeHighlight::Mode::RiseFall)
                    back = Blend(back, Colour(model.EffectiveParam(row, field, odd, rise ? QuoteTableModel::kRiseBackColor : QuoteTableModel::kFallBackColor), Qt::white),
                                 strength->second);
            }
            if (changes.GetMode() == ChangeHighlight::Mode::Rows)
                back = Blend(back, rowHighlight, rowStrength);
            const bool cellSelected = rowSelected && (m_rowCursor || field == model.SelectedField());
            if (cellSelected)
                back = cursor;
            painter.fillRect(cell, back);
            PaintGridLines(painter, cell);
            painter.setFont(changed && changes.IsBold() ? boldFont : font);
            painter.setPen(cellSelected ? QColor(Qt::white) : fore);
            QString text = field == TableFields::kComment ? row.comment
                                                           : TableFields::Text(field, row.asset, row.state, settings.pricePrecision);
            if (merged)
                text += QStringLiteral("  ") + TableFields::Text(columns[i + 1]->fieldId, row.asset, row.state, settings.pricePrecision);
            const bool numeric = TableFields::IsNumeric(field);
            if (field == TableFields::kPrice && settings.offerLineIcons)
            {
                // The arrow shows the trend against the reference price or the opening price.
                const double base = row.state.GetDouble(settings.trendAgainstReference ? SeriesIds::kReference : SeriesIds::kOpen);
                const double price = row.state.GetDouble(SeriesIds::kPrice);
                if (base > 0 && price > 0 && price != base)
                    text = (price > base ? QStringLiteral("\u25B2 ") : QStringLiteral("\u25BC ")) + text;
            }
            const QRect textRect(cell.x() + kCellPadding, y, cell.width() - 2 * kCellPadding, lineHeight);
            DrawCellText(painter, metrics, textRect, text, numeric);
            // The further offer lines show the deeper levels of the book.
            const bool bidSide = field == TableFields::kBid || field == TableFields::kBidVolume;
            const bool askSide = field == TableFields::kAsk || field == TableFields::kAskVolume;
            const bool volume = field == TableFields::kBidVolume || field == TableFields::kAskVolume;
            for (int line = 1; line < row.offerLines && (bidSide || askSide); ++line)
            {
                const auto& levels = bidSide ? row.book.bids : row.book.asks;
                if (line >= static_cast<int>(levels.size()))
                    break;
                const double value = volume ? levels[line].volume : levels[line].price;
                const int decimals = volume ? 0 : settings.pricePrecision >= 0 ? settings.pricePrecision : 2;
                DrawCellText(painter, metrics, textRect.translated(0, line * lineHeight), QString::number(value, 'f', decimals), true);
            }
            x += width;
            if (merged)
                ++i;
        }
        y += rowHeight;
    }
    // What the rows and columns leave empty.
    const QColor empty = Colour(model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kBackColor), Qt::white);
    if (y < height())
        painter.fillRect(QRect(0, y, tableWidth, height() - y), empty);
    if (x < tableWidth)
        painter.fillRect(QRect(x, top, tableWidth - x, height() - top), palette().window());
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
