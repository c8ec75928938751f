#include "orderssheet/settings/StyleOrdersSheet.h"

#include "core/engine/InvalidArgException.h"
#include "platform/base/BinaryStringSerializer.h"
#include "platform/settings/Settings.h"
#include "styles/engine/DefaultStyles.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTextField.h"

#include <QFontMetrics>
#include <QPainter>

#include <limits>

namespace
{
using StyleDefaults::Rgb;

const QString kGridPenKey = QStringLiteral("GridPen");
const QString kGridPenCapKey = QStringLiteral("GridPenCap");
const QString kVGridVisibleCapKey = QStringLiteral("VGridVisibleCap");
const QString kHGridVisibleCapKey = QStringLiteral("HGridVisibleCap");
const QString kCursorColorCapKey = QStringLiteral("CursorColorCap");
const QString kHighLightCapKey = QStringLiteral("HighLightCap");
const QString kHighLightColorCapKey = QStringLiteral("HighLightColorCap");
const QString kColorModeCapKey = QStringLiteral("ColorModeCap");
const QString kHGridVisibleKey = QStringLiteral("HGridVisible");
const QString kVGridVisibleKey = QStringLiteral("VGridVisible");
const QString kCursorColorKey = QStringLiteral("CursorColor");
const QString kColorModeKey = QStringLiteral("ColorMode");
const QString kHighLightKey = QStringLiteral("HighLight");
const QString kHighLightColorKey = QStringLiteral("HighLightColor");
const QString kOwnStylesKey = QStringLiteral("OwnStyles");

const std::array<QString, 3> kRowStyleKeys = {QStringLiteral("OddRowStyle"), QStringLiteral("EvenRowStyle"),
                                              QStringLiteral("RowCurrValueStyle")};

struct ChartColour
{
    int id;
    const char* key;
};

// In the order they are written.
const ChartColour kChartColours[] = {
    {StyleOrdersSheet::ParamChartSellRealValColor, "ChartSellRealValColor"},
    {StyleOrdersSheet::ParamChartBuyRealValColor, "ChartBuyRealValColor"},
    {StyleOrdersSheet::ParamChartSellTotalValColor, "ChartSellTotalValColor"},
    {StyleOrdersSheet::ParamChartBuyTotalValColor, "ChartBuyTotalValColor"},
    {StyleOrdersSheet::ParamChartSummPanelBkgColor, "ChartSummPanelBkgColor"},
    {StyleOrdersSheet::ParamChartSummWindowBkgColor, "ChartSummWindowBkgColor"},
    {StyleOrdersSheet::ParamChartSummWindowTextColor, "ChartSummWindowTextColor"},
    {StyleOrdersSheet::ParamChartSummWindowRealSellValColor, "ChartSummWindowRealSellValColor"},
    {StyleOrdersSheet::ParamChartSummWindowRealBuyValColor, "ChartSummWindowRealBuyValColor"},
    {StyleOrdersSheet::ParamChartSummWindowFrameColor, "ChartSummWindowFrameColor"},
    {StyleOrdersSheet::ParamChartSummChartGridColor, "ChartSummChartGridColor"},
    {StyleOrdersSheet::ParamChartSummChartBkgColor, "ChartSummChartBkgColor"},
    {StyleOrdersSheet::ParamChartSummIndexSellColor, "ChartSummIndexSellColor"},
    {StyleOrdersSheet::ParamChartSummIndexBuyColor, "ChartSummIndexBuyColor"},
    {StyleOrdersSheet::ParamChartSummIndexBkgColor, "ChartSummIndexBkgColor"},
};

// The CSS colours the chart defaults are named after, and the workspace grey of the frame.
constexpr qint32 kLightSteelBlue = Rgb(176, 196, 222);
constexpr qint32 kOrangeRed = Rgb(255, 69, 0);
constexpr qint32 kGhostWhite = Rgb(248, 248, 255);
constexpr qint32 kBrown = Rgb(165, 42, 42);
constexpr qint32 kAppWorkspace = Rgb(171, 171, 171);

qint32 ColourMode(qint32 value)
{
    return value == StyleOrdersSheet::ByColumns ? StyleOrdersSheet::ByColumns : StyleOrdersSheet::ByRows;
}

bool ReadNumber(const Settings& node, const QString& key, qint32& value)
{
    if (!node.Exists(key))
        return false;
    bool ok = false;
    const qlonglong number = node[key].ToString().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<quint32>::max())
        return false;
    value = qint32(quint32(number));
    return true;
}

