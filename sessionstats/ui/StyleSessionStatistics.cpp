#include "sessionstats/ui/StyleSessionStatistics.h"

#include "platform/base/BinaryStringSerializer.h"
#include "platform/settings/Settings.h"
#include "sessionstats/ui/OverallWindowItemBase.h"
#include "sessionstats/ui/OverallWindowPainter.h"
#include "sessionstats/ui/TopPanePreviewPainter.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTextField.h"

#include <QPainter>

#include <cstdlib>

namespace
{
constexpr int kTextStyles = 4;
const QString kTextKeys[kTextStyles] = {QStringLiteral("IncreasedGridText"), QStringLiteral("DecreasedGridText"),
                                        QStringLiteral("TurnoverGridText"), QStringLiteral("TransactionsGridText")};
const QString kOwnStylesKey = QStringLiteral("OwnStyles");
const QString kOverallKey = QStringLiteral("OverallWindow");

struct ChangedMark
{
    int id;
    const char* key;
};
// In the order they are written.
const ChangedMark kChangedMarks[] = {
    {StyleSessionStatistics::ParamHorzGridVisible, "Parameter_EHorizontalGridVisibility"},
    {StyleSessionStatistics::ParamVertGridVisible, "Parameter_EVerticalGridVisibility"},
    {StyleSessionStatistics::ParamGridLineStyle, "Parameter_EGridLineStyle"},
    {StyleSessionStatistics::ParamGridLineColor, "Parameter_EGridLineColor"},
    {StyleSessionStatistics::ParamGridLineWidth, "Parameter_EGridLineWidth"},
    {StyleSessionStatistics::ParamHighlightType, "Parameter_EHighLightType"},
    {StyleSessionStatistics::ParamHighlightColor, "Parameter_EHighlightColor"},
    {StyleSessionStatistics::ParamOverallFontColor, "Parameter_EOverallWindowTitleFontColor"},
    {StyleSessionStatistics::ParamOverallIncreaseColor, "Parameter_EOverallWindowIncreasedBarColor"},
    {StyleSessionStatistics::ParamOverallNoChangeColor, "Parameter_EOverallWindowNoChangeBarColor"},
    {StyleSessionStatistics::ParamOverallDecreaseColor, "Parameter_EOverallWindowDecreasedBarColor"},
    {StyleSessionStatistics::ParamOverallBkColor, "Parameter_EOverallWindowBkColor"},
};

bool IsValueParameter(int id)
{
    return id == StyleSessionStatistics::ParamHighlightType || id == StyleSessionStatistics::ParamHighlightColor
           || id == StyleSessionStatistics::ParamHorzGridVisible || id == StyleSessionStatistics::ParamVertGridVisible
           || (id >= StyleSessionStatistics::ParamOverallFontColor && id <= StyleSessionStatistics::ParamOverallBkColor)
           || (id >= StyleSessionStatistics::ParamGridLineStyle && id <= StyleSessionStatistics::ParamGridLineWidth);
}

// The bar of the preview: three items with sample figures.
struct BottomPanePreview
{
    BottomPanePreview()
    {
        amounts.SetValues(182, 121, 67, 370);
        turnover.SetValues(912345678, 523456789, 98765432, 1534567899);
        transactions.SetValues(41250, 28730, 6120, 76100);
    }
    OverallWindowPainter painter;
    AssetsAmountOverallWindowItem amounts;
    TurnOverOverallWindowItem turnover;
    TransactionsCountOverallWindowItem transactions;
};

BottomPanePreview& BottomPreview()
{
    static BottomPanePreview preview;
    return preview;
}

int BottomPaneHeight(const OverallWindowPainter& painter, int barHeight)
{
    return 2 * (painter.margin + barHeight) + painter.barStripHeight;
}
}

StyleSessionStatistics::OveralWindowStyle::OveralWindowStyle()
{
    SetFont(StyleDefaults::Font(-11));
}

void StyleSessionStatistics::OveralWindowStyle::SetFont(const LogFont& font)
{
    m_font = font;
    m_barHeight = std::abs(font.lfHeight) * 3 / 2;
}

StyleSessionStatistics::StyleSessionStatistics()
{
    m_gridPen = StyleDefaults::Pen(LogPen::kStyleSolid, 1, 0x5822FF);
    for (int relation = 0; relation < kTextStyles; ++relation)
        AddRelation(relation, StyleTextField::CreateInstance());
}

void StyleSessionStatistics::RegisterKind()
{
    if (StyleKinds::TypeName(Type).isEmpty())
        StyleKinds::Register(Type, TypeName, [] { return CreateInstance(); });
}

std::shared_ptr<StyleSessionStatistics> StyleSessionStatistics::CreateInstance()
{
    return std::make_shared<StyleSessionStatistics>();
}

