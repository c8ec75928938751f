#pragma once
// The display style of the session-statistics window: the four text styles of the grids
// (rises, falls, turnover, transactions), the highlighting of rows whose instrument just came
// into a top ten, the grid lines, and the look of the overall bar below the grids. The styles
// container keeps, loads, saves and edits it like every other style; the grid handlers read its
// lines through IGridLineManager and the bar its look through IOverallWindowStyle.
// Main thread only.

#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/IOverallWindowStyle.h"
#include "styles/engine/StyleBase.h"

#include <memory>

class StyleSessionStatistics : public StyleBase, public IGridLineManager
{
public:
    static constexpr StyleType Type = StyleTypes::SessionStatistics;
    inline static const QString TypeName = QStringLiteral("StyleSessionStatistics");

    enum Parameter : int
    {
        ParamIncreasedText = 0,  // related text styles 0 to 3, by statistic kind
        ParamDecreasedText = 1,
        ParamTurnoverText = 2,
        ParamTransactionsText = 3,
        ParamHighlightType = 4,
        ParamHighlightColor = 5,
        ParamGridPen = 6,  // GDI object
        ParamHorzGridVisible = 7,
        ParamVertGridVisible = 8,
        ParamOverallFont = 9,  // GDI object
        ParamOverallFontColor = 10,
        ParamOverallIncreaseColor = 11,
        ParamOverallNoChangeColor = 12,
        ParamOverallDecreaseColor = 13,
        ParamOverallBkColor = 14,
        ParamOverallFontCommand = 15,  // no value: the font command of the bar
        ParamGridLineStyle = 16,
        ParamGridLineColor = 17,
        ParamGridLineWidth = 18,
    };
    // Bits of the highlight type: 0 no highlight at all.
    static constexpr qint32 kHighlightBold = 1;
    static constexpr qint32 kHighlightFade = 2;
    static constexpr qint32 kHighlightGradient = 4;

    // The look of the overall bar.
    class OveralWindowStyle : public IOverallWindowStyle
    {
    public:
        OveralWindowStyle();
        LogFont GetFont() const override { return m_font; }
        int GetBarHeight() const override { return m_barHeight; }
        quint32 GetFontColor() const override { return m_fontColor; }
        quint32 GetIncreaseColor() const override { return m_increaseColor; }
        quint32 GetDecreaseColor() const override { return m_decreaseColor; }
        quint32 GetNoChangeColor() const override { return m_noChangeColor; }
        quint32 GetBkColor() const override { return m_bkColor; }

        // The bar height follows the font: |height| * 3 / 2.
        void SetFont(const LogFont& font);

    private:
        friend class StyleSessionStatistics;
        LogFont m_font;
        int m_barHeight = 0;
        quint32 m_fontColor = 0x000000;
        quint32 m_increaseColor = 0x00C800;
        quint32 m_noChangeColor = 0xC80000;
        quint32 m_decreaseColor = 0x0000C8;
        quint32 m_bkColor = 0xFFFFFF;
    };

    StyleSessionStatistics();

    // Registers the kind with the style registry once; later calls do nothing.
    static void RegisterKind();
    static std::shared_ptr<StyleSessionStatistics> CreateInstance();

    // Relations 0 to 3 only.
    using StyleBase::SetRelatedStyle;
    void SetRelatedStyle(int relationId, const std::shared_ptr<StyleBase>& style) override;
    std::shared_ptr<StyleBase> GetRelatedStyle(int relationId) const override;

    qint32 GetValue(int id) const override;
    void SetValue(int id, qint32 value) override;
    GdiObject GetGdiObject(int id) const override;
    void SetGdiObject(int id, const GdiObject& object) override;
    void Serialize(Settings& node) const override;
    void Unserialize(const Settings& node) override;
    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source) override;
    void UpdateChangedParameter(const StyleBase& source, int id) override;
    void UpdateChangedParameters(const StyleBase& source) override;
    QSize PreviewSize() const override { return QSize(150, 100); }
    QSize PreviewSourceSize() const override;
    void PaintPreview(QPainter& painter) const override;

    // IGridLineManager
    LogPen GetGridLinePen() const override { return m_gridPen; }
    int GetGridLineWidth() const override { return m_gridPen.lopnWidth.x; }
    bool IsVertGridLineVisible() const override { return m_vertGridVisible != 0; }
    bool IsHorzGridLineVisible() const override { return m_horzGridVisible != 0; }

    const IOverallWindowStyle& OverallStyle() const { return m_overall; }

private:
    qint32 m_highlightType = kHighlightBold;
    qint32 m_highlightColor = 0x00C800;
    LogPen m_gridPen;
    qint32 m_horzGridVisible = 0;
    qint32 m_vertGridVisible = 1;
    OveralWindowStyle m_overall;
};
