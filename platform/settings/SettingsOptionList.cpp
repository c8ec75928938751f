#include "platform/settings/SettingsOptionList.h"

#include "platform/settings/Settings.h"

SettingsOptionList::SettingsOptionList() = default;

SettingsOptionList::SettingsOptionList(const SettingsOptionList& other) : m_current(other.m_current)
{
    m_options.reserve(other.m_options.size());
    for (const auto& option : other.m_options)
        m_options.push_back(std::make_shared<Settings>(*option));
}

SettingsOptionList& SettingsOptionList::operator=(const SettingsOptionList& other)
{
    if (this != &other && !m_frozen)
    {
        SettingsOptionList copy(other);
        m_options = std::move(copy.m_options);
        m_current = copy.m_current;
    }
    return *this;
}

SettingsOptionList::~SettingsOptionList() = default;

Settings& SettingsOptionList::operator[](int index)
{
    if (index < 0 || index >= Size())
        return Settings::InvalidVariable();
    return *m_options[index];
}

const Settings& SettingsOptionList::operator[](int index) const
{
    if (index < 0 || index >= Size())
        return Settings::InvalidVariable();
    return *m_options[index];
}

Settings& SettingsOptionList::AddOption()
{
    if (m_frozen)
        return Settings::InvalidVariable();
    m_options.push_back(std::make_shared<Settings>());
    return *m_options.back();
}

bool SettingsOptionList::SetCurrentOptionID(int index)
{
    if (m_frozen || index < 0 || index >= Size())
        return false;
    m_current = index;
    return true;
}

SettingsOptionList& SettingsOptionList::Frozen()
{
    static SettingsOptionList frozen{FrozenTag()};
    return frozen;
}
