#include "orderssheet/settings/OrdersSheetTableSettings.h"

#include "core/engine/InvalidArgException.h"
#include "platform/base/Log.h"
#include "platform/base/QuorvantaException.h"
#include "platform/settings/Q5Settings.h"
#include "orderssheet/settings/StyleOrdersSheet.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

#include <algorithm>

namespace
{
struct ColumnDefault
{
    const char* caption;
    int width;
};

const ColumnDefault kOrdersDefaults[] = {
    {"Numer", 60},          {"Cena zlecenia", 80}, {"Cena arkusza", 80},  {"Wolumen", 80},       {"Wartość", 80},
    {"Data", 120},          {"Czas", 100},         {"Suma wolumenu", 100}, {"Suma wartości", 100}, {"Średnia cena", 100},
};
const ColumnDefault kOffersDefaults[] = {
    {"Numer", 60},   {"Liczba zleceń", 80}, {"Cena", 80},           {"Wolumen", 80},
    {"Wartość", 80}, {"Suma wolumenu", 100}, {"Suma wartości", 100}, {"Średnia cena", 100},
};

const QString kModeKey = QStringLiteral("Mode");
const char* const kWidthWord = "TabColWidth";
const char* const kVisibleWord = "TabColVisible";
const char* const kKindWord = "TabColKind";
const char* const kStyleIdWord = "TabColStylId";
const char* const kStyleOwnWord = "TabColStylOwn";

constexpr int kSeriesPrice = 2;
constexpr int kSeriesVolume = 3;
constexpr int kSeriesVolumeSum = 15;

const char* ModeWord(int mode)
{
    return mode == OrdersSheetTableSettings::kOrdersMode ? "Orders" : "Offers";
}

QString Key(int mode, const char* word, int index)
{
    return QString::asprintf("%s%s%d", ModeWord(mode), word, index);
}

std::vector<OrdersSheetTableSettings::ColumnProperties> DefaultColumns(int mode)
{
    std::vector<OrdersSheetTableSettings::ColumnProperties> columns;
    if (mode == OrdersSheetTableSettings::kOrdersMode)
    {
        for (int kind = 0; kind < OrdersSheetTableSettings::kOrdersColumnCount; ++kind)
            columns.emplace_back(kind, kOrdersDefaults[kind].width);
    }
    else
    {
        for (int kind = 0; kind < OrdersSheetTableSettings::kOffersColumnCount; ++kind)
            columns.emplace_back(kind, kOffersDefaults[kind].width);
    }
    return columns;
}

bool IsArrangement(const std::vector<OrdersSheetTableSettings::ColumnProperties>& columns)
{
    std::vector<bool> seen(columns.size(), false);
    for (const auto& column : columns)
    {
        if (column.kind < 0 || column.kind >= int(columns.size()) || seen[std::size_t(column.kind)])
            return false;
        seen[std::size_t(column.kind)] = true;
    }
    return true;
}

std::shared_ptr<StyleBase> FindTextStyle(int styleId)
{
    return StylesContainer::Instance().FindStyle(styleId, StyleTextField::Type);
}
}

OrdersSheetTableSettings::OrdersSheetTableSettings()
    : m_ordersPrecisions(kOrdersColumnCount)
    , m_offersPrecisions(kOffersColumnCount)
{
}

QString OrdersSheetTableSettings::GetColumnCaption(int mode, int kind)
{
    if (mode == kOrdersMode && kind >= 0 && kind < kOrdersColumnCount)
        return QString::fromUtf8(kOrdersDefaults[kind].caption);
    if (mode != kOrdersMode && kind >= 0 && kind < kOffersColumnCount)
        return QString::fromUtf8(kOffersDefaults[kind].caption);
    return QStringLiteral("Error");
}

int OrdersSheetTableSettings::GetDisplayCount(int mode)
{
    return mode == kOrdersMode ? kOrdersColumnCount - 1 : kOffersColumnCount;
}

