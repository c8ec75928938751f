#include "modulelibs/table/QuoteTableFrame.h"

#include "modulelibs/table/TableFields.h"
#include "platform/base/ColorRef.h"
#include "platform/modules/SeriesIds.h"
#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleTable.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <unordered_set>

namespace
{
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

// One line cut with an ellipsis when it is wider than the cell.
QString Fit(const QFontMetrics& metrics, const QString& text, int width, int* shownWidth)
{
    *shownWidth = metrics.horizontalAdvance(text);
    if (*shownWidth <= width)
        return text;
    QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    *shownWidth = metrics.horizontalAdvance(shown);
    return shown;
}

// Where a line in the rectangle starts and where its base line lies, vertically centred.
QPoint TextOrigin(const QFontMetrics& metrics, const QRect& rect, int width, bool right)
{
    const int x = right ? rect.right() + 1 - width : rect.left();
    return QPoint(x, rect.top() + (rect.height() + metrics.ascent() - metrics.descent()) / 2);
}

void DrawFitted(QPainter& painter, const QFontMetrics& metrics, const QRect& rect, const QString& shown, int width, bool right)
{
    if (!shown.isEmpty())
        painter.drawText(TextOrigin(metrics, rect, width, right), shown);
}

// A cell's text is shaped once when it is formatted, not on every paint: a paint only places
// its glyphs, with the base line at the origin.
void DrawLaidOut(QPainter& painter, const QFontMetrics& metrics, const QRect& rect, const QList<QGlyphRun>& runs, int width, bool right)
{
    if (runs.isEmpty())
        return;
    const QPoint origin = TextOrigin(metrics, rect, width, right);
    for (const QGlyphRun& run : runs)
        painter.drawGlyphRun(origin, run);
}

// The glyphs of one line, with the base line at 0, and its width.
QList<QGlyphRun> Shape(const QFont& font, const QString& text, int* width)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    *width = qRound(line.horizontalAdvance());
    QList<QGlyphRun> runs = layout.glyphRuns();
    for (QGlyphRun& run : runs)
    {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position.ry() -= line.ascent();
        run.setPositions(positions);
    }
    return runs;
}

constexpr std::array<int, 6> kRowColourParameters = {QuoteTableModel::kFontColor,     QuoteTableModel::kBackColor,
                                                     QuoteTableModel::kRiseFontColor, QuoteTableModel::kRiseBackColor,
                                                     QuoteTableModel::kFallFontColor, QuoteTableModel::kFallBackColor};
}

// Formatting

QuoteTableFrame::TextsLook QuoteTableFrame::TextsLookOf(const QuoteTableModel& model, const View& view)
{
    TextsLook look;
    const auto columns = model.VisibleColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
    {
        Column column;
        column.fieldId = columns[i]->fieldId;
        column.merged = columns[i]->mergedWithNext && i + 1 < columns.size();
        column.width = columns[i]->width + (column.merged ? columns[i + 1]->width : 0);
        column.nextFieldId = column.merged ? columns[i + 1]->fieldId : 0;
        column.caption = model.HeaderOf(*columns[i]);
        if (column.merged)
            column.caption += QStringLiteral(" / ") + model.HeaderOf(*columns[i + 1]);
        if (column.fieldId == model.SortField())
            column.caption += model.SortAscending() ? QStringLiteral(" \u25B2") : QStringLiteral(" \u25BC");
        look.columns.push_back(std::move(column));
        if (look.columns.back().merged)
            ++i;
    }
    const TableSettings& settings = model.GetSettings();
    look.pricePrecision = settings.pricePrecision;
    look.offerLineIcons = settings.offerLineIcons;
    look.trendAgainstReference = settings.trendAgainstReference;
    look.font = view.font;
    look.boldChanges = ChangeHighlight::FromStyle(view.style).IsBold();
    return look;
}

QuoteTableFrame::CellText QuoteTableFrame::LaidOut(const QFontMetrics& metrics, const QFont& font, const QString& text, int width)
{
    CellText laidOut;
    laidOut.shown = text;
    // Prices and volumes repeat their texts from row to row and tick to tick: each is shaped once.
    if (const auto known = m_shaped.constFind(text); known != m_shaped.constEnd())
    {
        laidOut.glyphs = known->first;
        laidOut.width = known->second;
    }
    else
    {
        laidOut.glyphs = Shape(font, text, &laidOut.width);
        if (m_shaped.size() >= kShapedLimit)
            m_shaped.clear();
        m_shaped.insert(text, {laidOut.glyphs, laidOut.width});
    }
    // Cut with an ellipsis when it is wider than the cell.
    if (laidOut.width > width)
    {
        laidOut.shown = metrics.elidedText(text, Qt::ElideRight, width);
        laidOut.glyphs = Shape(font, laidOut.shown, &laidOut.width);
    }
    return laidOut;
}

