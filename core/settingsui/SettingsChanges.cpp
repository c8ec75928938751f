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
#include <functional>
#include <optional>
#include <unordered_map>
#include <variant>

namespace
{
// Colours are unsigned; numbers, yes/no, option indexes and style ids signed.
using PendingVariant = std::variant<std::uint32_t, std::int32_t, double, QString, ::Size, OleDate, LogFont, LogPen>;

// How the values of one type travel between rows, pending values and nodes.
struct TypeCodec
{
    // The row's value; nothing for a row of another kind than the type shows.
    std::function<std::optional<PendingVariant>(const PropertyGridItem&)> read;
    // Gives a row made again from the node the pending value.
    std::function<void(PropertyGridItem&, const PendingVariant&)> show;
    // Writes the value into the node; false when it could not be stored.
    std::function<bool(Settings&, const PendingVariant&)> write;
};

// Writes a value into a node as the node takes it.
struct AsIs
{
    template <class T>
    bool operator()(Settings& node, const T& value) const
    {
        node = value;
        return true;
    }
};

// A value kept as T, read from and shown in rows of the kind Item, written by the writer.
template <class Item, class T, class Get, class Set, class Write = AsIs>
TypeCodec Typed(Get get, Set set, Write write = {})
{
    return TypeCodec{
        [get](const PropertyGridItem& item) -> std::optional<PendingVariant> {
            if (const auto* typed = dynamic_cast<const Item*>(&item))
                return PendingVariant(T(get(*typed)));
            return std::nullopt;
        },
        [set](PropertyGridItem& item, const PendingVariant& value) {
            auto* typed = dynamic_cast<Item*>(&item);
            if (const T* pending = std::get_if<T>(&value); typed && pending)
                set(*typed, *pending);
        },
        [write](Settings& node, const PendingVariant& value) {
            const T* pending = std::get_if<T>(&value);
            return !pending || write(node, *pending);
        }};
}

const std::unordered_map<int, TypeCodec>& Codecs()
{
    static const std::unordered_map<int, TypeCodec> codecs = [] {
        const auto getText = [](const auto& item) { return item.GetValue(); };
        const auto setText = [](auto& item, const QString& value) { item.SetValue(value); };
        const auto getChoice = [](const auto& item) { return item.GetEnum(); };
        const auto setChoice = [](auto& item, std::int32_t value) { item.SetEnum(value); };
        const TypeCodec number =
            Typed<PropertyGridItemNumber, std::int32_t>([](const auto& item) { return item.GetNumber(); },
                                                        [](auto& item, std::int32_t value) { item.SetNumber(value); });
        const TypeCodec text = Typed<PropertyGridItem, QString>(getText, setText);
        const TypeCodec date =
            Typed<PropertyGridItemDate, OleDate>([](const auto& item) { return item.GetDate(); },
                                                 [](auto& item, const OleDate& value) { item.SetDate(value); });

        std::unordered_map<int, TypeCodec> byType;
        byType[VariableColor] = Typed<PropertyGridItemColor, std::uint32_t>(
            [](const auto& item) { return item.GetColor().Value(); },
            [](auto& item, std::uint32_t value) { item.SetColor(ColorRef(value)); });
        byType[VariableSize] =
            Typed<PropertyGridItemSize, ::Size>([](const auto& item) { return item.GetSize(); },
                                                [](auto& item, const ::Size& value) { item.SetSize(value); });
        byType[VariableNumber] = number;
        byType[VariableLimitedNumber] = number;
        byType[VariableDouble] = Typed<PropertyGridItemDouble, double>(
            [](const auto& item) { return item.GetDouble(); }, [](auto& item, double value) { item.SetDouble(value); });
        byType[VariableBool] = Typed<PropertyGridItemBool, std::int32_t>(
            [](const auto& item) { return item.GetBool() ? 1 : 0; },
            [](auto& item, std::int32_t value) { item.SetBool(value != 0); });
        byType[VariableText] = text;
        byType[VariableFilePath] = text;
        const auto encipher = [](Settings& node, const QString& plain) {
            const QString enciphered = Settings::CryptValue(plain);
            // Writing the empty result would lose the stored password.
            if (enciphered.isEmpty() && !plain.isEmpty())
                return false;
            node = enciphered;
            return true;
        };
        byType[VariablePassword] = Typed<PropertyGridItem, QString>(getText, setText, encipher);
        byType[VariableDateTime] = date;
        byType[VariableDate] = date;
        const auto asBytesText = [](Settings& node, const auto& value) {
            node = BinaryStringSerializer::ConvertBinToText(value);
            return true;
        };
        byType[VariableFont] =
            Typed<PropertyGridItemFont, LogFont>([](const auto& item) { return item.GetFont(); },
                                                 [](auto& item, const LogFont& value) { item.SetFont(value); },
                                                 asBytesText);
        byType[VariablePen] =
            Typed<PropertyGriditemPen, LogPen>([](const auto& item) { return item.GetPen(); },
                                               [](auto& item, const LogPen& value) { item.SetPen(value); },
                                               asBytesText);
        byType[VariableOptionList] =
            Typed<PropertyGridItemEnum, std::int32_t>(getChoice, setChoice, [](Settings& node, std::int32_t index) {
                SettingsWrapper(node).SetValueFromOptionList(index);
                return true;
            });
        byType[VariableStyle] = Typed<PropertyGridItemEnum, std::int32_t>(getChoice, setChoice);
        return byType;
    }();
    return codecs;
}

// The codec of the node's type; null for the types that keep no value (containers, read-only texts).
const TypeCodec* CodecOf(const Settings& node)
{
    const auto found = Codecs().find(node.GetType());
    return found == Codecs().end() ? nullptr : &found->second;
}

Settings* NodeOf(const PropertyGridItem& item)
{
    Settings* const* node = std::any_cast<Settings*>(&item.GetItemData());
    return node ? *node : nullptr;
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
    Settings* node = NodeOf(item);
    const TypeCodec* codec = node ? CodecOf(*node) : nullptr;
    std::optional<PendingVariant> value = codec ? codec->read(item) : std::nullopt;
    if (!value)
        return;
    Settings* ownStyleNode = nullptr;
    if (const auto* style = dynamic_cast<const ParameterPropertyGrid::StylesListPropertyGridItem*>(&item))
        ownStyleNode = &style->GetParameter().OwnStyleNodeBuffer();
    m_pending[node] = std::make_unique<PendingValue>(PendingValue{std::move(*value), ownStyleNode});
}

void SettingsChanges::ShowPendingValue(PropertyGridItem& item) const
{
    Settings* node = NodeOf(item);
    const auto pending = m_pending.find(node);
    if (pending == m_pending.end())
        return;
    if (const TypeCodec* codec = CodecOf(*node))
        codec->show(item, pending->second->value);
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
    const TypeCodec* codec = CodecOf(node);
    if (!codec)
        return true;
    if (!codec->write(node, pending.value))
        return false;
    // A chosen style is kept in the group as well, as it is now.
    const std::int32_t* styleId = std::get_if<std::int32_t>(&pending.value);
    Settings style;
    if (node.GetType() == VariableStyle && styleId && pending.ownStyleNode && m_styles &&
        m_styles->SerializeStyle(*styleId, style))
        *pending.ownStyleNode = std::move(style);
    return true;
}
