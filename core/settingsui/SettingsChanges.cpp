#include "core/settingsui/SettingsChanges.h"

#include "core/settings/GeneralSettingsParameterStyle.h"
#include "core/settingsui/IGeneralSettingsStyles.h"
#include "core/settingsui/StylesListPropertyGridItem.h"
#include "platform/base/BinaryStringSerializer.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsWrapper.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridItemDate.h"
#include "platform/toolkit/PropertyGridItemDouble.h"
#include "platform/toolkit/PropertyGridItemEnum.h"
#include "platform/toolkit/PropertyGridItemFont.h"
#include "platform/toolkit/PropertyGridItemNumber.h"
#include "platform/toolkit/PropertyGridItemSize.h"
#include "platform/toolkit/PropertyGriditemPen.h"

#include <cstdint>
#include <optional>
#include <variant>

namespace
{
// Colours are unsigned; numbers, yes/no, option indexes and style ids signed.
using PendingVariant = std::variant<std::uint32_t, std::int32_t, double, QString, ::Size, OleDate, LogFont, LogPen>;

// The item's value, when the item is of the kind the node's type shows.
template <class Item, class Getter>
std::optional<PendingVariant> Read(const PropertyGridItem& item, Getter get)
{
    if (const auto* typed = dynamic_cast<const Item*>(&item))
        return PendingVariant(get(*typed));
    return std::nullopt;
}

// A value recorded for another type than the node has now is left out.
template <class T>
void WriteAs(Settings& node, const PendingVariant& value)
{
    if (const T* typed = std::get_if<T>(&value))
        node = *typed;
}
}

struct SettingsChanges::PendingValue
{
    PendingVariant value;
    // The node a chosen style is copied into.
    Settings* ownStyleNode = nullptr;
};

SettingsChanges::SettingsChanges(const IGeneralSettingsStyles* styles) : m_styles(styles)
{
}

SettingsChanges::~SettingsChanges()
{
    Clear();
}

void SettingsChanges::OnItemChanged(const PropertyGridItem& item)
{
    Settings* const* stored = std::any_cast<Settings*>(&item.GetItemData());
    Settings* node = stored ? *stored : nullptr;
    if (!node)
        return;

    using Style = ParameterPropertyGrid::StylesListPropertyGridItem;
    // Nothing for a row of another kind than the node's type shows.
    std::optional<PendingVariant> value;
    Settings* ownStyleNode = nullptr;
    switch (node->GetType())
    {
    case VariableColor:
        value = Read<PropertyGridItemColor>(item, [](const auto& color) { return color.GetColor().Value(); });
        break;
    case VariableSize:
        value = Read<PropertyGridItemSize>(item, [](const auto& size) { return size.GetSize(); });
        break;
    case VariableNumber:
    case VariableLimitedNumber:
        value = Read<PropertyGridItemNumber>(item, [](const auto& number) { return number.GetNumber(); });
        break;
    case VariableDouble:
        value = Read<PropertyGridItemDouble>(item, [](const auto& real) { return real.GetDouble(); });
        break;
    case VariableBool:
        value = Read<PropertyGridItemBool>(item, [](const auto& boolean) { return std::int32_t(boolean.GetBool() ? 1 : 0); });
        break;
    case VariableText:
    case VariableFilePath:
    case VariablePassword:
        value = item.GetValue();
        break;
    case VariableDateTime:
    case VariableDate:
        value = Read<PropertyGridItemDate>(item, [](const auto& date) { return date.GetDate(); });
        break;
    case VariableFont:
        value = Read<PropertyGridItemFont>(item, [](const auto& font) { return font.GetFont(); });
        break;
    case VariablePen:
        value = Read<PropertyGriditemPen>(item, [](const auto& pen) { return pen.GetPen(); });
        break;
    case VariableOptionList:
        value = Read<PropertyGridItemEnum>(item, [](const auto& choice) { return choice.GetEnum(); });
        break;
    case VariableStyle:
        if (const auto* style = dynamic_cast<const Style*>(&item))
        {
            value = style->GetEnum();
            ownStyleNode = &style->GetParameter().OwnStyleNodeBuffer();
        }
        break;
    case VariableContainer:
    case VariableReadOnlyText:
    case VariableInactiveText:
        break;
    }
    if (!value)
        return;
    m_pending[node] = std::make_unique<PendingValue>(PendingValue{std::move(*value), ownStyleNode});
}

QStringList SettingsChanges::ApplyAll()
{
    QStringList kept;
    for (const auto& [node, value] : m_pending)
        if (!Apply(*node, *value))
            kept.append(node->GetDisplayName());
    Clear();
    return kept;
}

void SettingsChanges::Clear()
{
    m_pending.clear();
}

bool SettingsChanges::Apply(Settings& node, const PendingValue& pending) const
{
    switch (node.GetType())
    {
    case VariableColor:
        WriteAs<std::uint32_t>(node, pending.value);
        break;
    case VariableSize:
        WriteAs<::Size>(node, pending.value);
        break;
    case VariableNumber:
    case VariableLimitedNumber:
    case VariableBool:
        WriteAs<std::int32_t>(node, pending.value);
        break;
    case VariableDouble:
        WriteAs<double>(node, pending.value);
        break;
    case VariableText:
    case VariableFilePath:
        WriteAs<QString>(node, pending.value);
        break;
    case VariableDateTime:
    case VariableDate:
        WriteAs<OleDate>(node, pending.value);
        break;
    case VariablePassword:
        if (const QString* plain = std::get_if<QString>(&pending.value))
        {
            const QString enciphered = Settings::CryptValue(*plain);
            // Writing the empty result would lose the stored password.
            if (enciphered.isEmpty() && !plain->isEmpty())
                return false;
            node = enciphered;
        }
        break;
    case VariableFont:
        if (const LogFont* font = std::get_if<LogFont>(&pending.value))
            node = BinaryStringSerializer::ConvertBinToText(*font);
        break;
    case VariablePen:
        if (const LogPen* pen = std::get_if<LogPen>(&pending.value))
            node = BinaryStringSerializer::ConvertBinToText(*pen);
        break;
    case VariableOptionList:
        if (const std::int32_t* index = std::get_if<std::int32_t>(&pending.value))
            SettingsWrapper(node).SetValueFromOptionList(*index);
        break;
    case VariableStyle:
        if (const std::int32_t* id = std::get_if<std::int32_t>(&pending.value))
        {
            node = *id;
            Settings style;
            if (m_styles && pending.ownStyleNode && m_styles->SerializeStyle(*id, style))
                *pending.ownStyleNode = std::move(style);
        }
        break;
    case VariableContainer:
    case VariableReadOnlyText:
    case VariableInactiveText:
        break;
    }
    return true;
}
