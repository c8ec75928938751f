#pragma once
// One data provider's entry in the ribbon's system menu: a command id of its own, registered as
// a window message named by the provider's name and a running counter, under which the user
// opens the provider's configuration. Main thread only.

#include <QString>

#include <cstdint>

class ProviderBase;

class ProviderMenuEntry
{
public:
    explicit ProviderMenuEntry(ProviderBase& provider);

    // Registers "<provider name><counter>"; false, with no id, for a provider without a name.
    bool RegisterMessage(int counter);
    std::uint32_t GetId() const { return m_id; }
    ProviderBase& GetProvider() const { return m_provider; }
    QString GetCaption() const;
    QString GetDescription() const;

private:
    ProviderBase& m_provider;
    std::uint32_t m_id = 0;
};
