#include "orderssheet/settings/OrdersSheetRowsStyleSet.h"

#include "orderssheet/settings/StyleOrdersSheet.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

namespace
{
const QString kRowsStylesKey = QStringLiteral("RowsStyles");
const QString kActionKey = QStringLiteral("Action");
const QString kStyleIdKey = QStringLiteral("StyleId");
const QString kStyleOwnKey = QStringLiteral("StyleOwn");
// The key of an entry written as an unnamed child (its key already names the other action's entry).
const QString kRowKeyKey = QStringLiteral("RowKey");

std::shared_ptr<StyleBase> CopyOf(const std::shared_ptr<StyleBase>& style)
{
    return style ? style->Copy() : nullptr;
}

bool IsWorthSaving(const OrdersSheetRowsStyleSet::RowStyleSet& entry)
{
    if (entry.originStyle)
        return true;
    const auto* text = dynamic_cast<const StyleTextField*>(entry.style.get());
    return text && text->IsStyleModified();
}

void WriteEntry(const OrdersSheetRowsStyleSet::RowStyleSet& entry, unsigned action, Settings& child)
{
    child[kActionKey] = std::uint32_t(action);
    child[kStyleIdKey] = std::int32_t(entry.styleId);
    StyleBase::SafeSerialize(entry.style, child[kStyleOwnKey]);
}
}

std::shared_ptr<OrdersSheetRowsStyleSet::RowStyleSet> OrdersSheetRowsStyleSet::GetEntry(int action, const QString& key,
                                                                                       bool create)
{
    Entries& map = Map(action);
    const auto found = map.find(key);
    if (found != map.end())
        return found->second;
    if (!create)
        return nullptr;
    return map.emplace(key, std::make_shared<RowStyleSet>()).first->second;
}

const OrdersSheetRowsStyleSet::RowStyleSet* OrdersSheetRowsStyleSet::Find(int action, const QString& key) const
{
    const Entries& map = GetEntries(action);
    const auto found = map.find(key);
    return found == map.end() ? nullptr : found->second.get();
}

std::shared_ptr<StyleBase> OrdersSheetRowsStyleSet::GetStyle(int action, const QString& key) const
{
    const RowStyleSet* entry = Find(action, key);
    if (!entry || (entry->editing && entry->savedStyleId == 0))
        return nullptr;
    return entry->style;
}

std::shared_ptr<StyleBase> OrdersSheetRowsStyleSet::GetStyleForPaint(int action, const QString& key)
{
    const std::shared_ptr<RowStyleSet> entry = GetEntry(action, key, true);
    if (!entry->style)
        entry->style = StyleTextField::CreateInstance();
    return entry->style;
}

int OrdersSheetRowsStyleSet::GetStyleId(int action, const QString& key) const
{
    const RowStyleSet* entry = Find(action, key);
    if (!entry)
        return StyleBase::SafeGetId(nullptr);
    return entry->backupStyle ? entry->savedStyleId : entry->styleId;
}

void OrdersSheetRowsStyleSet::EnsureStyles(RowStyleSet& entry)
{
    if (!entry.style)
        entry.style = StyleTextField::CreateInstance();
    if (!entry.backupStyle)
        entry.backupStyle = StyleTextField::CreateInstance();
}

void OrdersSheetRowsStyleSet::SetNamedStyle(RowStyleSet& entry, int styleId)
{
    if (styleId == kOwnStyleId)
    {
        entry.styleId = kOwnStyleId;
        return;
    }
    entry.originStyle = StylesContainer::Instance().FindStyle(styleId, StyleTextField::Type);
    if (!entry.style)
        entry.style = StyleTextField::CreateInstance();
    entry.style->CopySettingsFromSelectedStyle(entry.originStyle);
    entry.styleId = styleId;
}

void OrdersSheetRowsStyleSet::SetStyle(int action, const QString& key, int styleId)
{
    SetNamedStyle(*GetEntry(action, key, true), styleId);
}

void OrdersSheetRowsStyleSet::RemoveEntry(int action, const QString& key)
{
    Map(action).erase(key);
}

void OrdersSheetRowsStyleSet::CopyParameter(RowStyleSet& entry, int parameterId)
{
    const std::shared_ptr<StyleBase> source = StylesContainer::Instance().FindStyle(entry.styleId, StyleTextField::Type);
    if (!source)
        return;
    if (!entry.style)
        entry.style = StyleTextField::CreateInstance();
    StyleOrdersSheet::CopyTextFieldParameter(*source, *entry.style, parameterId);
    entry.style->SetChangedParameter(parameterId, false);
}

void OrdersSheetRowsStyleSet::CopyParameter(int action, int parameterId)
{
    for (const auto& [key, entry] : Map(action))
        CopyParameter(*entry, parameterId);
}