// A stored pen is taken only when it decodes whole and names a pen style that exists.
std::optional<LogPen> ReadPen(const Settings& node, const QString& key)
{
    LogPen pen;
    if (!node.Exists(key) || !BinaryStringSerializer::ConvertTextToBin(node[key].ToString(), pen) ||
        pen.lopnStyle > LogPen::kStyleInsideFrame)
        return std::nullopt;
    return pen;
}

const QString kPreviewTexts[11][6] = {
    {"5", "0.45", "500", "225,00", "08:56:06", "2012-01-08"}, {"4", "0.44", "400", "176,00", "09:20:10", "2012-01-09"},
    {"3", "0.44", "400", "176,00", "10:33:25", "2012-01-09"}, {"2", "0.43", "200", "86,00", "11:45:15", "2012-01-10"},
    {"1", "0.43", "300", "129,00", "16:45:15", "2012-01-10"}, {"", "0.42", "", "", "", ""},
    {"1", "0.41", "100", "41,00", "07:45:15", "2012-01-10"},  {"2", "0.41", "200", "82,00", "10:25:32", "2012-01-10"},
    {"3", "0.40", "150", "60,00", "10:55:22", "2012-01-10"},  {"4", "0.40", "300", "120,00", "11:15:16", "2012-01-08"},
    {"5", "0.39", "200", "78,00", "17:08:54", "2012-01-06"},
};
constexpr int kPreviewRows = 11;
constexpr int kPreviewColumns = 6;
constexpr int kPreviewCurrValueRow = 5;

QFont CellFont(const StyleBase& style)
{
    const GdiObject font = style.GetGdiObject(StyleTextField::ParamFont);
    return font.Font() ? font.Font()->ToQFont() : QFont();
}

void DarkenRow(StyleBase& row, qint32 background)
{
    row.SetValue(StyleTextField::ParamFontColor, Rgb(230, 230, 230));
    for (int id : {StyleTextField::ParamBkColor, StyleTextField::ParamBkColorRise, StyleTextField::ParamBkColorFall})
        row.SetValue(id, background);
    row.SetValue(StyleTextField::ParamFontColorRise, Rgb(0, 220, 0));
    row.SetValue(StyleTextField::ParamFontColorFall, Rgb(255, 80, 80));
}

void Darken(StyleBase& style)
{
    DarkenRow(*style.GetOwnStyle(StyleOrdersSheet::RelationOddRow), Rgb(0, 0, 0));
    DarkenRow(*style.GetOwnStyle(StyleOrdersSheet::RelationEvenRow), Rgb(28, 28, 28));
    DarkenRow(*style.GetOwnStyle(StyleOrdersSheet::RelationCurrValueRow), Rgb(60, 45, 0));
    style.SetValue(StyleOrdersSheet::ParamGridPenColor, Rgb(70, 70, 70));
    style.SetValue(StyleOrdersSheet::ParamCursorColor, Rgb(255, 255, 0));
    style.SetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor, Rgb(40, 40, 40));
    style.SetValue(StyleOrdersSheet::ParamChartSummWindowBkgColor, Rgb(20, 20, 20));
    style.SetValue(StyleOrdersSheet::ParamChartSummWindowTextColor, Rgb(230, 230, 230));
    style.SetValue(StyleOrdersSheet::ParamChartSummChartBkgColor, Rgb(20, 20, 20));
}
}