QList<QGlyphRun> QuoteTableFrame::ShapedBold(const QString& text)
{
    if (const auto known = m_shapedBold.constFind(text); known != m_shapedBold.constEnd())
        return *known;
    QFont bold = m_textsLook->font;
    bold.setBold(true);
    int width = 0;
    QList<QGlyphRun> glyphs = Shape(bold, text, &width);
    if (m_shapedBold.size() >= kShapedLimit)
        m_shapedBold.clear();
    m_shapedBold.insert(text, glyphs);
    return glyphs;
}

QuoteTableFrame::RowTexts QuoteTableFrame::FormatRow(const QuoteTableRow& row, const TextsLook& texts,
                                                      const QFontMetrics& metrics)
{
    RowTexts made;
    made.version = row.version;
    made.comment = row.comment;
    made.offerLines = row.offerLines;
    made.cells.reserve(texts.columns.size());
    const int precision = texts.pricePrecision;
    for (const Column& column : texts.columns)
    {
        const int field = column.fieldId;
        const int width = column.width - 2 * kCellPadding;
        Cell cell;
        QString text = field == TableFields::kComment ? row.comment : TableFields::Text(field, row.asset, row.state, precision);
        if (column.merged)
            text += QStringLiteral("  ") + TableFields::Text(column.nextFieldId, row.asset, row.state, precision);
        cell.numeric = TableFields::IsNumeric(field);
        if (field == TableFields::kPrice && texts.offerLineIcons)
        {
            // The arrow shows the trend against the reference price or the opening price.
            const double base = row.state.GetDouble(texts.trendAgainstReference ? SeriesIds::kReference : SeriesIds::kOpen);
            const double price = row.state.GetDouble(SeriesIds::kPrice);
            if (base > 0 && price > 0 && price != base)
                text = (price > base ? QStringLiteral("\u25B2 ") : QStringLiteral("\u25BC ")) + text;
        }
        cell.source = text;
        if (!text.isEmpty())
        {
            cell.text = LaidOut(metrics, texts.font, text, width);
            if (texts.boldChanges)
            {
                // Placed, like the plain text, by the plain font's measure.
                cell.boldText.shown = cell.text.shown;
                cell.boldText.glyphs = ShapedBold(cell.text.shown);
                cell.boldText.width = cell.text.width;
            }
        }
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
            const int decimals = volume ? 0 : precision >= 0 ? precision : 2;
            cell.lines.push_back(LaidOut(metrics, texts.font, QString::number(value, 'f', decimals), width));
        }
        made.cells.push_back(std::move(cell));
    }
    return made;
}

int QuoteTableFrame::Format(const QuoteTableModel& model, const View& view)
{
    TextsLook texts = TextsLookOf(model, view);
    if (!m_textsLook || !(*m_textsLook == texts))
    {
        m_texts.clear();
        m_shaped.clear();
        m_shapedBold.clear();
        m_textsLook = std::move(texts);
    }
    const QFontMetrics metrics(m_textsLook->font);
    const auto rows = model.VisibleRows();
    std::unordered_set<std::uint32_t> onView;
    int formatted = 0;
    int y = view.top + view.headerHeight;
    for (std::size_t r = static_cast<std::size_t>(std::max(0, view.firstRow)); r < rows.size() && y < view.size.height(); ++r)
    {
        const QuoteTableRow& row = *rows[r];
        onView.insert(row.id);
        y += view.lineHeight * std::max(1, row.offerLines);
        const auto known = m_texts.find(row.id);
        if (known != m_texts.end() && known->second.version == row.version && known->second.comment == row.comment
            && known->second.offerLines == row.offerLines)
            continue;
        m_texts[row.id] = FormatRow(row, *m_textsLook, metrics);
        ++formatted;
    }
    std::erase_if(m_texts, [&onView](const auto& entry) { return !onView.contains(entry.first); });
    return formatted;
}

// Painting

