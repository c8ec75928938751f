#pragma once
// The settings of one orders-sheet window (and of the module's template): which panes and
// elements show, the "real" summary border, the colour mode, the window's own display style
// with the named style it descends from, and the column layout. Written into the window state
// under "General" (the style at the state's root) and into the next-generation export.
//
// Row styles are kept per sheet mode: the orders mode's rows under action 0, the offers
// lines' under action 1. Main thread only.

#include "orderssheet/settings/OrdersSheetTableSettings.h"
#include "orderssheet/settings/StyleOrdersSheet.h"

#include <memory>
#include <vector>

class Q5Settings;
class Settings;

class OrdersSheetSettings
{
public:
    static constexpr int kRestoreBackupStyleId = -3;
    static constexpr int kColorModeByRows = 1;
    static constexpr int kColorModeFromStyle = 2;

    OrdersSheetSettings();
    // A window takes the template's settings as its own: the own style, its backup and the row
    // styles are copied, not shared, so a change in one window leaves the others as they are.
    OrdersSheetSettings(const OrdersSheetSettings& other);
    OrdersSheetSettings& operator=(const OrdersSheetSettings& other);

    void ApplyDefaults();
    void ApplySeriesPrecisions(const std::vector<DSProp>& seriesList);

    void SerializeState(Settings& node, bool embedStyles) const;
    void SaveToQ5Format(Q5Settings& node) const;
    // A template's "BorderVal" above 1 is a percentage (the shipped template holds 25); a
    // value up to 1 is a fraction, as a window file saved as the template holds it.
    void LoadFromTemplate(const Settings& node);
    void UnserializeState(const Settings& node);

    // The shown style, else the own style, else the module's window style, else a new default
    // style; never empty.
    std::shared_ptr<StyleOrdersSheet> GetStyle() const;
    // While the application's style edit mode previews a style in the window, the window draws
    // with it in place of its own, which stays as it was; null ends it.
    void SetShownStyle(std::shared_ptr<StyleOrdersSheet> style) { m_shownStyle = std::move(style); }
    const std::shared_ptr<StyleOrdersSheet>& GetShownStyle() const { return m_shownStyle; }
    // The named style of the origin id, else the module's window style.
    std::shared_ptr<StyleOrdersSheet> GetOriginStyle() const;
    const std::shared_ptr<StyleOrdersSheet>& GetOwnStyle() const { return m_ownStyle; }
    void SetStyleEditState(int styleId, bool editing);
    void EndStyleEdit();
    bool IsStyleEditing() const { return m_styleEditing; }
    int GetOriginStyleId() const { return m_originStyleId; }

    std::shared_ptr<StyleBase> GetColumnStyleAt(int pos) const;
    std::shared_ptr<StyleBase> GetColumnOwnStyleAt(int pos) const;
    // The colour mode that decides: the settings' own, or the style's when that is 2.
    int GetEffectiveColorMode() const;
    std::shared_ptr<StyleBase> GetCellTextStyle(int pos, const QString& rowKey, int rowIndex, int columnIndex) const;
    std::shared_ptr<StyleBase> GetRowTextStyle(bool byAction, const QString& rowKey, int pos, int rowIndex) const;
    // The row-style action of a sheet mode.
    static int RowStyleAction(int mode) { return mode == OrdersSheetTableSettings::kOrdersMode ? 0 : 1; }

    // One step of 6, 8, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72; the result stays
    // within 6..72. Marks the font parameters changed.
    static void StepFontSize(StyleBase& style, bool grow);
    // Row kinds 0, 1 and 4 (odd, even, current-value row) take the parameter back from the origin style.
    void RestoreStyleParameter(int kind, int parameterId);

    OrdersSheetTableSettings& GetTableSettings() { return m_table; }
    const OrdersSheetTableSettings& GetTableSettings() const { return m_table; }

    bool chartVisible = true;
    bool summaryVisible = true;
    bool ordersPaneVisible = true;
    bool rowCurrValueVisible = true;
    bool vScrollVisible = true;
    bool cursorVisible = true;
    bool columnsLocked = false;
    double borderValue = 0.25;
    int borderKind = 1;
    quint32 firstChartColour = 0;
    quint32 secondChartColour = 0;
    int colorMode = kColorModeFromStyle;

private:
    void Unserialize(const Settings& node, bool fromTemplate);
    void UnserializeStyle(const Settings& node);
    static std::shared_ptr<StyleOrdersSheet> ModuleStyle();
    static std::shared_ptr<StyleOrdersSheet> FindNamedStyle(int styleId);

    int m_originStyleId = 0;
    int m_chosenStyleId = 0;
    std::shared_ptr<StyleOrdersSheet> m_styleBackup;
    std::shared_ptr<StyleOrdersSheet> m_ownStyle;
    std::shared_ptr<StyleOrdersSheet> m_shownStyle;
    bool m_styleEditing = false;
    OrdersSheetTableSettings m_table;
};
