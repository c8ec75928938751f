#include "core/settings/AlertsGeneralSettingsGroup.h"

#include "core/settings/AlertsGeneralSettingsKeys.h"
#include "core/settings/AlertsGeneralSettingsNodeValidator_ver1.h"
#include "core/settings/AlertsGeneralSettingsNodeValidator_ver2.h"
#include "core/settings/CompositeStateNodeValidator.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsNodes.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/IAlertsGeneralSettingsOwner.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/settings/Settings.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

using namespace AlertsGeneralSettingsKeys;
using namespace GeneralSettingsNodes;

namespace
{
struct NodeCaption
{
    const QString& key;
    const char* caption;
    EVariableTypes type;
};

// A container parameter of the node under the key, with its children as sub-parameters.
std::shared_ptr<GeneralSettingsParameter> DescribeContainer(Settings& root, const NodeCaption& container,
                                                            std::initializer_list<NodeCaption> children)
{
    Settings& node = Describe(root[container.key], QString::fromUtf8(container.caption), container.type);
    auto parameter = std::make_shared<GeneralSettingsParameter>(node);
    for (const NodeCaption& child : children)
    {
        Describe(node[child.key], QString::fromUtf8(child.caption), child.type);
        parameter->AddSubParameter(child.key);
    }
    return parameter;
}

void PointEmptySound(Settings& sound, const QString& fileName)
{
    if (sound.ToString().isEmpty())
        sound = DefaultSoundPath(fileName);
}
}

AlertsGeneralSettingsGroup::AlertsGeneralSettingsGroup(IAlertsGeneralSettingsOwner* owner) : m_owner(owner)
{
    auto validator = std::make_shared<CompositeStateNodeValidator>();
    validator->AttachAtomicValidator(std::make_shared<AlertsGeneralSettingsNodeValidator_ver1>());
    validator->AttachAtomicValidator(std::make_shared<AlertsGeneralSettingsNodeValidator_ver2>());
    SetValidator(std::move(validator));
    ReadValues(std::as_const(*LoadCurrentSettingsNode()));
}

AlertsGeneralSettingsGroup::~AlertsGeneralSettingsGroup() = default;

QString AlertsGeneralSettingsGroup::GetSettingsFilePath(bool current) const
{
    return GenerateSettingsFilePath(current, QStringLiteral("AlertsModule"), QStringLiteral("current_default.q4sAM"),
                                    QStringLiteral("base_default.q4sAM"));
}

void AlertsGeneralSettingsGroup::BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent)
{
    std::shared_ptr<Settings> root = LoadParametersNode(fromCurrent);
    Describe(*root, QStringLiteral("Alerty lokalne"), VariableContainer);
    target.SetSettingsSourceNode(root);

    std::shared_ptr<GeneralSettingsParameter> smtp =
        DescribeContainer(*root, {kSmtpServerParameters, "Serwer poczty wychodzącej (SMTP)", VariableContainer},
                          {{kHost, "Nazwa serwera", VariableText},
                           {kUser, "Użytkownik", VariableText},
                           {kPassword, "Hasło", VariablePassword},
                           {kPort, "Port", VariableLimitedNumber},
                           {kEncryption, "Szyfrowanie", VariableOptionList}});
    Settings& encryption = (*root)[kSmtpServerParameters][kEncryption];
    ClearOptions(encryption);
    AddOption(encryption, QStringLiteral("brak szyfrowania"), static_cast<std::uint32_t>(AlertsGeneralSettingsValues::kNoEncryption));
    AddOption(encryption, QStringLiteral("SSL/TLS"), static_cast<std::uint32_t>(AlertsGeneralSettingsValues::kSslTls));
    AddOption(encryption, QStringLiteral("STARTTLS"), static_cast<std::uint32_t>(AlertsGeneralSettingsValues::kStartTls));
    SelectCurrentOptionByNumber(encryption);
    target.AttachParameter(smtp);

    for (const NodeCaption& plain : {NodeCaption{kDestinationAddress, "Adres docelowy", VariableText},
                                     NodeCaption{kWindowTime, "Wyświetlaj alert przez", VariableLimitedNumber},
                                     NodeCaption{kBuySound, "Dźwięk kupna", VariableFilePath},
                                     NodeCaption{kSellSound, "Dźwięk sprzedaży", VariableFilePath}})
        target.AttachParameter(Describe((*root)[plain.key], QString::fromUtf8(plain.caption), plain.type));

    target.AttachParameter(DescribeContainer(*root, {kGenerate, "Generuj", VariableContainer},
                                             {{kOnce, "Tylko raz", VariableBool},
                                              {kSynchroniously, "Synchronicznie", VariableBool}}));
    target.AttachParameter(DescribeContainer(
        *root, {kInform, "Informuj", VariableContainer},
        {{kSound, "Dźwięk", VariableBool}, {kMail, "Mail", VariableBool}, {kWindow, "Okno", VariableBool}}));
}

bool AlertsGeneralSettingsGroup::SaveGroup(std::shared_ptr<Settings> node)
{
    if (!node)
        return false;
    const bool saved = GeneralSettingsGroupManagerBase::SaveGroup(node);
    // The user's choice applies to this run even when the file could not be written.
    ReadValues(std::as_const(*node));
    if (m_owner)
        m_owner->SetupMailSender();
    return saved;
}

AlertsGeneralSettingsValues AlertsGeneralSettingsGroup::GetValues() const
{
    SafeAutoLock lock(m_valuesLock, "AlertsGeneralSettingsGroup::GetValues", "AlertsGeneralSettingsGroup");
    return m_values;
}

void AlertsGeneralSettingsGroup::ReadValues(const Settings& node)
{
    const Settings& smtp = node[kSmtpServerParameters];
    AlertsGeneralSettingsValues values;
    values.host = smtp[kHost].ToString();
    values.user = smtp[kUser].ToString();
    values.password = Settings::DecryptValue(smtp[kPassword].ToString());
    values.port = smtp[kPort].ToInt();
    values.encryption = smtp[kEncryption].ToInt();
    values.destinationAddress = node[kDestinationAddress].ToString();
    // An old file may hold a negative time, which would read as some 136 years.
    const Settings& windowTime = node[kWindowTime];
    values.windowTime = windowTime.ToString().trimmed().startsWith(QLatin1Char('-')) ? 0 : windowTime.ToUInt();
    values.buySound = node[kBuySound].ToString();
    values.sellSound = node[kSellSound].ToString();
    values.generateOnce = node[kGenerate][kOnce].ToBool();
    values.generateSynchroniously = node[kGenerate][kSynchroniously].ToBool();
    values.informSound = node[kInform][kSound].ToBool();
    values.informMail = node[kInform][kMail].ToBool();
    values.informWindow = node[kInform][kWindow].ToBool();

    SafeAutoLock lock(m_valuesLock, "AlertsGeneralSettingsGroup::ReadValues", "AlertsGeneralSettingsGroup");
    m_values = std::move(values);
}

std::shared_ptr<Settings> AlertsGeneralSettingsGroup::LoadFabricSettingsNode() const
{
    std::shared_ptr<Settings> node = GeneralSettingsGroupManagerBase::LoadFabricSettingsNode();
    if (node)
    {
        PointEmptySound((*node)[kBuySound], kBuySoundFile);
        PointEmptySound((*node)[kSellSound], kSellSoundFile);
    }
    return node;
}