int OrdersSheetTableSettings::MapDisplayPos(int mode, int pos) const
{
    if (mode != kOrdersMode)
        return pos;
    const int hidden = GetColumnPosition(mode, kHiddenOrdersKind);
    return hidden > pos || hidden < 0 ? pos : pos + 1;
}

const OrdersSheetTableSettings::ColumnProperties& OrdersSheetTableSettings::GetColumnForDisplayPos(int mode, int pos) const
{
    const std::vector<ColumnProperties>& columns = Columns(mode);
    const int index = pos < 0 ? -1 : MapDisplayPos(mode, pos);
    if (index < 0 || index >= int(columns.size()))
        throw InvalidArgException(QStringLiteral("OrdersSheetTableSettings::GetColumnForDisplayPos: pozycja %1").arg(pos));
    return columns[std::size_t(index)];
}

OrdersSheetTableSettings::ColumnProperties& OrdersSheetTableSettings::GetColumnForDisplayPos(int mode, int pos)
{
    return const_cast<ColumnProperties&>(std::as_const(*this).GetColumnForDisplayPos(mode, pos));
}

OrdersSheetTableSettings::ColumnProperties& OrdersSheetTableSettings::GetColumnPropertiesForPos(int mode, int kind)
{
    const int index = GetColumnPosition(mode, kind);
    if (index < 0)
        throw QuorvantaException(QStringLiteral("OrdersSheetTableSettings::GetColumnPropertiesForPos"),
                                 QStringLiteral("Invalid object state!"), QStringLiteral("Quorvanta 4"), 425);
    return Columns(mode)[std::size_t(index)];
}

int OrdersSheetTableSettings::GetColumnPosition(int mode, int kind) const
{
    const std::vector<ColumnProperties>& columns = Columns(mode);
    const auto found =
        std::find_if(columns.begin(), columns.end(), [kind](const ColumnProperties& column) { return column.kind == kind; });
    return found == columns.end() ? -1 : int(found - columns.begin());
}

bool OrdersSheetTableSettings::MoveColumn(int source, int target)
{
    std::vector<ColumnProperties>& columns = Columns(m_mode);
    if (source < 0 || target < 0)
        return false;
    const int from = MapDisplayPos(m_mode, source);
    const int to = MapDisplayPos(m_mode, target);
    if (from >= int(columns.size()) || to >= int(columns.size()))
        return false;
    ColumnProperties moved = std::move(columns[std::size_t(from)]);
    columns.erase(columns.begin() + from);
    columns.insert(columns.begin() + to, std::move(moved));
    return true;
}

const OrdersSheetTableSettings::ColumnPrecision& OrdersSheetTableSettings::GetColumnPrecision(int mode, int kind) const
{
    const std::vector<ColumnPrecision>& precisions = mode == kOrdersMode ? m_ordersPrecisions : m_offersPrecisions;
    if (kind < 0 || kind >= int(precisions.size()))
        throw InvalidArgException(QStringLiteral("OrdersSheetTableSettings::GetColumnPrecision: rodzaj %1").arg(kind));
    return precisions[std::size_t(kind)];
}

void OrdersSheetTableSettings::ApplySeriesPrecisions(const std::vector<DSProp>& seriesList)
{
    std::vector<ColumnPrecision>& orders = m_ordersPrecisions;
    std::vector<ColumnPrecision>& offers = m_offersPrecisions;
    for (const DSProp& series : seriesList)
    {
        const EPrecision min = series.GetMinPrecision();
        const EPrecision precision = series.GetPrecision();
        switch (series.GetSeriesID())
        {
        case kSeriesPrice:
            orders[1] = orders[2] = offers[2] = {min, precision};
            orders[9] = offers[7] = {min, min};
            orders[4] = orders[8] = offers[4] = offers[6] = {2, 2};
            break;
        case kSeriesVolume: orders[3] = offers[3] = {precision, precision}; break;
        case kSeriesVolumeSum:
            orders[7] = {precision, precision};
            offers[5] = {precision, precision};
            break;
        default: break;
        }
    }
}