void StyleSessionStatistics::SetRelatedStyle(int relationId, const std::shared_ptr<StyleBase>& style)
{
    if (relationId >= 0 && relationId < kTextStyles)
        StyleBase::SetRelatedStyle(relationId, style);
}

std::shared_ptr<StyleBase> StyleSessionStatistics::GetRelatedStyle(int relationId) const
{
    return relationId >= 0 && relationId < kTextStyles ? StyleBase::GetRelatedStyle(relationId) : nullptr;
}

qint32 StyleSessionStatistics::GetValue(int id) const
{
    switch (id)
    {
    case ParamHighlightType: return m_highlightType;
    case ParamHighlightColor: return m_highlightColor;
    case ParamHorzGridVisible: return m_horzGridVisible;
    case ParamVertGridVisible: return m_vertGridVisible;
    case ParamOverallFontColor: return qint32(m_overall.m_fontColor);
    case ParamOverallIncreaseColor: return qint32(m_overall.m_increaseColor);
    case ParamOverallNoChangeColor: return qint32(m_overall.m_noChangeColor);
    case ParamOverallDecreaseColor: return qint32(m_overall.m_decreaseColor);
    case ParamOverallBkColor: return qint32(m_overall.m_bkColor);
    case ParamGridLineStyle: return qint32(m_gridPen.lopnStyle);
    case ParamGridLineColor: return qint32(m_gridPen.lopnColor.Value());
    case ParamGridLineWidth: return m_gridPen.lopnWidth.x;
    default: return 0;
    }
}

void StyleSessionStatistics::SetValue(int id, qint32 value)
{
    switch (id)
    {
    case ParamHighlightType: m_highlightType = value; break;
    case ParamHighlightColor: m_highlightColor = value; break;
    case ParamHorzGridVisible: m_horzGridVisible = value; break;
    case ParamVertGridVisible: m_vertGridVisible = value; break;
    case ParamOverallFontColor: m_overall.m_fontColor = quint32(value); break;
    case ParamOverallIncreaseColor: m_overall.m_increaseColor = quint32(value); break;
    case ParamOverallNoChangeColor: m_overall.m_noChangeColor = quint32(value); break;
    case ParamOverallDecreaseColor: m_overall.m_decreaseColor = quint32(value); break;
    case ParamOverallBkColor: m_overall.m_bkColor = quint32(value); break;
    case ParamGridLineStyle: m_gridPen.lopnStyle = quint32(value); break;
    case ParamGridLineColor: m_gridPen.lopnColor = ColorRef(quint32(value)); break;
    case ParamGridLineWidth: m_gridPen.lopnWidth.x = value; break;
    default: return;
    }
    InvalidatePreview();
}

GdiObject StyleSessionStatistics::GetGdiObject(int id) const
{
    if (id == ParamGridPen)
        return m_gridPen;
    if (id == ParamOverallFont)
        return m_overall.m_font;
    return {};
}

void StyleSessionStatistics::SetGdiObject(int id, const GdiObject& object)
{
    if (id == ParamGridPen && object.Pen())
        m_gridPen = *object.Pen();
    else if (id == ParamOverallFont && object.Font())
        m_overall.SetFont(*object.Font());
    else
        return;
    InvalidatePreview();
}

void StyleSessionStatistics::Serialize(Settings& node) const
{
    StyleBase::Serialize(node);
    for (int relation = 0; relation < kTextStyles; ++relation)
    {
        SerializeStyle(GetRelatedStyle(relation), node[kTextKeys[relation]]);
        SafeSerialize(GetOwnStyle(relation), node[kOwnStylesKey][kTextKeys[relation]]);
    }
    node["GridRowHighlightType"] = std::uint32_t(m_highlightType);
    node["GridRowHighlightColor"] = std::uint32_t(m_highlightColor);
    node["GridLinePen"] = BinaryStringSerializer::ConvertBinToText(m_gridPen);
    node["GridHorzLineVisible"] = std::int32_t(m_horzGridVisible);
    node["GridVertLineVisible"] = std::int32_t(m_vertGridVisible);
    Settings& overall = node[kOverallKey];
    overall["Font"] = BinaryStringSerializer::ConvertBinToText(m_overall.m_font);
    overall["FontColor"] = std::uint32_t(m_overall.m_fontColor);
    overall["BkColor"] = std::uint32_t(m_overall.m_bkColor);
    overall["IncreaseColor"] = std::uint32_t(m_overall.m_increaseColor);
    overall["NoChangeColor"] = std::uint32_t(m_overall.m_noChangeColor);
    overall["DecreaseColor"] = std::uint32_t(m_overall.m_decreaseColor);
    if (GetId() != kOwnStyleId)
        return;
    for (const ChangedMark& mark : kChangedMarks)
        node[mark.key] = IsChangedParameter(mark.id);
}

