#include "workspace/ui/ProviderMenuEntries.h"

#include "platform/modules/ProviderBase.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonPopupBar.h"

int ProviderMenuEntries::Build(const std::vector<ProviderBase*>& providers)
{
    m_entries.clear();
    for (ProviderBase* provider : providers)
    {
        if (provider == nullptr)
            continue;
        auto entry = std::make_unique<ProviderMenuEntry>(*provider);
        if (!entry->RegisterMessage(++m_counter))
            continue;
        const std::uint32_t id = entry->GetId();
        m_entries.emplace(id, std::move(entry));
    }
    return static_cast<int>(m_entries.size());
}

ProviderMenuEntry* ProviderMenuEntries::Find(std::uint32_t id) const
{
    const auto found = m_entries.find(id);
    return found == m_entries.end() ? nullptr : found->second.get();
}

std::vector<std::uint32_t> ProviderMenuEntries::GetIds() const
{
    std::vector<std::uint32_t> ids;
    for (const auto& [id, entry] : m_entries)
        ids.push_back(id);
    return ids;
}

ProviderMenuEntries::ConfigureResult ProviderMenuEntries::Configure(std::uint32_t id, QWidget* parent) const
{
    const ProviderMenuEntry* entry = Find(id);
    if (entry == nullptr)
        return ConfigureResult::NoEntry;
    ProviderBase& provider = entry->GetProvider();
    // The provider is asked first: a non-zero answer keeps the session whatever the dialog does.
    const int query = provider.QueryBeforeConfigure();
    const bool changed = provider.ShowConfiguration(parent);
    return query == 0 && changed ? ConfigureResult::Reload : ConfigureResult::Kept;
}

std::vector<MenuItem> ProviderMenuEntries::MenuItems() const
{
    std::vector<MenuItem> items;
    for (const auto& [id, entry] : m_entries)
        items.push_back(MenuItem::Command(id, entry->GetCaption()));
    return items;
}

void ProviderMenuEntries::FillPopup(RibbonPopupBar& popup) const
{
    for (const auto& [id, entry] : m_entries)
    {
        RibbonControl* button = popup.Add(RibbonControlButton, id, entry->GetCaption());
        button->SetDescription(entry->GetDescription());
        button->SetTooltip(entry->GetDescription());
    }
}