void OrdersSheetTableSettings::ApplyDefaults()
{
    m_orders = DefaultColumns(kOrdersMode);
    m_offers = DefaultColumns(kOffersMode);
    m_textMargin = 5;
    m_mode = kOrdersMode;
}

std::shared_ptr<StyleBase> OrdersSheetTableSettings::GetColumnStyle(const ColumnProperties& column)
{
    if (column.editedStyle && column.editSourceId == 0)
        return nullptr;
    return column.ownStyle ? column.style : column.namedStyle;
}

void OrdersSheetTableSettings::SelectColumnStyle(ColumnProperties& column, int styleId)
{
    if (styleId == 0 || styleId == StyleBase::kOwnStyleId)
    {
        column.namedStyle.reset();
        return;
    }
    column.namedStyle = FindTextStyle(styleId);
    if (column.namedStyle)
        column.styleId = column.namedStyle->GetId();
}

void OrdersSheetTableSettings::SetColumnOwnStyle(ColumnProperties& column, const std::shared_ptr<StyleBase>& style)
{
    column.style = style ? style : StyleTextField::CreateInstance();
}

void OrdersSheetTableSettings::SetColumnStyle(ColumnProperties& column, int styleId, bool keepOwn)
{
    if (!column.style)
        column.style = StyleTextField::CreateInstance();
    if (!keepOwn && styleId == 0)
    {
        // Leaving the edit gives the column back what it showed before it: the own style as it
        // was (the working copy holds it) and the named style of its id, not the last one tried.
        column.namedStyle = FindTextStyle(column.styleId);
        if (column.editedStyle)
        {
            column.style->CopyFrom(*column.editedStyle, true);
            column.ownStyle = column.ownStyleBeforeEdit;
        }
        else
            column.ownStyle = false;
        column.editedStyle.reset();
        column.editSourceId = 0;
        return;
    }
    if (keepOwn && !column.editedStyle)
    {
        column.editedStyle = StyleTextField::CreateInstance();
        column.editedStyle->CopyFrom(*column.style, true);
        column.ownStyleBeforeEdit = column.ownStyle;
    }
    column.namedStyle = FindTextStyle(styleId);
    const std::shared_ptr<StyleBase> source = column.namedStyle ? column.namedStyle : column.editedStyle;
    column.style->CopySettingsFromSelectedStyle(source);
    column.editSourceId = StyleBase::SafeGetId(source);
    column.ownStyle = true;
}

void OrdersSheetTableSettings::ApplyEditedColumnStyle(ColumnProperties& column)
{
    column.ownStyle = true;
    column.styleId = column.editSourceId;
    column.editSourceId = 0;
    if (!column.style)
        column.style = StyleTextField::CreateInstance();
    if (!column.namedStyle)
    {
        column.style->CopySettingsFromSelectedStyle(column.editedStyle);
        column.ownStyle = false;
    }
    else
        column.style->CopySettingsFromSelectedStyle(column.namedStyle);
    column.editedStyle.reset();
}

void OrdersSheetTableSettings::CopyColumnStyleParameter(ColumnProperties& column, int parameterId)
{
    const std::shared_ptr<StyleBase> source = FindTextStyle(column.styleId);
    if (!source)
        return;
    if (!column.style)
        column.style = StyleTextField::CreateInstance();
    StyleOrdersSheet::CopyTextFieldParameter(*source, *column.style, parameterId);
    column.style->SetChangedParameter(parameterId, false);
}

void OrdersSheetTableSettings::CopyAllColumnStyleParameters()
{
    for (int mode : {kOrdersMode, kOffersMode})
    {
        for (ColumnProperties& column : Columns(mode))
        {
            for (int parameterId : {3, 5, 7, 9, 2, 4, 6, 8, StyleOrdersSheet::kFontParameterId, 0, 1, 12})
                CopyColumnStyleParameter(column, parameterId);
        }
    }
}

