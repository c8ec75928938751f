#include "orderssheet/ui/TableHandlerCommon.h"

#include "orderssheet/engine/ItemBasicData.h"
#include "orderssheet/engine/MatrixDataBufor.h"
#include "orderssheet/engine/OSAlertReporter.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/IOrdersSheetTableContainer.h"
#include "platform/base/ColorRef.h"
#include "platform/base/Number2String.h"
#include "platform/modules/DDBaseDataObject.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/IGlobalSettings.h"
#include "platform/modules/PluginBase.h"
#include "platform/toolkit/ITableView.h"
#include "styles/engine/StyleTextField.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <optional>

namespace
{
const QColor kNoTextStyleBackground(0xC8, 0xC8, 0xC8);
const QColor kNoStyleColour(0x64, 0x64, 0x64);
const QColor kNoStyleMarkColour(0xFF, 0x00, 0x00);

constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;

QColor Colour(const StyleBase& style, int parameter, const QColor& fallback)
{
    return ColorRef(quint32(style.GetValue(parameter))).ToQColor(fallback);
}

// Background and text parameters of a change state (3 unchanged, 1 rose, 2 fell, 0 new).
int BackgroundParameter(int state)
{
    switch (state)
    {
    case MatrixDataBufor::eUnchanged: return StyleTextField::ParamBkColor;
    case MatrixDataBufor::eRose: return StyleTextField::ParamBkColorRise;
    case MatrixDataBufor::eFell: return StyleTextField::ParamBkColorFall;
    case MatrixDataBufor::eNew: return StyleTextField::ParamBkColorNewOrder;
    default: return -1;
    }
}

int TextParameter(int state)
{
    switch (state)
    {
    case MatrixDataBufor::eRose: return StyleTextField::ParamFontColorRise;
    case MatrixDataBufor::eFell: return StyleTextField::ParamFontColorFall;
    case MatrixDataBufor::eNew: return StyleTextField::ParamFontColorNewOrder;
    default: return StyleTextField::ParamFontColor;
    }
}

QFont FontOf(const StyleBase& style)
{
    const GdiObject object = style.GetGdiObject(StyleTextField::ParamFont);
    const LogFont* font = object.Font();
    return font ? font->ToQFont() : QApplication::font();
}

bool IsVolumeKind(int mode, int kind)
{
    if (mode == OSSheetMode::kOrders)
        return kind == 3 || kind == 7;
    return kind == 1 || kind == 3 || kind == 5;
}

int GlobalHighlightTime()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    const IGlobalSettings* settings = mediator ? mediator->GetGlobalSettingsObject() : nullptr;
    return settings ? settings->GetCellValueChangeHighlightTime() : TableHandlerCommon::kDefaultHighlightMs;
}
}

TableHandlerCommon::TableHandlerCommon(IOrdersSheetTableContainer& container, int priceLevelId)
    : m_container(container)
    , m_priceLevelId(priceLevelId)
    , m_resolver(container.GetSettings())
    , m_defaultFont(QApplication::font())
{
}

TableHandlerCommon::~TableHandlerCommon() = default;

const OrdersSheetSettings& TableHandlerCommon::Settings() const
{
    return m_container.GetSettings();
}

int TableHandlerCommon::Mode() const
{
    return Settings().GetTableSettings().GetMode();
}

int TableHandlerCommon::Side() const
{
    return m_dataSet ? m_dataSet->GetSide() : 0;
}

StyleOrdersSheet& TableHandlerCommon::SheetStyle() const
{
    return *Settings().GetStyle();
}

OSTableColumns TableHandlerCommon::Columns() const
{
    OSTableColumns columns;
    columns.mode = Mode();
    columns.visibleKinds.reset();
    for (const auto& column : Settings().GetTableSettings().Columns(columns.mode))
        if (column.visible && column.kind >= 0 && column.kind < OSTableColumns::kMaxKinds)
            columns.visibleKinds.set(std::size_t(column.kind));
    return columns;
}

int TableHandlerCommon::KindAt(int columnId) const
{
    const auto& table = Settings().GetTableSettings();
    if (columnId < 0 || columnId >= OrdersSheetTableSettings::GetDisplayCount(Mode()))
        return -1;
    return table.GetColumnForDisplayPos(Mode(), columnId).kind;
}

QColor TableHandlerCommon::ThemeColour()
{
    return QApplication::palette().color(QPalette::Button);
}

