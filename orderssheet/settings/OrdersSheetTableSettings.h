#pragma once
// The column layout of a sheet's tables in both modes (1 orders: 10 column kinds, 2 offers
// lines: 8): order, widths, visibility, the text style of each column and the decimals of
// each kind's numbers, with the row styles of the sheet. Both layouts are kept, so switching
// the mode keeps the other one. Part of the sheet window's settings. Main thread only.
//
// Display rule: the offers table shows its columns in vector order; the orders table never
// shows the kind "Cena arkusza" (2), so its 9 display positions skip that column.

#include "orderssheet/settings/OrdersSheetRowsStyleSet.h"
#include "platform/modules/DSProp.h"

#include <QString>

#include <memory>
#include <vector>

class Q5Settings;
class Settings;
class StyleBase;

class OrdersSheetTableSettings
{
public:
    static constexpr int kOrdersMode = 1;
    static constexpr int kOffersMode = 2;
    static constexpr int kOrdersColumnCount = 10;
    static constexpr int kOffersColumnCount = 8;
    static constexpr int kHiddenOrdersKind = 2;

    struct ColumnProperties
    {
        ColumnProperties() = default;
        ColumnProperties(int kind, int width) : kind(kind), width(width) {}

        bool ownStyle = false;
        int kind = 0;
        int width = 0;
        bool visible = true;
        int styleId = 0;
        int editSourceId = 0;
        std::shared_ptr<StyleBase> style;        // the column's own style
        std::shared_ptr<StyleBase> editedStyle;  // the working copy while the own style is made
        std::shared_ptr<StyleBase> namedStyle;   // the container's style of styleId
        bool ownStyleBeforeEdit = false;         // what leaving the edit gives back
    };

    // Minimal precision, precision; each read within 0..6 (anything else as 0).
    struct ColumnPrecision
    {
        EPrecision minPrecision = 0;
        EPrecision precision = 0;

        EPrecision Min() const { return Bounded(minPrecision); }
        EPrecision Value() const { return Bounded(precision); }
        static EPrecision Bounded(EPrecision value) { return value >= 0 && value <= 6 ? value : 0; }
    };

    OrdersSheetTableSettings();

    static QString GetColumnCaption(int mode, int kind);
    // 9 in the orders mode, 8 in the offers mode.
    static int GetDisplayCount(int mode);

    // Raises InvalidArgException for a position outside the mode's display positions.
    ColumnProperties& GetColumnForDisplayPos(int mode, int pos);
    const ColumnProperties& GetColumnForDisplayPos(int mode, int pos) const;
    // Raises QuorvantaException "Invalid object state!" when the mode has no such kind.
    ColumnProperties& GetColumnPropertiesForPos(int mode, int kind);
    // The vector index of the kind; -1 when none.
    int GetColumnPosition(int mode, int kind) const;
    // The vector index shown at the display position (no bounds check).
    int MapDisplayPos(int mode, int pos) const;
    // Moves the column shown at display position source of the current mode to target; false
    // (nothing moves) when a mapped position is outside the columns.
    bool MoveColumn(int source, int target);
    // Raises InvalidArgException for a kind outside the mode's kinds.
    const ColumnPrecision& GetColumnPrecision(int mode, int kind) const;
    void ApplySeriesPrecisions(const std::vector<DSProp>& seriesList);

    void ApplyDefaults();
    int GetMode() const { return m_mode; }
    void SetMode(int mode) { m_mode = mode; }
    int GetTextMargin() const { return m_textMargin; }
    std::vector<ColumnProperties>& Columns(int mode) { return mode == kOrdersMode ? m_orders : m_offers; }
    const std::vector<ColumnProperties>& Columns(int mode) const { return mode == kOrdersMode ? m_orders : m_offers; }
    OrdersSheetRowsStyleSet& GetRowsStyleSet() { return m_rowsStyles; }
    const OrdersSheetRowsStyleSet& GetRowsStyleSet() const { return m_rowsStyles; }

    // The style that paints the column; empty means the sheet's style.
    static std::shared_ptr<StyleBase> GetColumnStyle(const ColumnProperties& column);
    // The id of the named style the column shows: the one tried while an edit runs.
    static int GetColumnStyleId(const ColumnProperties& column)
    {
        return column.editedStyle ? column.editSourceId : column.styleId;
    }
    static void SelectColumnStyle(ColumnProperties& column, int styleId);
    static void SetColumnOwnStyle(ColumnProperties& column, const std::shared_ptr<StyleBase>& style);
    static void SetColumnStyle(ColumnProperties& column, int styleId, bool keepOwn);
    static void ApplyEditedColumnStyle(ColumnProperties& column);
    // From the named style of the column's id; nothing when there is none.
    static void CopyColumnStyleParameter(ColumnProperties& column, int parameterId);
    void CopyAllColumnStyleParameters();

    void Serialize(Settings& node) const;
    // A missing key keeps what the column holds; a mode whose stored kinds are no arrangement
    // of its kinds gets its default layout back (logged).
    void Unserialize(const Settings& node);
    void SaveToQ5Format(Q5Settings& node) const;

private:
    std::vector<ColumnPrecision>& Precisions(int mode) { return mode == kOrdersMode ? m_ordersPrecisions : m_offersPrecisions; }
    void UnserializeColumns(const Settings& node, int mode);

    std::vector<ColumnProperties> m_orders;
    std::vector<ColumnProperties> m_offers;
    std::vector<ColumnPrecision> m_ordersPrecisions;
    std::vector<ColumnPrecision> m_offersPrecisions;
    int m_textMargin = 0;
    int m_mode = kOrdersMode;
    OrdersSheetRowsStyleSet m_rowsStyles;
};
