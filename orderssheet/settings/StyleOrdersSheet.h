#pragma once
// The display style of an orders-sheet window: grid lines and pen, the cursor frame, the
// highlight of changed cells, how rows are striped, the colours of the summary pane and chart,
// and the text-field styles of odd, even and current-value rows (relations 0, 1 and 2).
//
// A window may keep its own choice on top of a shared named style: the overrides ("...Cap")
// win over the stored parameters when set, and survive when the named style changes. The
// transient cursor colour is an override that is never written.
//
// The kind is registered by the orders-sheet module (RegisterKind) before the styles load.
// Main thread only.

#include "styles/engine/StyleBase.h"

#include "platform/base/LogPen.h"

#include <array>
#include <optional>

class StyleOrdersSheet : public StyleBase
{
public:
    static constexpr StyleType Type = StyleTypes::OrdersSheet;
    inline static const QString TypeName = QStringLiteral("StyleOrdersSheet");

    enum EColorizeMode : qint32
    {
        ByRows = 1,
        ByColumns = 2,
    };

    enum Relation : int
    {
        RelationOddRow = 0,
        RelationEvenRow = 1,
        RelationCurrValueRow = 2,
    };

    enum Parameter : int
    {
        ParamHGridVisible = 3,
        ParamVGridVisible = 4,
        ParamGridPen = 5,
        ParamCursorColor = 6,
        ParamColorMode = 7,
        ParamChartBuyRealValColor = 8,
        ParamChartSellRealValColor = 9,
        ParamChartBuyTotalValColor = 10,
        ParamChartSellTotalValColor = 11,
        ParamChartSummPanelBkgColor = 12,
        ParamChartSummWindowBkgColor = 13,
        ParamChartSummWindowFrameColor = 14,
        ParamChartSummWindowTextColor = 15,
        ParamChartSummWindowRealSellValColor = 16,
        ParamChartSummWindowRealBuyValColor = 17,
        ParamChartSummChartBkgColor = 18,
        ParamChartSummChartGridColor = 19,
        ParamChartSummIndexSellColor = 20,
        ParamChartSummIndexBuyColor = 21,
        ParamChartSummIndexBkgColor = 22,
        ParamHighLight = 23,
        ParamHighLightColor = 24,
        ParamGridPenColor = 26,
        ParamGridPenStyle = 27,
        ParamGridPenWidth = 28,
        // Only for ClearColourValue: the override pen.
        ParamGridPenOverride = 29,
    };

    // The text-field parameter id that stands for the font (GDI object 0) in row-parameter copies.
    static constexpr int kFontParameterId = 11;
    // SetColourValue(ParamCursorColor, kNoColour) clears the transient cursor colour.
    static constexpr qint32 kNoColour = 0x7FFFFFFF;

    StyleOrdersSheet();

    // Registers the kind with the style registry and its light and dark default styles, whose
    // windows belong to the module of the given name; harmless when already registered.
    static void RegisterKind(const QString& moduleName);
    static std::shared_ptr<StyleOrdersSheet> CreateInstance();

    // Ids 0, 1, 2; any other id raises InvalidArgException.
    using StyleBase::SetRelatedStyle;
    void SetRelatedStyle(int relationId, const std::shared_ptr<StyleBase>& style) override;

    qint32 GetValue(int id) const override;
    void SetValue(int id, qint32 value) override;
    GdiObject GetGdiObject(int id) const override;
    void SetGdiObject(int id, const GdiObject& object) override;
    void Serialize(Settings& node) const override;
    void Unserialize(const Settings& node) override;
    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source) override;
    // A parameter that differs keeps this style's effective value as an override and then
    // stores the source's value.
    void UpdateChangedParameter(const StyleBase& source, int id) override;
    void UpdateChangedParameters(const StyleBase& source) override;
    QSize PreviewSize() const override { return QSize(185, 100); }
    QSize PreviewSourceSize() const override { return QSize(220, 150); }
    void PaintPreview(QPainter& painter) const override;

    // Sets an override (see the header comment); ids without one are ignored.
    virtual void SetColourValue(int id, qint32 value);
    // Clears an override; 26..28 take that component of the override pen back from the own pen.
    void ClearColourValue(int id);

    // A text-field parameter from one style into another: kFontParameterId copies the font,
    // any other id the value of that id.
    static void CopyTextFieldParameter(const StyleBase& source, StyleBase& target, int parameterId);
    // The target's row style of rowIndex (0..2) takes the parameter of the source's row style
    // and marks it changed. Nothing for another row index or a source of another kind.
    static void CopyRowStyleParameter(int parameterId, int rowIndex, StyleOrdersSheet& target, const StyleBase& source);

    // The pen the grid is drawn with: the override pen when set, else the own pen.
    const LogPen& EffectivePen() const { return m_penCap ? *m_penCap : m_pen; }
    // The stored colour mode, without its override (the preview stripes by it).
    qint32 StoredColorMode() const { return m_colorMode; }

private:
    static constexpr int kFirstChartColour = ParamChartBuyRealValColor;
    static constexpr int kChartColourCount = ParamChartSummIndexBkgColor - ParamChartBuyRealValColor + 1;

    static qint32 PenComponent(const LogPen& pen, int id);
    static void SetPenComponent(LogPen& pen, int id, qint32 value);

    LogPen m_pen;
    qint32 m_hGridVisible = 1;
    qint32 m_vGridVisible = 1;
    qint32 m_cursorColor;
    qint32 m_colorMode = ByRows;
    qint32 m_highLight = 1;
    qint32 m_highLightColor;
    std::array<qint32, kChartColourCount> m_chartColours{};

    std::optional<qint32> m_transientCursorColor;
    std::optional<qint32> m_cursorColorCap;
    std::optional<bool> m_hGridVisibleCap;
    std::optional<bool> m_vGridVisibleCap;
    std::optional<LogPen> m_penCap;
    std::optional<bool> m_highLightCap;
    std::optional<qint32> m_highLightColorCap;
    std::optional<qint32> m_colorModeCap;
};