void TableHandlerCommon::BeginPass()
{
    if (m_inPass)
        return;
    m_inPass = true;
    m_resolver.Reset(m_container.GetStyleEditSource());
    m_passStyle = Settings().GetStyle();
    m_passColumns = Columns();
}

const QFont& TableHandlerCommon::CellFont(const StyleBase& style)
{
    // Most cells of a pass share one font: it is made once, not for every cell.
    const GdiObject object = style.GetGdiObject(StyleTextField::ParamFont);
    const LogFont* font = object.Font();
    if (!font)
        return m_defaultFont;
    if (!m_fontCached || !(*font == m_cachedLogFont))
    {
        m_cachedLogFont = *font;
        m_cachedFont = font->ToQFont();
        m_fontCached = true;
    }
    return m_cachedFont;
}

void TableHandlerCommon::OnAfterPaint(QPainter& painter, const QRect& area)
{
    m_inPass = false;
    m_passStyle.reset();
    if (Side() == 0 && m_container.IsBottomBandShown() && MapRowToData(0) != -1)
        painter.fillRect(QRect(area.left(), area.bottom() - 1, area.width(), 2),
                         Colour(SheetStyle(), StyleOrdersSheet::ParamChartSummPanelBkgColor, kNoStyleColour));
    if (m_active && !m_cursorRect.isEmpty() && Settings().cursorVisible)
    {
        QPen pen(Colour(SheetStyle(), StyleOrdersSheet::ParamCursorColor, kNoStyleMarkColour), 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_cursorRect.adjusted(1, 1, -1, -1));
    }
    m_cursorRect = QRect();
}

void TableHandlerCommon::DrawCell(QPainter& painter, int row, const QRect& rect)
{
    if (!m_table || !m_dataSet || m_table->GetItemCount() == 0)
        return;
    BeginPass();
    int dataRow = row;
    if (Side() == 0)
    {
        if (row == 0)
        {
            painter.fillRect(rect, ThemeColour());
            return;
        }
        dataRow = row - 1;
    }
    if (dataRow >= m_dataSet->GetRowCount(Mode()))
        return;
    ExpireHighlight(dataRow);
    PaintRow(painter, row, dataRow, rect, false);
}

void TableHandlerCommon::ExpireHighlight(int dataRow)
{
    if (!m_dataSet->HasRowAnyChangesValues(dataRow, Mode()))
        return;
    if (m_highlightMs < 0)
        m_highlightMs = GlobalHighlightTime();
    if (m_dataSet->GetRowTimeLastUpdate(dataRow, Mode()) + std::uint64_t(m_highlightMs) < m_lastRedrawTick)
        m_dataSet->ResetRowChanges(dataRow, Mode());
    else
        m_redrawRequired = true;
}

bool TableHandlerCommon::IsStateColoured(int kind) const
{
    if (Mode() == OSSheetMode::kOrders)
        return kind >= 1 && kind <= 4;
    return kind == 1 || kind == 3 || kind == 4;
}

bool TableHandlerCommon::RowHasChange(int dataRow, const OSTableColumns& columns) const
{
    for (int kind = 0; kind < OSTableColumns::kMaxKinds; ++kind)
        if (IsStateColoured(kind) && columns.IsVisible(kind)
            && m_dataSet->GetCellState(dataRow, kind, columns.mode) != MatrixDataBufor::eUnchanged)
            return true;
    return false;
}