QuoteTableFrame::TableLook QuoteTableFrame::TableLookOf(const QuoteTableModel& model, const View& view) const
{
    TableLook look;
    look.texts = *m_textsLook;
    look.size = view.size;
    look.pixelRatio = view.pixelRatio;
    look.firstRow = view.firstRow;
    look.top = view.top;
    look.headerHeight = view.headerHeight;
    look.tableWidth = view.tableWidth;
    look.lineHeight = view.lineHeight;
    look.rowCursor = view.rowCursor;
    look.rowSelected = model.SelectedInstrument() != 0;
    look.selectedField = model.SelectedField();
    look.sortField = model.SortField();
    look.sortAscending = model.SortAscending();
    look.highlight = ChangeHighlight::FromStyle(view.style);
    look.highlightMs = view.highlightMs;
    const StyleBase* style = view.style;
    look.styled = style != nullptr;
    look.rowHighlight = style ? Colour(style->GetValue(StyleTable::ParamRowHighlightColor), QColor(0xFF, 0xFF, 0xC8))
                              : QColor(0xFF, 0xFF, 0xC8);
    look.cursor = style ? Colour(style->GetValue(StyleTable::ParamCursorColor), QColor(0x33, 0x66, 0xCC)) : QColor(0x33, 0x66, 0xCC);
    if (style)
    {
        const GdiObject object = style->GetGdiObject(StyleTable::ParamGridPen);
        look.gridPen = object.Pen() ? object.Pen()->ToQPen() : std::nullopt;
        look.horizontalGrid = style->GetValue(StyleTable::ParamHorizontalGrid) != 0;
        look.verticalGrid = style->GetValue(StyleTable::ParamVerticalGrid) != 0;
    }
    look.params = model.DisplayParams();
    for (std::size_t i = 0; i < kRowColourParameters.size(); ++i)
    {
        look.rowColours[i] = model.GetTdsParams(QuoteTableModel::kOddRows, kRowColourParameters[i]);
        look.rowColours[i + kRowColourParameters.size()] = model.GetTdsParams(QuoteTableModel::kEvenRows, kRowColourParameters[i]);
    }
    look.empty = Colour(model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kBackColor), Qt::white);
    look.background = view.background;
    return look;
}

std::vector<QuoteTableFrame::RowLook> QuoteTableFrame::RowLooksOf(const QuoteTableModel& model, const View& view,
                                                                  const TableLook& look, int& bottom) const
{
    const ChangeHighlight& changes = look.highlight;
    std::vector<RowLook> looks;
    const auto rows = model.VisibleRows();
    int y = view.top + view.headerHeight;
    for (std::size_t r = static_cast<std::size_t>(std::max(0, view.firstRow)); r < rows.size() && y < view.size.height(); ++r)
    {
        const QuoteTableRow& row = *rows[r];
        const bool odd = r % 2 == 0;
        RowLook rowLook;
        rowLook.row = &row;
        rowLook.id = row.id;
        rowLook.y = y;
        rowLook.height = view.lineHeight * std::max(1, row.offerLines);
        // How strongly each changed field shows, and the row as its strongest field.
        double rowStrength = 0.0;
        for (const auto& [field, change] : row.changes)
        {
            if (changes.Counts(field))
                rowStrength = std::max(rowStrength, changes.Strength(view.nowMs - change.first, view.highlightMs));
        }
        const RowTexts& texts = m_texts.at(row.id);
        const bool rowSelected = row.id == model.SelectedInstrument();
        for (std::size_t i = 0; i < look.texts.columns.size(); ++i)
        {
            const int field = look.texts.columns[i].fieldId;
            CellLook cell;
            cell.text = texts.cells[i].source;
            cell.linesVersion = texts.cells[i].lines.empty() ? 0 : texts.version;
            cell.back = Colour(model.EffectiveParam(row, field, odd, QuoteTableModel::kBackColor), Qt::white);
            cell.fore = Colour(model.EffectiveParam(row, field, odd, QuoteTableModel::kFontColor), Qt::black);
            const auto change = row.changes.find(field);
            const double strength = change != row.changes.end() && changes.Counts(field)
                                        ? changes.Strength(view.nowMs - change->second.first, view.highlightMs)
                                        : 0.0;
            const bool changed = strength > 0.0;
            if (changed && changes.GetMode() != ChangeHighlight::Mode::None)
            {
                const bool rise = change->second.second > 0;
                cell.fore = Blend(cell.fore,
                                  Colour(model.EffectiveParam(row, field, odd, rise ? QuoteTableModel::kRiseFontColor : QuoteTableModel::kFallFontColor),
                                         Qt::black),
                                  strength);
                if (changes.GetMode() == ChangeHighlight::Mode::RiseFall)
                    cell.back = Blend(cell.back,
                                      Colour(model.EffectiveParam(row, field, odd, rise ? QuoteTableModel::kRiseBackColor : QuoteTableModel::kFallBackColor),
                                             Qt::white),
                                      strength);
            }
            if (changes.GetMode() == ChangeHighlight::Mode::Rows)
                cell.back = Blend(cell.back, look.rowHighlight, rowStrength);
            if (rowSelected && (look.rowCursor || field == look.selectedField))
            {
                cell.back = look.cursor;
                cell.fore = Qt::white;
            }
            cell.bold = changed && changes.IsBold();
            rowLook.cells.push_back(std::move(cell));
        }
        y += rowLook.height;
        looks.push_back(std::move(rowLook));
    }
    bottom = y;
    return looks;
}