StyleOrdersSheet::StyleOrdersSheet()
    : m_pen(StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(0, 0, 0)))
    , m_cursorColor(Rgb(255, 0, 0))
    , m_highLightColor(Rgb(255, 0, 0))
{
    const std::pair<int, qint32> chartDefaults[] = {
        {ParamChartBuyRealValColor, kLightSteelBlue},
        {ParamChartSellRealValColor, kOrangeRed},
        {ParamChartBuyTotalValColor, Rgb(0, 0, 255)},
        {ParamChartSellTotalValColor, Rgb(255, 0, 0)},
        {ParamChartSummPanelBkgColor, kAppWorkspace},
        {ParamChartSummWindowBkgColor, kGhostWhite},
        {ParamChartSummWindowFrameColor, kBrown},
        {ParamChartSummWindowTextColor, 0},
        {ParamChartSummWindowRealSellValColor, Rgb(255, 0, 0)},
        {ParamChartSummWindowRealBuyValColor, Rgb(0, 0, 255)},
        {ParamChartSummChartBkgColor, kGhostWhite},
        {ParamChartSummChartGridColor, Rgb(100, 100, 100)},
        {ParamChartSummIndexSellColor, Rgb(255, 0, 0)},
        {ParamChartSummIndexBuyColor, Rgb(0, 0, 255)},
        {ParamChartSummIndexBkgColor, Rgb(100, 100, 100)},
    };
    for (const auto& [id, colour] : chartDefaults)
        m_chartColours[std::size_t(id - kFirstChartColour)] = colour;
    for (int relationId : {RelationOddRow, RelationEvenRow, RelationCurrValueRow})
        AddRelation(relationId, StyleTextField::CreateInstance());
}

void StyleOrdersSheet::RegisterKind(const QString& moduleName)
{
    if (StyleKinds::Register(Type, TypeName, [] { return CreateInstance(); }))
        DefaultStyles::AddKind(Type, QStringLiteral("arkusz zleceń"), moduleName, Darken);
}

std::shared_ptr<StyleOrdersSheet> StyleOrdersSheet::CreateInstance()
{
    return std::make_shared<StyleOrdersSheet>();
}

void StyleOrdersSheet::SetRelatedStyle(int relationId, const std::shared_ptr<StyleBase>& style)
{
    if (relationId < RelationOddRow || relationId > RelationCurrValueRow)
        throw InvalidArgException(QStringLiteral("StyleOrdersSheet::SetRelatedStyle: nieznany styl wiersza %1").arg(relationId));
    StyleBase::SetRelatedStyle(relationId, style);
}

qint32 StyleOrdersSheet::PenComponent(const LogPen& pen, int id)
{
    switch (id)
    {
    case ParamGridPenColor: return qint32(pen.lopnColor.Value());
    case ParamGridPenStyle: return qint32(pen.lopnStyle);
    case ParamGridPenWidth: return pen.lopnWidth.x;
    default: return 0;
    }
}

void StyleOrdersSheet::SetPenComponent(LogPen& pen, int id, qint32 value)
{
    switch (id)
    {
    case ParamGridPenColor: pen.lopnColor = ColorRef(quint32(value)); break;
    case ParamGridPenStyle: pen.lopnStyle = quint32(value); break;
    case ParamGridPenWidth: pen.lopnWidth.x = value; break;
    default: break;
    }
}

qint32 StyleOrdersSheet::GetValue(int id) const
{
    switch (id)
    {
    case ParamHGridVisible: return m_hGridVisibleCap ? qint32(*m_hGridVisibleCap) : m_hGridVisible;
    case ParamVGridVisible: return m_vGridVisibleCap ? qint32(*m_vGridVisibleCap) : m_vGridVisible;
    case ParamCursorColor:
        if (m_transientCursorColor)
            return *m_transientCursorColor;
        return m_cursorColorCap ? *m_cursorColorCap : m_cursorColor;
    case ParamColorMode: return m_colorModeCap ? *m_colorModeCap : m_colorMode;
    case ParamHighLight: return m_highLightCap ? qint32(*m_highLightCap) : m_highLight;
    case ParamHighLightColor: return m_highLightColorCap ? *m_highLightColorCap : m_highLightColor;
    case ParamGridPenColor:
    case ParamGridPenStyle:
    case ParamGridPenWidth: return PenComponent(EffectivePen(), id);
    default:
        if (id >= kFirstChartColour && id < kFirstChartColour + kChartColourCount)
            return m_chartColours[std::size_t(id - kFirstChartColour)];
        return 0;
    }
}