void TableHandlerCommon::PaintRow(QPainter& painter, int tableRow, int dataRow, const QRect& rect, bool currentValueTable)
{
    const OSTableColumns& columns = m_passColumns;
    const StyleOrdersSheet& style = *m_passStyle;
    const QString rowKey = currentValueTable ? QString() : m_dataSet->GetRowKey(dataRow, columns.mode);
    const bool highlighted = !currentValueTable && style.GetValue(StyleOrdersSheet::ParamHighLight) == 1
                             && RowHasChange(dataRow, columns);
    const int count = m_table->GetColumnCount();
    int lastVisible = -1;
    for (int pos = 0; pos < count; ++pos)
        if (m_table->GetColumnWidth(m_table->GetColumnId(pos)) > 0)
            lastVisible = pos;
    int left = rect.left();
    for (int pos = 0; pos <= lastVisible; ++pos)
    {
        const int columnId = m_table->GetColumnId(pos);
        const int width = m_table->GetColumnWidth(columnId);
        if (width <= 0)
            continue;
        if (left > rect.right())
            break;
        QRect cell(left, rect.top(), width, rect.height());
        if (pos == lastVisible)
        {
            cell.setRight(std::max(left, std::min(rect.right() - kLastColumnGap, cell.right())));
            painter.fillRect(QRect(cell.right() + 1, rect.top(), rect.right() - cell.right(), rect.height()),
                             RowSideColour(tableRow, dataRow));
        }
        left += width;
        if (columnId == m_cursorColumn && tableRow - (Side() == 0 && !currentValueTable ? 1 : 0) == m_cursorRow)
            m_cursorRect = cell;
        const int kind = KindAt(columnId);
        const StyleBase* textStyle = nullptr;
        if (currentValueTable)
        {
            const auto& properties = Settings().GetTableSettings().GetColumnForDisplayPos(columns.mode, columnId);
            textStyle = dynamic_cast<const StyleTextField*>(properties.style.get());
            if (!textStyle || !properties.ownStyle)
                textStyle = style.GetRelatedStyle(StyleOrdersSheet::RelationCurrValueRow).get();
        }
        else
        {
            textStyle = &m_resolver.SetUp(dataRow, columnId, columnId, rowKey, false);
        }
        if (!textStyle)
        {
            painter.fillRect(cell, kNoTextStyleBackground);
            continue;
        }
        PaintCell(painter, cell, dataRow, kind, *textStyle, highlighted, currentValueTable);
    }
}

void TableHandlerCommon::PaintCell(QPainter& painter, const QRect& cell, int dataRow, int kind, const StyleBase& textStyle,
                                   bool highlighted, bool currentValueTable)
{
    const OSTableColumns& columns = m_passColumns;
    const StyleOrdersSheet& style = *m_passStyle;
    const double value = m_dataSet->GetCellValue(dataRow, kind, columns);
    const bool noValue = currentValueTable && value == MatrixDataBufor::kNoValue;
    int state = m_dataSet->GetCellState(dataRow, kind, columns.mode);
    if (!IsStateColoured(kind) || noValue)
        state = MatrixDataBufor::eUnchanged;

    if (highlighted)
    {
        painter.fillRect(cell, Colour(style, StyleOrdersSheet::ParamHighLightColor, kNoTextStyleBackground));
    }
    else if (const int background = BackgroundParameter(state); background >= 0)
    {
        painter.fillRect(cell, Colour(textStyle, background, kNoTextStyleBackground));
    }

    // Grid lines as one-pixel fills: stroking thousands of short lines a frame costs far more.
    const std::optional<QPen> gridPen = style.EffectivePen().ToQPen();
    if (gridPen && gridPen->style() != Qt::NoPen)
    {
        const QColor gridColour = gridPen->color();
        const int thickness = std::max(1, gridPen->width());
        const bool vertical = style.GetValue(StyleOrdersSheet::ParamVGridVisible) == 1 && !noValue;
        if (style.GetValue(StyleOrdersSheet::ParamHGridVisible) == 1 && !currentValueTable)
            painter.fillRect(QRect(cell.left(), cell.bottom() - thickness + 1, cell.width(), thickness), gridColour);
        if (vertical)
        {
            painter.fillRect(QRect(cell.right() - thickness + 1, cell.top(), thickness, cell.height()), gridColour);
            if (currentValueTable)
                painter.fillRect(QRect(cell.left() - thickness, cell.top(), thickness, cell.height()), gridColour);
        }
    }

    const QFont& font = CellFont(textStyle);
    painter.setFont(font);
    painter.setPen(Colour(textStyle, TextParameter(state), Qt::black));
    const QRect textArea = cell.adjusted(0, 0, -kTextMargin, 0);
    const QString text = CellText(dataRow, kind, cell.width(), font, columns);
    if (!text.isEmpty())
    {
        // Placed by hand at the baseline: laying a text out in a rectangle costs several times
        // more, and a sheet paints hundreds of cells a frame.
        const QFontMetrics metrics = painter.fontMetrics();
        QString shown = text;
        int advance = metrics.horizontalAdvance(shown);
        if (advance > textArea.width())
        {
            shown = metrics.elidedText(text, Qt::ElideRight, textArea.width());
            advance = metrics.horizontalAdvance(shown);
        }
        const int baseline = textArea.top() + (textArea.height() + metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(QPoint(textArea.right() + 1 - advance, baseline), shown);
    }
    if (kind == 1 && !currentValueTable && m_dataSet->GetIfRowIsPEGOrder(dataRow, columns.mode))
        painter.drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QStringLiteral("PEG"));
}

