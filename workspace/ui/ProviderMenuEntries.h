#pragma once
// The data providers' entries of the ribbon's system menu by command id, in ascending id order,
// made anew each time the menu is built. Main thread only.

#include "platform/ui/MenuItem.h"
#include "workspace/ui/ProviderMenuEntry.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QWidget;
class RibbonPopupBar;

class ProviderMenuEntries
{
public:
    enum class ConfigureResult
    {
        NoEntry,
        // The configuration was shown; the session stays as it is.
        Kept,
        // The provider allowed it and its configuration changed: the session loads again.
        Reload
    };

    // Drops the old entries and makes one per named provider; the number made.
    int Build(const std::vector<ProviderBase*>& providers);
    void Clear() { m_entries.clear(); }
    bool IsEmpty() const { return m_entries.empty(); }
    bool Contains(std::uint32_t id) const { return m_entries.contains(id); }
    // Null for an id of no entry.
    ProviderMenuEntry* Find(std::uint32_t id) const;
    std::vector<std::uint32_t> GetIds() const;
    // Opens the configuration of the entry's provider over the parent.
    ConfigureResult Configure(std::uint32_t id, QWidget* parent) const;

    // The entries as menu commands, and as the buttons of a ribbon popup.
    std::vector<MenuItem> MenuItems() const;
    void FillPopup(RibbonPopupBar& popup) const;

private:
    std::map<std::uint32_t, std::unique_ptr<ProviderMenuEntry>> m_entries;
    // Every build registers new names, so an id of an older menu never reaches a new entry.
    int m_counter = 0;
};