void StyleOrdersSheet::SetValue(int id, qint32 value)
{
    switch (id)
    {
    case ParamHGridVisible: m_hGridVisible = value == 1 ? 1 : 0; break;
    case ParamVGridVisible: m_vGridVisible = value == 1 ? 1 : 0; break;
    case ParamHighLight: m_highLight = value == 1 ? 1 : 0; break;
    case ParamCursorColor: m_cursorColor = value; break;
    case ParamColorMode: m_colorMode = ColourMode(value); break;
    case ParamHighLightColor: m_highLightColor = value; break;
    case ParamGridPenColor:
    case ParamGridPenStyle:
    case ParamGridPenWidth: SetPenComponent(m_pen, id, value); break;
    default:
        if (id < kFirstChartColour || id >= kFirstChartColour + kChartColourCount)
            return;
        m_chartColours[std::size_t(id - kFirstChartColour)] = value;
    }
    InvalidatePreview();
}

GdiObject StyleOrdersSheet::GetGdiObject(int id) const
{
    return id == ParamGridPen ? GdiObject(EffectivePen()) : GdiObject();
}

void StyleOrdersSheet::SetGdiObject(int id, const GdiObject& object)
{
    if (id != ParamGridPen || !object.Pen())
        return;
    m_pen = *object.Pen();
    InvalidatePreview();
}

void StyleOrdersSheet::SetColourValue(int id, qint32 value)
{
    switch (id)
    {
    case ParamHGridVisible: m_hGridVisibleCap = value == 1; break;
    case ParamVGridVisible: m_vGridVisibleCap = value == 1; break;
    case ParamHighLight: m_highLightCap = value == 1; break;
    case ParamCursorColor:
        if (value == kNoColour)
            m_transientCursorColor.reset();
        else
            m_transientCursorColor = value;
        break;
    case ParamColorMode: m_colorModeCap = value; break;
    case ParamHighLightColor: m_highLightColorCap = value; break;
    case ParamGridPenColor:
    case ParamGridPenStyle:
    case ParamGridPenWidth:
    {
        LogPen pen = EffectivePen();
        SetPenComponent(pen, id, value);
        m_penCap = pen;
        break;
    }
    default: return;
    }
    InvalidatePreview();
}

void StyleOrdersSheet::ClearColourValue(int id)
{
    switch (id)
    {
    case ParamHGridVisible: m_hGridVisibleCap.reset(); break;
    case ParamVGridVisible: m_vGridVisibleCap.reset(); break;
    case ParamCursorColor:
        m_transientCursorColor.reset();
        m_cursorColorCap.reset();
        break;
    case ParamColorMode: m_colorModeCap.reset(); break;
    case ParamHighLightColor: m_highLightColorCap.reset(); break;
    case ParamGridPenOverride: m_penCap.reset(); break;
    case ParamGridPenColor:
    case ParamGridPenStyle:
    case ParamGridPenWidth:
        if (m_penCap)
            SetPenComponent(*m_penCap, id, PenComponent(m_pen, id));
        break;
    default: return;
    }
    InvalidatePreview();
}

void StyleOrdersSheet::Serialize(Settings& node) const
{
    StyleBase::Serialize(node);
    node[kGridPenKey] = BinaryStringSerializer::ConvertBinToText(m_pen);
    if (m_penCap)
        node[kGridPenCapKey] = BinaryStringSerializer::ConvertBinToText(*m_penCap);
    if (m_vGridVisibleCap)
        node[kVGridVisibleCapKey] = *m_vGridVisibleCap;
    if (m_hGridVisibleCap)
        node[kHGridVisibleCapKey] = *m_hGridVisibleCap;
    if (m_cursorColorCap)
        node[kCursorColorCapKey] = std::uint32_t(*m_cursorColorCap);
    if (m_highLightCap)
        node[kHighLightCapKey] = *m_highLightCap;
    if (m_highLightColorCap)
        node[kHighLightColorCapKey] = std::uint32_t(*m_highLightColorCap);
    if (m_colorModeCap)
        node[kColorModeCapKey] = std::int32_t(*m_colorModeCap);
    node[kHGridVisibleKey] = std::int32_t(m_hGridVisible);
    node[kVGridVisibleKey] = std::int32_t(m_vGridVisible);
    node[kCursorColorKey] = std::uint32_t(m_cursorColor);
    node[kColorModeKey] = std::int32_t(m_colorMode);
    node[kHighLightKey] = std::int32_t(m_highLight);
    node[kHighLightColorKey] = std::uint32_t(m_highLightColor);
    for (const ChartColour& colour : kChartColours)
        node[colour.key] = std::uint32_t(GetValue(colour.id));
    Settings& ownStyles = node[kOwnStylesKey];
    for (int relationId : {RelationOddRow, RelationEvenRow, RelationCurrValueRow})
        SerializeStyle(GetRelatedStyle(relationId), node[kRowStyleKeys[std::size_t(relationId)]]);
    for (int relationId : {RelationOddRow, RelationEvenRow, RelationCurrValueRow})
        SafeSerialize(GetOwnStyle(relationId), ownStyles[kRowStyleKeys[std::size_t(relationId)]]);
}