QString TableHandlerCommon::CellText(int dataRow, int kind, int width, const QFont& font) const
{
    return CellText(dataRow, kind, width, font, Columns());
}

QString TableHandlerCommon::CellText(int dataRow, int kind, int width, const QFont& font, const OSTableColumns& columns) const
{
    if (!m_dataSet)
        return {};
    if (columns.mode == OSSheetMode::kOrders && (kind == 5 || kind == 6))
        return dataRow != -1 ? m_dataSet->GetCellSpecialValue(dataRow, kind, columns.mode) : QString();
    const double value = m_dataSet->GetCellValue(dataRow, kind, columns);
    if (value == MatrixDataBufor::kNoValue)
        return {};
    if (value == ItemBasicData::kSpecialPriceB)
        return QStringLiteral("PKC");
    if (value == ItemBasicData::kSpecialPriceA)
        return QStringLiteral("PCR");
    const auto& precision = Settings().GetTableSettings().GetColumnPrecision(columns.mode, kind);
    const QString format = QStringLiteral("%s");
    QString text;
    const bool fitted = IsVolumeKind(columns.mode, kind) && dataRow != -1;
    const bool pointed = m_hoverRow == kHoverAllRows || (m_hoverRow >= 0 && m_hoverRow == dataRow);
    if (!fitted || pointed)
        text = Number2String(format, value, precision.Min(), precision.Value()).Text();
    if (fitted && text.isEmpty())
        text = Number2String(format, font, width - kTextMargin, value, precision.Min(), precision.Value()).Text();
    if (m_dataSet->GetRowKind(dataRow) == 2)
    {
        const auto record = m_dataSet->GetCurrentValueRecord();
        if (record && record->alternative)
            text = QStringLiteral("[%1]").arg(text);
    }
    return text;
}

QString TableHandlerCommon::GetCellText(int row, int columnId) const
{
    const int dataRow = Side() == 0 && MapRowToData(row) != -1 ? row - 1 : MapRowToData(row);
    return CellText(dataRow, KindAt(columnId), 10000, QApplication::font());
}

QColor TableHandlerCommon::RowSideColour(int tableRow, int dataRow) const
{
    if (Side() == 0 && m_table && tableRow == m_table->GetItemCount() - 1 && MapRowToData(0) != -1)
        return ThemeColour();
    const std::shared_ptr<StyleOrdersSheet> sheetStyle = m_inPass ? m_passStyle : Settings().GetStyle();
    const StyleOrdersSheet& style = *sheetStyle;
    const QColor base = Colour(style, StyleOrdersSheet::ParamChartSummIndexBkgColor, kNoStyleColour);
    const int priceKind = Mode() == OSSheetMode::kOrders ? 1 : 2;
    const double price = m_dataSet->GetCellValue(dataRow, priceKind, m_inPass ? m_passColumns : Columns());
    const double limit = m_dataSet->GetSummaryValues(m_priceLevelId).limit;
    const bool market = ItemBasicData::IsSpecialPrice(price);
    if (limit == 0.0 && !market)
        return base;
    if (Side() == 0)
        return market || price <= limit ? Colour(style, StyleOrdersSheet::ParamChartSummIndexSellColor, kNoStyleMarkColour)
                                         : base;
    return market || price >= limit ? Colour(style, StyleOrdersSheet::ParamChartSummIndexBuyColor, kNoStyleMarkColour) : base;
}

int TableHandlerCommon::OnKeyDown(int key)
{
    if (!Settings().cursorVisible || !m_table || !m_dataSet)
        return 0;
    const int rows = m_dataSet->GetRowCount(Mode());
    switch (key)
    {
    case kVkLeft:
        if (m_cursorColumn > 0)
            --m_cursorColumn;
        break;
    case kVkRight:
        if (m_cursorColumn < m_table->GetColumnCount() - 1)
            ++m_cursorColumn;
        break;
    case kVkUp:
        if (m_cursorRow > 0)
            SetCursorCell(m_cursorColumn, m_cursorRow - 1);
        break;
    case kVkDown:
        if (m_cursorRow < rows - 1)
            SetCursorCell(m_cursorColumn, m_cursorRow + 1);
        break;
    default:
        return 0;
    }
    RequestRedraw();
    return m_cursorRow + (Side() == 0 ? 1 : 0);
}

