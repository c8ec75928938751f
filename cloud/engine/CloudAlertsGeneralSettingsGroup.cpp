#include "cloud/engine/CloudAlertsGeneralSettingsGroup.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudMessageManager.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsNodes.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "platform/settings/Settings.h"

#include <cstdint>
#include <initializer_list>

using GeneralSettingsNodes::Describe;

namespace
{
struct Row
{
    const char* key;
    const char* caption;
    EVariableTypes type;
};

struct Channel
{
    const char* key;
    std::uint8_t bit;
};

const QString kDefaultParams = QStringLiteral("defaultParams");
const QString kMailAndSmsParams = QStringLiteral("mailAndSmsParams");
const QString kServisParams = QStringLiteral("servisParams");

constexpr Channel kChannels[] = {{"sound", CloudAlertData::kSoundBit},
                                 {"window", CloudAlertData::kWindowBit},
                                 {"mail", CloudAlertData::kMailBit},
                                 {"push", CloudAlertData::kPushBit},
                                 {"sms", CloudAlertData::kSmsBit}};

// A category on the root's child of that key, with its rows as sub-parameters in order.
std::shared_ptr<GeneralSettingsParameter> Category(Settings& root, const QString& key, const char* caption,
                                                   std::initializer_list<Row> rows)
{
    Settings& node = Describe(root[key], QString::fromUtf8(caption), VariableContainer);
    auto category = std::make_shared<GeneralSettingsParameter>(node);
    for (const Row& row : rows)
    {
        const QString rowKey = QString::fromLatin1(row.key);
        Describe(node[rowKey], QString::fromUtf8(row.caption), row.type);
        category->AddSubParameter(rowKey);
    }
    return category;
}
}

CloudAlertsGeneralSettingsGroup::CloudAlertsGeneralSettingsGroup(CloudMessageManager& messageManager)
    : m_messageManager(messageManager)
{
}

QString CloudAlertsGeneralSettingsGroup::GetSettingsFilePath(bool current) const
{
    return GenerateSettingsFilePath(current, QStringLiteral("CloudAlerts"), QStringLiteral("current_default.q4sCA"),
                                    QStringLiteral("base_default.q4sCA"));
}

void CloudAlertsGeneralSettingsGroup::BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent)
{
    const CloudUserData& user = m_messageManager.GetUserData();
    auto root = std::make_shared<Settings>();
    Describe(*root, QStringLiteral("Alerty w Chmurze"), VariableContainer);

    Settings& defaults = (*root)[kDefaultParams];
    defaults["onlyonce"] = user.newAlertDefaultOnce;
    for (const Channel& channel : kChannels)
        defaults[channel.key] = (user.defaultNotifications & channel.bit) != 0;
    Settings& contact = (*root)[kMailAndSmsParams];
    contact["addressEmail"] = user.email;
    contact["telNr"] = user.phoneNo;
    contact["activateCode"] = QString();
    (*root)[kServisParams]["id"] = user.cloudLogin;

    target.SetSettingsSourceNode(root);
    target.AttachParameter(Category(*root, kDefaultParams, "Parametry domyślne",
                                    {{"onlyonce", "Tylko raz", VariableBool},
                                     {"sound", "Dźwięk", VariableBool},
                                     {"window", "Okno", VariableBool},
                                     {"mail", "Mail", VariableBool},
                                     {"push", "Push", VariableBool},
                                     {"sms", "Sms", VariableBool}}));
    target.AttachParameter(Category(*root, kMailAndSmsParams, "Konfiguracja mail i SMS",
                                    {{"addressEmail", "Adres e-mail", VariableText},
                                     {"telNr", "Numer telefonu", VariableText},
                                     {"activateCode", "Kod aktywujący sms", VariableText}}));
    target.AttachParameter(Category(*root, kServisParams, "Informacje serwisowe", {{"id", "ID", VariableInactiveText}}));
}

bool CloudAlertsGeneralSettingsGroup::SaveGroup(std::shared_ptr<Settings> node)
{
    if (!node)
        return false;
    const Settings& root = *node;
    const Settings& contact = root[kMailAndSmsParams];
    const QString code = contact["activateCode"].ToString();
    m_messageManager.ChangeUserEmail(contact["addressEmail"].ToString());
    if (!code.isEmpty())
        m_messageManager.SendTelNumberToken(code);
    else
        m_messageManager.ChangeTelNumber(contact["telNr"].ToString());

    const Settings& defaults = root[kDefaultParams];
    std::int32_t bits = 0;
    for (const Channel& channel : kChannels)
        if (defaults[channel.key].ToBool())
            bits |= channel.bit;
    m_messageManager.ChangeCloudAlertNotifications(bits, defaults["onlyonce"].ToBool());
    return true;
}