void OrdersSheetRowsStyleSet::CopyParameter(int action, const QString& key, int parameterId)
{
    if (const std::shared_ptr<RowStyleSet> entry = GetEntry(action, key, false))
        CopyParameter(*entry, parameterId);
}

void OrdersSheetRowsStyleSet::KeepOnlyKeys(int action, const QSet<QString>& keys)
{
    Entries& map = Map(action);
    for (auto position = map.begin(); position != map.end();)
        position = keys.contains(position->first) || position->second->editing ? std::next(position) : map.erase(position);
}

void OrdersSheetRowsStyleSet::BeginEdit(int action, const QString& key)
{
    const std::shared_ptr<RowStyleSet> entry = GetEntry(action, key, true);
    EnsureStyles(*entry);
    entry->backupStyle->CopyFrom(*entry->style, true);
    entry->savedStyleId = entry->styleId;
    entry->savedOriginStyle = entry->originStyle;
    entry->editing = true;
}

void OrdersSheetRowsStyleSet::EndEdit(int action, const QString& key)
{
    if (const std::shared_ptr<RowStyleSet> entry = GetEntry(action, key, false))
    {
        entry->editing = false;
        entry->backupStyle.reset();
        entry->savedOriginStyle.reset();
    }
}

void OrdersSheetRowsStyleSet::RestoreEdit(int action, const QString& key)
{
    const std::shared_ptr<RowStyleSet> entry = GetEntry(action, key, false);
    if (!entry)
        return;
    entry->editing = false;
    entry->styleId = entry->savedStyleId;
    entry->originStyle = std::move(entry->savedOriginStyle);
    if (!entry->style)
        entry->style = StyleTextField::CreateInstance();
    // The backup is the row exactly as it was, colours changed on the row itself included.
    if (entry->backupStyle)
        entry->style->CopyFrom(*entry->backupStyle, true);
    else
        entry->style->CopySettingsFromSelectedStyle(entry->originStyle);
    entry->backupStyle.reset();
}

void OrdersSheetRowsStyleSet::CopyFrom(const OrdersSheetRowsStyleSet& other)
{
    if (&other == this)
        return;
    for (int action : {0, 1})
    {
        Entries& map = Map(action);
        map.clear();
        for (const auto& [key, entry] : other.GetEntries(action))
        {
            auto copy = std::make_shared<RowStyleSet>(*entry);
            copy->style = CopyOf(entry->style);
            copy->backupStyle = CopyOf(entry->backupStyle);
            map.emplace(key, std::move(copy));
        }
    }
}

void OrdersSheetRowsStyleSet::Serialize(Settings& node) const
{
    Settings& rows = node[kRowsStylesKey];
    rows.Clear();
    for (const auto& [key, entry] : m_action0)
    {
        if (IsWorthSaving(*entry))
            WriteEntry(*entry, 0, rows[key]);
    }
    for (const auto& [key, entry] : m_action1)
    {
        if (!IsWorthSaving(*entry))
            continue;
        if (!rows.Exists(key))
        {
            WriteEntry(*entry, 1, rows[key]);
            continue;
        }
        Settings& child = rows.AddUnnamed();
        child[kRowKeyKey] = key;
        WriteEntry(*entry, 1, child);
    }
}

void OrdersSheetRowsStyleSet::Unserialize(const Settings& node)
{
    if (!node.Exists(kRowsStylesKey))
        return;
    const Settings& rows = node[kRowsStylesKey];
    m_action0.clear();
    m_action1.clear();
    auto read = [this](const QString& key, const Settings& child) {
        auto entry = std::make_shared<RowStyleSet>();
        const int action = child[kActionKey].ToInt();
        if (child[kStyleOwnKey].IsValid())
        {
            std::shared_ptr<StyleBase> own = StyleBase::LoadStyle(child[kStyleOwnKey]);
            if (own && own->GetType() == StyleTextField::Type)
                entry->style = std::move(own);
        }
        const int styleId = child[kStyleIdKey].ToInt();
        if (styleId == kOwnStyleId)
            entry->styleId = kOwnStyleId;
        else if (const std::shared_ptr<StyleBase> named = StylesContainer::Instance().FindStyle(styleId, StyleTextField::Type))
            SetNamedStyle(*entry, named->GetId());
        Map(action == 0 ? 0 : 1)[key] = std::move(entry);
    };
    for (ConstSettingsIterator child = rows.Iterator(1); child.Iterate();)
        read(child.Name(), child.Node());
    for (ConstSettingsIterator child = rows.IteratorUnnamed(1); child.Iterate();)
        read(child.Node()[kRowKeyKey].ToString(), child.Node());
}