void TableHandlerCommon::OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers)
{
    m_active = true;
    if (row == -1)
    {
        SetCursorCell(-1, -1);
        return;
    }
    m_container.OnTableActivated(*this);
    if (!m_table)
        return;
    // The table's own column count bounds the walk: the orders table has 9 columns, not 10.
    const int count = m_table->GetColumnCount();
    int column = -1;
    int sum = 0;
    for (int pos = 0; pos < count; ++pos)
    {
        const int id = m_table->GetColumnId(pos);
        sum += m_table->GetColumnWidth(id);
        if (sum > point.x())
        {
            column = id;
            break;
        }
    }
    const int dataRow = Side() == 0 && MapRowToData(0) != -1 ? row - 1 : MapRowToData(row);
    if (column < 0 || dataRow < 0)
        SetCursorCell(-1, -1);
    else
        SetCursorCell(column, dataRow);
}

void TableHandlerCommon::OnBeginDrag()
{
    if (!m_dataSet || m_cursorColumn < 0 || m_cursorRow < 0 || m_cursorRow >= m_dataSet->GetRowCount(Mode()))
        return;
    const int kind = KindAt(m_cursorColumn);
    const OSAlertReporter reporter(m_dataSet);
    DDBaseDataObject object;
    const bool described = OSSheetMode::IsOrders(Mode()) ? reporter.SetupOrdersModeArg(object, kind)
                                                         : reporter.SetupOffersModeArg(object, kind);
    if (described)
        m_container.StartDrag(object);
}

void TableHandlerCommon::SetCursorCell(int column, int row)
{
    if (row == -1)
    {
        m_cursorColumn = m_cursorRow = -1;
        m_cursorRowKey.clear();
        return;
    }
    m_cursorRowKey = m_dataSet ? m_dataSet->GetRowKey(row, Mode()) : QString();
    m_cursorColumn = column;
    m_cursorRow = row;
}

void TableHandlerCommon::RefindCursorRow()
{
    if (m_cursorRow < 0 || m_cursorRowKey.isEmpty() || !m_dataSet)
        return;
    const int index = m_dataSet->GetRowIdxForRowKey(m_cursorRowKey, Mode());
    if (index == -1)
        return;
    m_cursorRow = Side() == 1 ? m_dataSet->GetRowCount(Mode()) - 1 - index : index;
}

void TableHandlerCommon::AdjustScroll()
{
    if (!m_dataSet || Side() != 0 || !m_table || m_table->GetItemCount() <= 1)
        return;
    const int total = m_table->GetAllItemsHeight();
    const int visible = m_table->GetVisibleHeight();
    if (total <= 0 || total <= visible)
        m_table->SetFirstVisibleRow(0);
    else
        m_table->SetFirstVisibleRow(m_table->GetItemCount() - 1);
    m_table->Redraw();
}

void TableHandlerCommon::OnMouseLeaveRows()
{
    if (m_hoverRow == -1)
        return;
    const int old = m_hoverRow;
    m_hoverRow = -1;
    m_container.OnHoverEnd();
    if (old != kHoverAllRows && m_table)
        m_table->Redraw();
}

void TableHandlerCommon::OnMouseOverRow(int row, const QPoint& point)
{
    const int dataRow = Side() == 0 && MapRowToData(0) != -1 ? row - 1 : MapRowToData(row);
    if (dataRow == m_hoverRow)
        return;
    m_hoverRow = dataRow;
    m_container.OnHover(dataRow, point);
    if (m_table)
        m_table->Redraw();
}

void TableHandlerCommon::OnRedrawn()
{
    m_redrawRequired = false;
    m_lastRedrawTick = m_tickSource();
}

void TableHandlerCommon::SetActive(bool active)
{
    m_redrawRequired = true;
    m_active = active;
}

int TableHandlerCommon::GetRowHeight(int row)
{
    if (Side() == 0 && row == 0 && m_table)
    {
        if (MapRowToData(0) != -1)
            return m_table->GetDefaultRowHeight();
        if (!Settings().rowCurrValueVisible)
            return 0;
    }
    if (m_rowHeight > 0)
        return m_rowHeight;
    int height = kMinRowHeight;
    const StyleOrdersSheet& style = SheetStyle();
    for (int relation : {StyleOrdersSheet::RelationOddRow, StyleOrdersSheet::RelationEvenRow,
                         StyleOrdersSheet::RelationCurrValueRow})
        if (const auto related = style.GetRelatedStyle(relation))
            height = std::max(height, QFontMetrics(FontOf(*related)).height() + 2);
    m_rowHeight = height;
    return height;
}