void QuoteTableFrame::PaintGridLines(QPainter& painter, const TableLook& look, const RowLook& row,
                                     const std::vector<bool>& painted) const
{
    // A null pen draws no line.
    if (look.styled && !look.gridPen)
        return;
    const std::vector<Column>& columns = look.texts.columns;
    // A plain line a pixel wide is a filled pixel row, which the painter fills many times faster;
    // the line under a run of neighbouring cells is filled at once.
    const bool plain = !look.styled
                       || (look.gridPen->style() == Qt::SolidLine && look.gridPen->width() <= 1
                           && look.gridPen->brush().style() == Qt::SolidPattern);
    if (!plain)
    {
        painter.setPen(*look.gridPen);
        int x = 0;
        for (std::size_t i = 0; i < columns.size(); x += columns[i].width, ++i)
        {
            if (!painted[i])
                continue;
            const QRect cell(x, row.y, columns[i].width, row.height);
            if (look.horizontalGrid)
                painter.drawLine(cell.bottomLeft(), cell.bottomRight());
            if (look.verticalGrid)
                painter.drawLine(cell.topRight(), cell.bottomRight());
        }
        return;
    }
    const QColor colour = look.styled ? look.gridPen->color() : QColor(0xE0, 0xE0, 0xE0);
    const bool horizontal = !look.styled || look.horizontalGrid;
    const bool vertical = look.styled && look.verticalGrid;
    int x = 0;
    for (std::size_t i = 0; i < columns.size();)
    {
        if (!painted[i])
        {
            x += columns[i++].width;
            continue;
        }
        const int runStart = x;
        for (; i < columns.size() && painted[i]; ++i)
        {
            x += columns[i].width;
            if (vertical)
                painter.fillRect(QRect(x - 1, row.y, 1, row.height), colour);
        }
        if (horizontal)
            painter.fillRect(QRect(runStart, row.y + row.height - 1, x - runStart, 1), colour);
    }
}

void QuoteTableFrame::PaintHeader(QPainter& painter, const TableLook& look) const
{
    const QFontMetrics metrics(look.texts.font);
    painter.setFont(look.texts.font);
    int x = 0;
    for (const Column& column : look.texts.columns)
    {
        const QRect cell(x, look.top, column.width, look.headerHeight);
        const bool selected = column.fieldId == look.selectedField && !look.rowSelected;
        painter.fillRect(cell, selected ? QColor(0xC8, 0xDC, 0xF0) : QColor(0xE4, 0xE8, 0xEE));
        painter.setPen(QColor(0xA0, 0xA8, 0xB4));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        int width = 0;
        const QRect textRect = cell.adjusted(kCellPadding, 0, -kCellPadding, 0);
        if (!column.caption.isEmpty())
        {
            const QString shown = Fit(metrics, column.caption, textRect.width(), &width);
            DrawFitted(painter, metrics, textRect, shown, width, false);
        }
        x += column.width;
    }
}

void QuoteTableFrame::PaintCellText(QPainter& painter, const QFontMetrics& metrics, const TableLook& look, const RowLook& row,
                                    std::size_t column, int x) const
{
    const Cell& text = m_texts.at(row.id).cells[column];
    if (text.text.glyphs.isEmpty() && text.lines.empty())
        return;
    const CellLook& cellLook = row.cells[column];
    const QRect cell(x, row.y, look.texts.columns[column].width, row.height);
    // A font taller than the line would draw into the next cell; clipping costs, so only then.
    const bool clip = metrics.ascent() + metrics.descent() > look.lineHeight;
    if (clip)
        painter.setClipRect(cell);
    painter.setPen(cellLook.fore);
    const QRect textRect(cell.x() + kCellPadding, row.y, cell.width() - 2 * kCellPadding, look.lineHeight);
    DrawLaidOut(painter, metrics, textRect, cellLook.bold ? text.boldText.glyphs : text.text.glyphs,
                cellLook.bold ? text.boldText.width : text.text.width, text.numeric);
    for (std::size_t line = 0; line < text.lines.size(); ++line)
        DrawLaidOut(painter, metrics, textRect.translated(0, static_cast<int>(line + 1) * look.lineHeight), text.lines[line].glyphs,
                    text.lines[line].width, true);
    if (clip)
        painter.setClipping(false);
}