void StyleOrdersSheet::Unserialize(const Settings& node)
{
    StyleBase::Unserialize(node);
    if (std::optional<LogPen> pen = ReadPen(node, kGridPenKey))
        m_pen = *pen;
    if (std::optional<LogPen> pen = ReadPen(node, kGridPenCapKey))
        m_penCap = pen;
    if (node.Exists(kVGridVisibleCapKey))
        m_vGridVisibleCap = node[kVGridVisibleCapKey].ToBool();
    if (node.Exists(kHGridVisibleCapKey))
        m_hGridVisibleCap = node[kHGridVisibleCapKey].ToBool();
    if (qint32 value = 0; ReadNumber(node, kCursorColorCapKey, value))
        m_cursorColorCap = value;
    if (node.Exists(kHighLightCapKey))
        m_highLightCap = node[kHighLightCapKey].ToBool();
    if (qint32 value = 0; ReadNumber(node, kHighLightColorCapKey, value))
        m_highLightColorCap = value;
    if (qint32 value = 0; ReadNumber(node, kColorModeCapKey, value))
        m_colorModeCap = ColourMode(value);
    // A key that is missing or unreadable keeps the parameter as it was.
    const std::pair<const QString&, int> plain[] = {
        {kHGridVisibleKey, ParamHGridVisible}, {kVGridVisibleKey, ParamVGridVisible}, {kCursorColorKey, ParamCursorColor},
        {kColorModeKey, ParamColorMode},       {kHighLightKey, ParamHighLight},       {kHighLightColorKey, ParamHighLightColor},
    };
    for (const auto& [key, id] : plain)
    {
        if (qint32 value = 0; ReadNumber(node, key, value))
            SetValue(id, value);
    }
    for (const ChartColour& colour : kChartColours)
    {
        if (qint32 value = 0; ReadNumber(node, colour.key, value))
            SetValue(colour.id, value);
    }
    for (int relationId : {RelationOddRow, RelationEvenRow, RelationCurrValueRow})
        SafeUnserialize(GetOwnStyle(relationId), node[kOwnStylesKey][kRowStyleKeys[std::size_t(relationId)]]);
    for (int relationId : {RelationOddRow, RelationEvenRow, RelationCurrValueRow})
    {
        const QString& key = kRowStyleKeys[std::size_t(relationId)];
        if (node.Exists(key))
            RestoreStyle(relationId, node[key], StyleTextField::Type);
    }
    InvalidatePreview();
}

void StyleOrdersSheet::CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source)
{
    if (!source || source.get() == this || source->GetType() != Type)
        return;
    StyleBase::CopySettingsFromSelectedStyle(source);
    if (!m_penCap)
        SetGdiObject(ParamGridPen, source->GetGdiObject(ParamGridPen));
    if (!m_hGridVisibleCap)
        SetValue(ParamHGridVisible, source->GetValue(ParamHGridVisible));
    if (!m_vGridVisibleCap)
        SetValue(ParamVGridVisible, source->GetValue(ParamVGridVisible));
    if (!m_cursorColorCap)
        SetValue(ParamCursorColor, source->GetValue(ParamCursorColor));
    if (!m_colorModeCap)
        SetValue(ParamColorMode, source->GetValue(ParamColorMode));
    SetValue(ParamHighLight, source->GetValue(ParamHighLight));
    SetValue(ParamHighLightColor, source->GetValue(ParamHighLightColor));
    for (int id = kFirstChartColour; id < kFirstChartColour + kChartColourCount; ++id)
        SetValue(id, source->GetValue(id));
}

void StyleOrdersSheet::UpdateChangedParameter(const StyleBase& source, int id)
{
    const qint32 value = source.GetValue(id);
    if (value == GetValue(id))
        return;
    SetColourValue(id, GetValue(id));
    SetValue(id, value);
}