void StyleSessionStatistics::Unserialize(const Settings& node)
{
    StyleBase::Unserialize(node);
    for (int relation = 0; relation < kTextStyles; ++relation)
        SafeUnserialize(GetOwnStyle(relation), node[kOwnStylesKey][kTextKeys[relation]]);
    for (int relation = 0; relation < kTextStyles; ++relation)
    {
        if (node.Exists(kTextKeys[relation]))
            RestoreStyle(relation, node[kTextKeys[relation]], StyleTextField::Type);
    }
    // A key the node lacks leaves its parameter as it was.
    const auto readValue = [](const Settings& from, const char* key, auto& target) {
        if (from.Exists(QString::fromLatin1(key)))
            target = static_cast<std::remove_reference_t<decltype(target)>>(from[key].ToUInt());
    };
    readValue(node, "GridRowHighlightType", m_highlightType);
    readValue(node, "GridRowHighlightColor", m_highlightColor);
    readValue(node, "GridHorzLineVisible", m_horzGridVisible);
    readValue(node, "GridVertLineVisible", m_vertGridVisible);
    LogPen pen;
    if (BinaryStringSerializer::ConvertTextToBin(node["GridLinePen"].ToString(), pen))
        m_gridPen = pen;
    const Settings& overall = node[kOverallKey];
    if (overall.IsValid())
    {
        LogFont font;
        if (BinaryStringSerializer::ConvertTextToBin(overall["Font"].ToString(), font))
            m_overall.SetFont(ConvertFont(font));
        readValue(overall, "FontColor", m_overall.m_fontColor);
        readValue(overall, "BkColor", m_overall.m_bkColor);
        readValue(overall, "IncreaseColor", m_overall.m_increaseColor);
        readValue(overall, "NoChangeColor", m_overall.m_noChangeColor);
        readValue(overall, "DecreaseColor", m_overall.m_decreaseColor);
    }
    for (const ChangedMark& mark : kChangedMarks)
    {
        if (node.Exists(QString::fromLatin1(mark.key)))
            SetChangedParameter(mark.id, node[mark.key].ToBool());
    }
    InvalidatePreview();
}

void StyleSessionStatistics::CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source)
{
    if (!source || source.get() == this || source->GetType() != GetType())
        return;
    for (int id : {ParamVertGridVisible, ParamHorzGridVisible, ParamHighlightType, ParamHighlightColor,
                   ParamGridLineWidth, ParamGridLineStyle, ParamGridLineColor})
        SetValue(id, source->GetValue(id));
    SetGdiObject(ParamOverallFont, source->GetGdiObject(ParamOverallFont));
    for (int id = ParamOverallFontColor; id <= ParamOverallBkColor; ++id)
        SetValue(id, source->GetValue(id));
    StyleBase::CopySettingsFromSelectedStyle(source);
}

void StyleSessionStatistics::UpdateChangedParameter(const StyleBase& source, int id)
{
    if (source.GetType() != GetType() || IsChangedParameter(id))
        return;
    // The bar's font is changed by its font command and marked under the command's id.
    if (id == ParamOverallFontCommand)
        SetGdiObject(ParamOverallFont, source.GetGdiObject(ParamOverallFont));
    else if (IsValueParameter(id))
        UpdateChangedValueParameter(source, id);
}

void StyleSessionStatistics::UpdateChangedParameters(const StyleBase& source)
{
    if (source.GetType() != GetType())
        return;
    for (const ChangedMark& mark : kChangedMarks)
        UpdateChangedParameter(source, mark.id);
    UpdateChangedParameter(source, ParamOverallFontCommand);
    StyleBase::UpdateChangedParameters(source);
}

QSize StyleSessionStatistics::PreviewSourceSize() const
{
    const QSize top = TopPanePreviewPainter::MeasureTopPane(*this).pane;
    const int bottom = BottomPaneHeight(BottomPreview().painter, m_overall.GetBarHeight());
    const int target = top.width() * 2 / 3;
    if (top.height() + bottom <= target)
        return QSize(top.width(), target);
    const int height = top.height() + bottom;
    return QSize(height * 3 / 2, height);
}

void StyleSessionStatistics::PaintPreview(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), PreviewSourceSize()), ColorRef(m_overall.GetBkColor()).ToQColor(Qt::white));
    TopPanePreviewPainter::PaintTopPane(*this, painter);
    BottomPanePreview& preview = BottomPreview();
    preview.painter.SetRowHeights(m_overall.GetBarHeight());
    const QSize top = TopPanePreviewPainter::MeasureTopPane(*this).pane;
    const QRect bottom(0, top.height(), top.width(), preview.painter.itemHeight);
    preview.painter.Draw(&m_overall, painter, bottom, {&preview.amounts, &preview.turnover, &preview.transactions});
}
