#pragma once
// The text style of one sheet cell, layered parameter by parameter from the styles that can
// apply to it: the current-value row's style, the style the user gave the row, the column's
// style, and the sheet style's even or odd row style. Plain even and odd cells (no row or
// column style) are served from a cache, filled on first use in each painting pass.
//
// One per table handler, on the main thread; the settings outlive it.

#include <QString>

#include <memory>

class OrdersSheetSettings;
class StyleBase;
class StyleTextField;

class OSCellStyleResolver
{
public:
    explicit OSCellStyleResolver(const OrdersSheetSettings& settings);

    // Before a painting pass: the base cell style is taken again and the cache emptied. With an
    // edit source (the application edits a style) the even and odd row styles come from its
    // related styles and the columns' own changes do not apply.
    void Reset(std::shared_ptr<const StyleBase> editSource = nullptr);
    // row -1 is the current-value row. secondIndex decides the parity in colour mode 0; reduced
    // resolves only the alignment and the font. The result stays valid until the next call.
    const StyleTextField& SetUp(int row, int secondIndex, int columnPos, const QString& rowKey, bool reduced);
    // Some parameter of the last cell came from a row or column style.
    bool IsStyled() const { return m_styled; }

private:
    enum class Parity
    {
        None,
        Even,
        Odd,
    };

    Parity GetParity() const;
    bool QuickPath();
    void Resolve(int parameter);

    const OrdersSheetSettings& m_settings;
    std::shared_ptr<StyleTextField> m_working;
    std::shared_ptr<StyleTextField> m_baseCell;
    std::shared_ptr<StyleTextField> m_cachedEven;
    std::shared_ptr<StyleTextField> m_cachedOdd;
    bool m_evenCached = false;
    bool m_oddCached = false;
    std::shared_ptr<const StyleBase> m_editSource;

    // The cell being set up.
    int m_row = 0;
    int m_secondIndex = 0;
    int m_colorMode = 0;
    bool m_styled = false;
    std::shared_ptr<StyleBase> m_sheetStyle;
    std::shared_ptr<StyleBase> m_columnStyle;
    int m_columnStyleId = 0;
    std::shared_ptr<StyleBase> m_rowStyle;
    int m_rowStyleId = 0;
    bool m_hasRowEntry = false;
};