void OrdersSheetTableSettings::Serialize(Settings& node) const
{
    node[kModeKey] = std::uint32_t(m_mode);
    for (int mode : {kOrdersMode, kOffersMode})
    {
        const std::vector<ColumnProperties>& columns = Columns(mode);
        for (int i = 0; i < int(columns.size()); ++i)
        {
            const ColumnProperties& column = columns[std::size_t(i)];
            node[Key(mode, kWidthWord, i)] = std::int32_t(column.width);
            node[Key(mode, kVisibleWord, i)] = column.visible;
            node[Key(mode, kKindWord, i)] = std::int32_t(column.kind);
            node[Key(mode, kStyleIdWord, i)] = std::int32_t(GetColumnStyleId(column));
            if (column.style)
                StyleBase::SafeSerialize(column.style, node[Key(mode, kStyleOwnWord, i)]);
        }
    }
    m_rowsStyles.Serialize(node);
}

void OrdersSheetTableSettings::UnserializeColumns(const Settings& node, int mode)
{
    std::vector<ColumnProperties> columns = Columns(mode);
    for (int i = 0; i < int(columns.size()); ++i)
    {
        ColumnProperties& column = columns[std::size_t(i)];
        if (const QString key = Key(mode, kWidthWord, i); node.Exists(key))
            column.width = node[key].ToInt();
        if (const QString key = Key(mode, kVisibleWord, i); node.Exists(key))
            column.visible = node[key].ToInt() == 1;
        if (const QString key = Key(mode, kKindWord, i); node.Exists(key))
            column.kind = node[key].ToInt();
        if (const QString key = Key(mode, kStyleOwnWord, i); node.Exists(key))
        {
            std::shared_ptr<StyleBase> own = StyleBase::LoadStyle(node[key]);
            if (own && own->GetType() == StyleTextField::Type)
            {
                SetColumnOwnStyle(column, own);
                column.ownStyle = true;
            }
        }
        if (const QString key = Key(mode, kStyleIdWord, i); node.Exists(key))
        {
            const int styleId = node[key].ToInt();
            if (styleId == 0 || styleId == StyleBase::kOwnStyleId)
                SelectColumnStyle(column, styleId);
            else if (const std::shared_ptr<StyleBase> named = FindTextStyle(styleId))
                SelectColumnStyle(column, named->GetId());
        }
    }
    if (!IsArrangement(columns))
    {
        Log::WriteWarning(QStringLiteral("Układ kolumn trybu %1 arkusza zleceń jest niepoprawny; przywrócono układ domyślny.").arg(mode),
                          QStringLiteral("Quorvanta 4"), QStringLiteral("OrdersSheetTableSettings::Unserialize"), __LINE__);
        columns = DefaultColumns(mode);
    }
    Columns(mode) = std::move(columns);
}

void OrdersSheetTableSettings::Unserialize(const Settings& node)
{
    if (node.Exists(kModeKey))
    {
        const std::uint32_t mode = node[kModeKey].ToUInt();
        if (mode == kOrdersMode || mode == kOffersMode)
            m_mode = int(mode);
    }
    UnserializeColumns(node, kOrdersMode);
    UnserializeColumns(node, kOffersMode);
    m_rowsStyles.Unserialize(node);
}

void OrdersSheetTableSettings::SaveToQ5Format(Q5Settings& node) const
{
    node["Mode"] = std::int32_t(m_mode);
    for (int mode : {kOrdersMode, kOffersMode})
    {
        const std::vector<ColumnProperties>& columns = Columns(mode);
        for (int i = 0; i < int(columns.size()); ++i)
        {
            const ColumnProperties& column = columns[std::size_t(i)];
            node[Key(mode, kWidthWord, i).toStdString()] = std::int32_t(column.width);
            node[Key(mode, kVisibleWord, i).toStdString()] = column.visible;
            node[Key(mode, kKindWord, i).toStdString()] = std::int32_t(column.kind);
        }
    }
}
