#include "orderssheet/settings/OrdersSheetSettings.h"

#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

#include <cmath>
#include <cstdlib>

namespace
{
const QString kGeneralKey = QStringLiteral("General");
const QString kKindRealBorderKey = QStringLiteral("KindRealBorder");
const QString kBorderValKey = QStringLiteral("BorderVal");
const QString kSummWndVisibilityKey = QStringLiteral("SummWndVisibility");
const QString kOrdersWndVisibilityKey = QStringLiteral("OrdersWndVisibility");
const QString kRowCurrValueVisibilityKey = QStringLiteral("RowCurrValueVisibility");
const QString kChartVisibilityKey = QStringLiteral("ChartVisibility");
const QString kVScrollVisibilityKey = QStringLiteral("VScrollVisibility");
const QString kCursorVisibilityKey = QStringLiteral("CursorVisibility");
const QString kColumnsLockKey = QStringLiteral("ColumnsLock");
const QString kColorModeKey = QStringLiteral("ColorMode");
const QString kOriginStyleIdKey = QStringLiteral("OriginStyleId");
const QString kStyleIdKey = QStringLiteral("StyleId");
const QString kStyleOwnKey = QStringLiteral("StyleOwn");
const QString kStyleGuidKey = QStringLiteral("StyleGuid");
const QString kNullGuid = QStringLiteral("{null}");

constexpr int kFontSizes[] = {6, 8, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kRowKindOdd = 0;
constexpr int kRowKindEven = 1;
constexpr int kRowKindCurrValue = 4;

void ReadBool(const Settings& general, const QString& key, bool& value)
{
    if (general.Exists(key))
        value = general[key].ToBool();
}

void ReadInt(const Settings& general, const QString& key, int& value)
{
    if (general.Exists(key))
        value = general[key].ToInt();
}

// Even indexes take related style 0, odd ones 1 (negative numbers by their remainder).
std::shared_ptr<StyleOrdersSheet> SheetStyleCopy(const std::shared_ptr<StyleOrdersSheet>& style)
{
    if (!style)
        return nullptr;
    if (auto copy = std::dynamic_pointer_cast<StyleOrdersSheet>(style->Copy()))
        return copy;
    auto copy = StyleOrdersSheet::CreateInstance();
    copy->CopyFrom(*style, true);
    return copy;
}

int ParityRelation(int index)
{
    return (index & 1) == 0 ? StyleOrdersSheet::RelationOddRow : StyleOrdersSheet::RelationEvenRow;
}
}

OrdersSheetSettings::OrdersSheetSettings()
{
    ApplyDefaults();
    m_ownStyle = StyleOrdersSheet::CreateInstance();
}

OrdersSheetSettings::OrdersSheetSettings(const OrdersSheetSettings& other)
{
    *this = other;
}

OrdersSheetSettings& OrdersSheetSettings::operator=(const OrdersSheetSettings& other)
{
    if (this == &other)
        return *this;
    chartVisible = other.chartVisible;
    summaryVisible = other.summaryVisible;
    ordersPaneVisible = other.ordersPaneVisible;
    rowCurrValueVisible = other.rowCurrValueVisible;
    vScrollVisible = other.vScrollVisible;
    cursorVisible = other.cursorVisible;
    columnsLocked = other.columnsLocked;
    borderValue = other.borderValue;
    borderKind = other.borderKind;
    firstChartColour = other.firstChartColour;
    secondChartColour = other.secondChartColour;
    colorMode = other.colorMode;
    m_originStyleId = other.m_originStyleId;
    m_chosenStyleId = other.m_chosenStyleId;
    m_styleBackup = SheetStyleCopy(other.m_styleBackup);
    m_ownStyle = SheetStyleCopy(other.m_ownStyle);
    // The style edit mode's style is the edited one itself, shown wherever it is previewed.
    m_shownStyle = other.m_shownStyle;
    m_styleEditing = other.m_styleEditing;
    m_table = other.m_table;
    m_table.GetRowsStyleSet().CopyFrom(other.m_table.GetRowsStyleSet());
    return *this;
}

void OrdersSheetSettings::ApplyDefaults()
{
    chartVisible = summaryVisible = ordersPaneVisible = rowCurrValueVisible = vScrollVisible = cursorVisible = true;
    columnsLocked = false;
    borderValue = 0.25;
    borderKind = 1;
    firstChartColour = quint32(StyleDefaults::Rgb(165, 42, 42));    // Brown
    secondChartColour = quint32(StyleDefaults::Rgb(248, 248, 255));  // GhostWhite
    colorMode = kColorModeFromStyle;
    m_table.ApplyDefaults();
}

void OrdersSheetSettings::ApplySeriesPrecisions(const std::vector<DSProp>& seriesList)
{
    m_table.ApplySeriesPrecisions(seriesList);
}

std::shared_ptr<StyleOrdersSheet> OrdersSheetSettings::ModuleStyle()
{
    if (auto style = std::dynamic_pointer_cast<StyleOrdersSheet>(StyleKinds::DefaultStyle(StyleOrdersSheet::Type)))
        return style;
    return StyleOrdersSheet::CreateInstance();
}

std::shared_ptr<StyleOrdersSheet> OrdersSheetSettings::FindNamedStyle(int styleId)
{
    if (styleId == 0)
        return nullptr;
    return std::dynamic_pointer_cast<StyleOrdersSheet>(StylesContainer::Instance().FindStyle(styleId, StyleOrdersSheet::Type));
}

void OrdersSheetSettings::SerializeState(Settings& node, bool embedStyles) const
{
    Settings& general = node[kGeneralKey];
    general[kKindRealBorderKey] = std::int32_t(borderKind);
    general[kBorderValKey] = borderValue;
    general[kSummWndVisibilityKey] = summaryVisible;
    general[kOrdersWndVisibilityKey] = ordersPaneVisible;
    general[kRowCurrValueVisibilityKey] = rowCurrValueVisible;
    general[kChartVisibilityKey] = chartVisible;
    general[kVScrollVisibilityKey] = vScrollVisible;
    general[kCursorVisibilityKey] = cursorVisible;
    general[kColumnsLockKey] = columnsLocked;
    general[kColorModeKey] = std::int32_t(colorMode);
    const std::shared_ptr<StyleOrdersSheet> origin = FindNamedStyle(m_originStyleId);
    general[kOriginStyleIdKey] = origin ? origin->GetGuidText() : kNullGuid;
    m_table.Serialize(general);
    const std::shared_ptr<StyleOrdersSheet> style = m_ownStyle ? m_ownStyle : (embedStyles ? ModuleStyle() : nullptr);
    StyleBase::SerializeStyle(style, node[kStyleIdKey], node[kStyleOwnKey], embedStyles);
}

void OrdersSheetSettings::SaveToQ5Format(Q5Settings& node) const
{
    Q5Settings& general = node["General"];
    general["KindRealBorder"] = std::int32_t(borderKind);
    general["BorderVal"] = borderValue;
    general["SummWndShow"] = summaryVisible || !ordersPaneVisible;
    general["OrdersWndShow"] = ordersPaneVisible;
    general["RowCurrValShow"] = rowCurrValueVisible;
    general["VScrollShow"] = vScrollVisible;
    general["CursorShow"] = cursorVisible;
    general["ColumnsLock"] = columnsLocked;
    m_table.SaveToQ5Format(general);
}

void OrdersSheetSettings::LoadFromTemplate(const Settings& node)
{
    Unserialize(node, true);
}

void OrdersSheetSettings::UnserializeState(const Settings& node)
{
    Unserialize(node, false);
}

void OrdersSheetSettings::Unserialize(const Settings& node, bool fromTemplate)
{
    if (!node.Exists(kGeneralKey))
        return;
    const Settings& general = node[kGeneralKey];
    ReadInt(general, kKindRealBorderKey, borderKind);
    ReadInt(general, kColorModeKey, colorMode);
    if (general.Exists(kBorderValKey))
    {
        double value = general[kBorderValKey].ToDouble();
        if (fromTemplate && value > 1.0)
            value /= 100.0;
        // A border outside 0..1 is no border the summary can draw: the current one stays.
        if (value >= 0.0 && value <= 1.0)
            borderValue = value;
    }
    ReadBool(general, kSummWndVisibilityKey, summaryVisible);
    ReadBool(general, kOrdersWndVisibilityKey, ordersPaneVisible);
    ReadBool(general, kRowCurrValueVisibilityKey, rowCurrValueVisible);
    ReadBool(general, kVScrollVisibilityKey, vScrollVisible);
    ReadBool(general, kChartVisibilityKey, chartVisible);
    ReadBool(general, kCursorVisibilityKey, cursorVisible);
    ReadBool(general, kColumnsLockKey, columnsLocked);
    m_table.Unserialize(general);
    UnserializeStyle(node);
}

void OrdersSheetSettings::UnserializeStyle(const Settings& node)
{
    if (!m_ownStyle)
        m_ownStyle = StyleOrdersSheet::CreateInstance();
    QString guid = node[kGeneralKey][kOriginStyleIdKey].ToString();
    if (guid.isEmpty())
        guid = node[kStyleOwnKey][kStyleGuidKey].ToString();
    if (node[kStyleOwnKey].IsValid())
        StyleBase::SafeUnserialize(m_ownStyle, node[kStyleOwnKey]);

    const StylesContainer& container = StylesContainer::Instance();
    int styleId = 0;
    std::shared_ptr<StyleOrdersSheet> found;
    if (guid == StyleBase::OWN_STYLE_GUID)
    {
        styleId = container.FindStyle(m_ownStyle->GetSourceOriginalGuid());
        found = FindNamedStyle(styleId);
        m_ownStyle->UpdateChangedParameters(found ? *found : *ModuleStyle());
    }
    else
    {
        styleId = container.FindStyle(QUuid::fromString(guid));
        found = FindNamedStyle(styleId);
    }
    if (found)
    {
        m_ownStyle->CopySettingsFromSelectedStyle(found);
        m_originStyleId = styleId;
    }
}

std::shared_ptr<StyleOrdersSheet> OrdersSheetSettings::GetStyle() const
{
    if (m_shownStyle)
        return m_shownStyle;
    return m_ownStyle ? m_ownStyle : ModuleStyle();
}

std::shared_ptr<StyleOrdersSheet> OrdersSheetSettings::GetOriginStyle() const
{
    if (std::shared_ptr<StyleOrdersSheet> named = FindNamedStyle(m_originStyleId))
        return named;
    return ModuleStyle();
}

void OrdersSheetSettings::SetStyleEditState(int styleId, bool editing)
{
    m_styleEditing = editing;
    if (!m_ownStyle)
        m_ownStyle = StyleOrdersSheet::CreateInstance();
    if (editing)
    {
        if (!m_styleBackup)
        {
            m_styleBackup = StyleOrdersSheet::CreateInstance();
            m_styleBackup->CopyFrom(*m_ownStyle, true);
        }
        const std::shared_ptr<StyleOrdersSheet> chosen = FindNamedStyle(styleId);
        m_chosenStyleId = styleId;
        if (styleId != kRestoreBackupStyleId)
            m_ownStyle->CopySettingsFromSelectedStyle(chosen);
        return;
    }
    if (styleId != kRestoreBackupStyleId)
        return;
    if (m_styleBackup)
        m_ownStyle->CopyFrom(*m_styleBackup, true);
    m_ownStyle->CopySettingsFromSelectedStyle(FindNamedStyle(m_originStyleId));
    m_styleBackup.reset();
}

void OrdersSheetSettings::EndStyleEdit()
{
    m_styleEditing = false;
    m_originStyleId = m_chosenStyleId;
    if (m_originStyleId == 0 && m_ownStyle)
        m_ownStyle->CopySettingsFromSelectedStyle(ModuleStyle());
    m_styleBackup.reset();
}

std::shared_ptr<StyleBase> OrdersSheetSettings::GetColumnStyleAt(int pos) const
{
    return OrdersSheetTableSettings::GetColumnStyle(m_table.GetColumnForDisplayPos(m_table.GetMode(), pos));
}

std::shared_ptr<StyleBase> OrdersSheetSettings::GetColumnOwnStyleAt(int pos) const
{
    return m_table.GetColumnForDisplayPos(m_table.GetMode(), pos).style;
}

int OrdersSheetSettings::GetEffectiveColorMode() const
{
    if (colorMode != kColorModeFromStyle)
        return colorMode;
    return GetStyle()->GetValue(StyleOrdersSheet::ParamColorMode);
}

std::shared_ptr<StyleBase> OrdersSheetSettings::GetCellTextStyle(int pos, const QString& rowKey, int rowIndex,
                                                                int columnIndex) const
{
    const std::shared_ptr<StyleBase> columnStyle = GetColumnStyleAt(pos);
    const std::shared_ptr<StyleBase> actionStyle =
        rowKey.isEmpty() ? nullptr : m_table.GetRowsStyleSet().GetStyle(RowStyleAction(m_table.GetMode()), rowKey);
    const int mode = GetEffectiveColorMode();
    if (columnStyle || actionStyle)
    {
        if (mode == kColorModeByRows)
            return actionStyle ? actionStyle : columnStyle;
        return columnStyle ? columnStyle : actionStyle;
    }
    const std::shared_ptr<StyleOrdersSheet> style = GetStyle();
    if (rowIndex == -1)
        return style->GetRelatedStyle(StyleOrdersSheet::RelationCurrValueRow);
    return style->GetRelatedStyle(ParityRelation(mode == kColorModeByRows ? rowIndex : columnIndex));
}

std::shared_ptr<StyleBase> OrdersSheetSettings::GetRowTextStyle(bool byAction, const QString& rowKey, int pos,
                                                               int rowIndex) const
{
    if (!rowKey.isEmpty())
    {
        std::shared_ptr<StyleBase> style = byAction
                                               ? m_table.GetRowsStyleSet().GetStyle(RowStyleAction(m_table.GetMode()), rowKey)
                                               : GetColumnOwnStyleAt(pos);
        if (style)
            return style;
    }
    return GetStyle()->GetRelatedStyle(ParityRelation(rowIndex));
}

void OrdersSheetSettings::StepFontSize(StyleBase& style, bool grow)
{
    const GdiObject object = style.GetGdiObject(StyleTextField::ParamFont);
    if (!object.Font())
        return;
    LogFont font = *object.Font();
    const int height = std::abs(font.lfHeight);
    int size = grow ? kFontSizes[std::size(kFontSizes) - 1] : kFontSizes[0];
    if (grow)
    {
        for (int candidate : kFontSizes)
        {
            if (candidate > height)
            {
                size = candidate;
                break;
            }
        }
    }
    else
    {
        for (int candidate : kFontSizes)
        {
            if (candidate < height)
                size = candidate;
        }
    }
    font.lfHeight = -size;
    style.SetGdiObject(StyleTextField::ParamFont, font);
    style.SetChangedParameter(StyleTextField::ParamFont);
    style.SetChangedParameter(StyleOrdersSheet::kFontParameterId);
}

void OrdersSheetSettings::RestoreStyleParameter(int kind, int parameterId)
{
    int rowIndex = -1;
    switch (kind)
    {
    case kRowKindOdd: rowIndex = StyleOrdersSheet::RelationOddRow; break;
    case kRowKindEven: rowIndex = StyleOrdersSheet::RelationEvenRow; break;
    case kRowKindCurrValue: rowIndex = StyleOrdersSheet::RelationCurrValueRow; break;
    default: return;
    }
    if (!m_ownStyle)
        return;
    StyleOrdersSheet::CopyRowStyleParameter(parameterId, rowIndex, *m_ownStyle, *GetOriginStyle());
}
