#include "alerts/engine/AlertProps.h"

#include "platform/modules/AlertSettingsNode.h"
#include "platform/settings/Settings.h"

AlertProps::AlertProps(const AlertPropsDefaults& defaults)
    : m_onlyOnce(defaults.OnlyOnce)
    , m_synchronious(defaults.Synchronious)
    , m_sound(defaults.Sound)
    , m_mail(defaults.Mail)
    , m_window(defaults.Window)
{
}

void AlertProps::Serialize(Settings& node) const
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("AlertProps::Serialize", __LINE__,
                                      QStringLiteral("Właściwości alertu: niepoprawny obiekt ustawień"));
        return;
    }
    node["OnlcyOnce"] = m_onlyOnce;
    node["Synchronious"] = m_synchronious;
    node["Sound"] = m_sound;
    node["Mail"] = m_mail;
    node["Window"] = m_window;
    node["Name"] = m_name;
    node["LastGenerated"] = m_lastGenerated;
}

void AlertProps::Unserialize(const Settings& node)
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("AlertProps::Unserialize", __LINE__,
                                      QStringLiteral("Właściwości alertu: niepoprawny obiekt ustawień"));
        return;
    }
    const struct
    {
        const char* key;
        bool* member;
        const char* what;
    } flags[] = {
        {"OnlcyOnce", &m_onlyOnce, "'tylko raz'"},
        {"Synchronious", &m_synchronious, "'synchroniczny'"},
        {"Sound", &m_sound, "'dzwięk'"},
        {"Mail", &m_mail, "'Mail'"},
        {"Window", &m_window, "'Okno'"},
    };
    for (const auto& flag : flags)
    {
        if (const std::optional<bool> value = AlertSettingsNode::ReadBool(node, flag.key))
            *flag.member = *value;
        else
            AlertSettingsNode::WriteError("AlertProps::Unserialize", __LINE__,
                                          QStringLiteral("Właściwości alertu: niepoprawny obiekt ustawień ")
                                              + QString::fromUtf8(flag.what));
    }
    if (const std::optional<QString> name = AlertSettingsNode::ReadString(node, "Name"))
        m_name = *name;
    else
        AlertSettingsNode::WriteError("AlertProps::Unserialize", __LINE__,
                                      QStringLiteral("Właściwości alertu: niepoprawny obiekt ustawień 'Nazwa alertu'"));
    // Only a side or "none": any other value would stop the alert for good.
    const std::optional<std::uint32_t> lastGenerated = AlertSettingsNode::ReadUInt(node, "LastGenerated");
    if (lastGenerated && *lastGenerated <= kNoneGenerated)
        m_lastGenerated = *lastGenerated;
    else
        AlertSettingsNode::WriteError(
            "AlertProps::Unserialize", __LINE__,
            QStringLiteral("Właściwości alertu: niepoprawny obiekt ustawień ostatnio wygenerowanego alertu"));
}