void StyleOrdersSheet::UpdateChangedParameters(const StyleBase& source)
{
    ClearColourValue(ParamGridPenOverride);
    StyleBase::UpdateChangedParameters(source);
    for (int relationId : {RelationOddRow, RelationEvenRow, RelationCurrValueRow})
        StyleBase::SetRelatedStyle(relationId, GetOwnStyle(relationId));
    for (int id : {ParamHGridVisible, ParamVGridVisible, ParamCursorColor, ParamGridPenColor, ParamGridPenStyle,
                   ParamGridPenWidth, ParamHighLight, ParamHighLightColor, ParamColorMode})
        UpdateChangedParameter(source, id);
}

void StyleOrdersSheet::CopyTextFieldParameter(const StyleBase& source, StyleBase& target, int parameterId)
{
    if (parameterId == kFontParameterId)
        target.SetGdiObject(StyleTextField::ParamFont, source.GetGdiObject(StyleTextField::ParamFont));
    else
        target.SetValue(parameterId, source.GetValue(parameterId));
}

void StyleOrdersSheet::CopyRowStyleParameter(int parameterId, int rowIndex, StyleOrdersSheet& target, const StyleBase& source)
{
    if (rowIndex < RelationOddRow || rowIndex > RelationCurrValueRow || source.GetType() != Type)
        return;
    const std::shared_ptr<StyleBase> targetRow = target.GetRelatedStyle(rowIndex);
    const std::shared_ptr<StyleBase> sourceRow = source.GetRelatedStyle(rowIndex);
    if (!targetRow || !sourceRow)
        return;
    CopyTextFieldParameter(*sourceRow, *targetRow, parameterId);
    targetRow->SetChangedParameter(parameterId);
    target.InvalidatePreview();
}

void StyleOrdersSheet::PaintPreview(QPainter& painter) const
{
    const QSize area = PreviewSourceSize();
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    const bool byColumns = m_colorMode != ByRows;
    auto cellStyle = [&](int row, int column) -> std::shared_ptr<StyleBase> {
        if (row == kPreviewCurrValueRow)
            return GetRelatedStyle(RelationCurrValueRow);
        const int index = byColumns ? column : row;
        return GetRelatedStyle(index % 2 == 0 ? RelationEvenRow : RelationOddRow);
    };

    int heights[kPreviewRows] = {};
    int widths[kPreviewColumns] = {};
    for (int row = 0; row < kPreviewRows; ++row)
    {
        for (int column = 0; column < kPreviewColumns; ++column)
        {
            const std::shared_ptr<StyleBase> style = cellStyle(row, column);
            if (!style)
                continue;
            const QSize size = QFontMetrics(CellFont(*style)).size(Qt::TextSingleLine, kPreviewTexts[row][column]);
            heights[row] = std::max(heights[row], size.height() + 2);
            widths[column] = std::max(widths[column], size.width() + 3);
        }
    }

    const QPen gridPen = EffectivePen().ToQPen().value_or(QPen(Qt::NoPen));
    int top = 0;
    for (int row = 0; row < kPreviewRows; ++row)
    {
        int left = 3;
        for (int column = 0; column < kPreviewColumns; ++column)
        {
            const int right = column == kPreviewColumns - 1 ? area.width() : left + widths[column];
            const QRect cell(left, top, right - left, heights[row]);
            left = right;
            const std::shared_ptr<StyleBase> style = cellStyle(row, column);
            if (!style)
                continue;
            painter.fillRect(cell, ColorRef(quint32(style->GetValue(StyleTextField::ParamBkColor))).ToQColor(Qt::white));
            painter.setPen(gridPen);
            if (GetValue(ParamVGridVisible))
                painter.drawLine(cell.topLeft(), cell.bottomLeft());
            if (GetValue(ParamHGridVisible))
                painter.drawLine(cell.topLeft(), cell.topRight());
            painter.setFont(CellFont(*style));
            painter.setPen(ColorRef(quint32(style->GetValue(StyleTextField::ParamFontColor))).ToQColor(Qt::black));
            painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, kPreviewTexts[row][column]);
        }
        top += heights[row];
    }
}