QRect QuoteTableFrame::ChangedSpan(const TableLook& look, const RowLook& row, const RowLook& before)
{
    const bool moved = row.id != before.id || row.y != before.y || row.height != before.height;
    QRect span;
    int x = 0;
    for (std::size_t i = 0; i < row.cells.size(); ++i)
    {
        const int width = look.texts.columns[i].width;
        if (moved || !(row.cells[i] == before.cells[i]))
            span |= QRect(x, row.y, width, row.height);
        x += width;
    }
    return span;
}

void QuoteTableFrame::PaintRow(QPainter& painter, const QFontMetrics& metrics, const TableLook& look, const RowLook& row,
                               const QRegion& region) const
{
    const std::vector<Column>& columns = look.texts.columns;
    std::vector<bool> painted(row.cells.size());
    int x = 0;
    for (std::size_t i = 0; i < row.cells.size(); x += columns[i].width, ++i)
        painted[i] = region.intersects(QRect(x, row.y, columns[i].width, row.height));
    // The backgrounds first, one fill for each run of neighbouring cells of one colour (a lit
    // row's cells share theirs), then the grid lines, then the texts, which stay within their cells.
    x = 0;
    for (std::size_t i = 0; i < row.cells.size();)
    {
        if (!painted[i])
        {
            x += columns[i++].width;
            continue;
        }
        const int runStart = x;
        const QColor& back = row.cells[i].back;
        for (; i < row.cells.size() && painted[i] && row.cells[i].back == back; ++i)
            x += columns[i].width;
        painter.fillRect(QRect(runStart, row.y, x - runStart, row.height), back);
    }
    PaintGridLines(painter, look, row, painted);
    x = 0;
    for (std::size_t i = 0; i < row.cells.size(); x += columns[i].width, ++i)
    {
        if (painted[i])
            PaintCellText(painter, metrics, look, row, i, x);
    }
}

QRegion QuoteTableFrame::Update(const QuoteTableModel& model, const View& view)
{
    Format(model, view);
    TableLook look = TableLookOf(model, view);
    std::vector<RowLook> rows = RowLooksOf(model, view, look, look.bottom);
    // A pen wider than a pixel draws across the cells' borders: such a table is repainted whole.
    const bool wholeOnly = look.gridPen && look.gridPen->width() > 1;
    QRegion changed;
    if (!m_look || !(*m_look == look) || rows.size() != m_rows.size() || wholeOnly)
    {
        changed = QRect(QPoint(0, 0), view.size);
    }
    else
    {
        // A span of each row: joining every cell's rectangle to a region one by one costs more
        // than painting again the few unchanged cells between them.
        std::vector<QRect> spans;
        for (std::size_t r = 0; r < rows.size(); ++r)
        {
            const QRect span = ChangedSpan(look, rows[r], m_rows[r]);
            if (!span.isEmpty())
                spans.push_back(span);
        }
        changed.setRects(spans.data(), static_cast<int>(spans.size()));
    }
    m_look = std::move(look);
    m_rows = std::move(rows);
    return changed;
}

void QuoteTableFrame::Paint(QPainter& painter, const QRegion& region) const
{
    if (!m_look)
        return;
    const TableLook& look = *m_look;
    const int width = look.size.width();
    const int height = look.size.height();
    // Under the search field and the scroll bar, the window's own background.
    for (const QRect& aside : {QRect(0, 0, width, look.top), QRect(look.tableWidth, 0, width - look.tableWidth, height)})
    {
        if (!aside.isEmpty() && region.intersects(aside))
            painter.fillRect(aside, look.background);
    }
    if (region.intersects(QRect(0, look.top, look.tableWidth, look.headerHeight)))
        PaintHeader(painter, look);
    const QFontMetrics metrics(look.texts.font);
    for (const RowLook& row : m_rows)
    {
        if (region.intersects(QRect(0, row.y, look.tableWidth, row.height)))
            PaintRow(painter, metrics, look, row, region);
    }
    // What the rows and columns leave empty.
    const QRect below(0, look.bottom, look.tableWidth, height - look.bottom);
    if (!below.isEmpty() && region.intersects(below))
        painter.fillRect(below, look.empty);
    int columnsEnd = 0;
    for (const Column& column : look.texts.columns)
        columnsEnd += column.width;
    const QRect right(columnsEnd, look.top, look.tableWidth - columnsEnd, height - look.top);
    if (!right.isEmpty() && region.intersects(right))
        painter.fillRect(right, look.background);
}
