#pragma once
// What a quote table's window shows, as looks of its cells kept from the last frame with the
// texts of the rows on view. A frame formats only the rows on view whose data changed and finds
// the cells whose look changed (their text, colours, selection or highlight): only they are
// repainted, the window system keeps the rest of the window's picture; what changes the whole
// table (size, scrolling, columns, font, style, display parameters) repaints it whole. A cell's
// text is cut at the cell's edges when the font is taller than the line, so that cells are
// painted one by one. Main thread only.

#include "modulelibs/table/ChangeHighlight.h"
#include "modulelibs/table/QuoteTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPen>
#include <QRegion>
#include <QSize>

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class QFontMetrics;
class QPainter;
class StyleBase;

class QuoteTableFrame
{
public:
    // What the window gives a frame besides its table.
    struct View
    {
        QSize size;
        qreal pixelRatio = 1.0;
        int firstRow = 0;
        // Where the header starts: below the search field while it shows.
        int top = 0;
        int headerHeight = 0;
        // Without the scroll bar.
        int tableWidth = 0;
        int lineHeight = 0;
        bool rowCursor = false;
        QFont font;
        const StyleBase* style = nullptr;
        int highlightMs = 0;
        std::int64_t nowMs = 0;
        // The window's own, right of the columns.
        QBrush background;
    };

    // Formats the cells of the rows on view whose data changed since they were formatted last,
    // and forgets the rows that left the view; gives how many rows it formatted.
    int Format(const QuoteTableModel& model, const View& view);
    // Formats what is left and takes the looks of the cells on view; gives where they differ
    // from the looks before, the whole view the first time.
    QRegion Update(const QuoteTableModel& model, const View& view);
    // Paints the cells, header and margins that meet the region, as the last update left them.
    void Paint(QPainter& painter, const QRegion& region) const;

private:
    struct Column
    {
        int fieldId = 0;
        int width = 0;
        // The next visible column is shown within this one.
        bool merged = false;
        int nextFieldId = 0;
        QString caption;
        bool operator==(const Column&) const = default;
    };
    // A text as it is drawn: cut to its cell, and its width.
    struct CellText
    {
        QString shown;
        QList<QGlyphRun> glyphs;
        int width = 0;
    };
    struct Cell
    {
        // The text as formatted, before it is cut to the cell.
        QString source;
        CellText text;
        // The same in bold, for a changed value when the style wants it so.
        CellText boldText;
        bool numeric = false;
        // The deeper offer levels, one a line below the first.
        std::vector<CellText> lines;
    };
    struct RowTexts
    {
        std::uint64_t version = 0;
        QString comment;
        int offerLines = 0;
        std::vector<Cell> cells;
    };
    // Everything the texts of every row depend on.
    struct TextsLook
    {
        std::vector<Column> columns;
        int pricePrecision = 0;
        bool offerLineIcons = false;
        bool trendAgainstReference = false;
        QFont font;
        bool boldChanges = false;
        bool operator==(const TextsLook&) const = default;
    };
    // Everything that paints the whole table when it changes.
    struct TableLook
    {
        TextsLook texts;
        QSize size;
        qreal pixelRatio = 1.0;
        int firstRow = 0;
        int top = 0;
        int headerHeight = 0;
        int tableWidth = 0;
        int lineHeight = 0;
        int bottom = 0;
        bool rowCursor = false;
        bool rowSelected = false;
        int selectedField = 0;
        int sortField = 0;
        bool sortAscending = true;
        ChangeHighlight highlight;
        int highlightMs = 0;
        QColor rowHighlight;
        QColor cursor;
        bool styled = false;
        std::optional<QPen> gridPen;
        bool horizontalGrid = false;
        bool verticalGrid = false;
        QuoteTableModel::ParamMap params;
        // The rows' colours where the table has none of its own: odd and even rows, each colour parameter.
        std::array<int, 12> rowColours{};
        QColor empty;
        QBrush background;
        bool operator==(const TableLook&) const = default;
    };
    // How one cell shows: its text (and offer lines), its colours and whether it is bold.
    struct CellLook
    {
        QString text;
        std::uint64_t linesVersion = 0;
        QColor back;
        QColor fore;
        bool bold = false;
        bool operator==(const CellLook&) const = default;
    };
    // One row on view: where it is and how each of its cells shows.
    struct RowLook
    {
        const QuoteTableRow* row = nullptr;
        std::uint32_t id = 0;
        int y = 0;
        int height = 0;
        std::vector<CellLook> cells;
    };

    static TextsLook TextsLookOf(const QuoteTableModel& model, const View& view);
    TableLook TableLookOf(const QuoteTableModel& model, const View& view) const;
    // The rows on view, top to bottom; bottom is where the last one ends.
    std::vector<RowLook> RowLooksOf(const QuoteTableModel& model, const View& view, const TableLook& look, int& bottom) const;
    // The text in the bold texts' font, shaped once.
    QList<QGlyphRun> ShapedBold(const QString& text);
    CellText LaidOut(const QFontMetrics& metrics, const QFont& font, const QString& text, int width);
    RowTexts FormatRow(const QuoteTableRow& row, const TextsLook& texts, const QFontMetrics& metrics);
    void PaintHeader(QPainter& painter, const TableLook& look) const;
    // The cells of the row whose look differs from before, from the first to the last.
    static QRect ChangedSpan(const TableLook& look, const RowLook& row, const RowLook& before);
    // Paints the row's cells that meet the region.
    void PaintRow(QPainter& painter, const QFontMetrics& metrics, const TableLook& look, const RowLook& row,
                  const QRegion& region) const;
    void PaintCellText(QPainter& painter, const QFontMetrics& metrics, const TableLook& look, const RowLook& row,
                       std::size_t column, int x) const;
    // The lines of the row's cells painted.
    void PaintGridLines(QPainter& painter, const TableLook& look, const RowLook& row, const std::vector<bool>& painted) const;

    std::optional<TableLook> m_look;
    std::vector<RowLook> m_rows;
    std::optional<TextsLook> m_textsLook;
    std::unordered_map<std::uint32_t, RowTexts> m_texts;
    // Texts shaped in the texts' font, with their widths; forgotten when it fills up.
    static constexpr qsizetype kShapedLimit = 8192;
    QHash<QString, std::pair<QList<QGlyphRun>, int>> m_shaped;
    QHash<QString, QList<QGlyphRun>> m_shapedBold;
};
