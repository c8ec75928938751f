#include "core/settings/AlertsGeneralSettingsNodeValidator_ver2.h"

#include "core/settings/AlertsGeneralSettingsKeys.h"
#include "core/settings/AlertsGeneralSettingsValues.h"
#include "core/settings/GeneralSettingsNodes.h"
#include "platform/settings/Settings.h"

#include <QFileInfo>

#include <memory>

using namespace AlertsGeneralSettingsKeys;

bool AlertsGeneralSettingsNodeValidator_ver2::Validate(Settings& node) const
{
    bool changed = false;
    if (node.Version() == 1)
    {
        MoveSmtpNode(node);
        node.Version(FinalStateVersion());
        changed = true;
    }
    changed = RepairSound(node[kBuySound], kBuySoundFile) || changed;
    changed = RepairSound(node[kSellSound], kSellSoundFile) || changed;
    return changed;
}

void AlertsGeneralSettingsNodeValidator_ver2::MoveSmtpNode(Settings& node)
{
    if (std::shared_ptr<Settings> smtp = node.DetachNamedNode(kSmtpParameters))
        node.AttachNamedNode(kSmtpServerParameters, smtp);
    // A version-1 node without SMTP settings gets an SMTP node with the defaults.
    Settings& server = node[kSmtpServerParameters];
    if (!server.Exists(kPort))
        GeneralSettingsNodes::Describe(server[kPort], QStringLiteral("Port"), VariableLimitedNumber) = kDefaultPort;
    if (!server.Exists(kEncryption))
        GeneralSettingsNodes::Describe(server[kEncryption], QStringLiteral("Szyfrowanie"), VariableOptionList) =
            AlertsGeneralSettingsValues::kNoEncryption;
    if (std::shared_ptr<Settings> address = server.DetachNamedNode(kDestinationAddress))
        node.AttachNamedNode(kDestinationAddress, address);
}

bool AlertsGeneralSettingsNodeValidator_ver2::RepairSound(Settings& sound, const QString& defaultFileName)
{
    const QString path = sound.ToString();
    if (!path.isEmpty() && QFileInfo::exists(path))
        return false;
    const QString defaultPath = DefaultSoundPath(defaultFileName);
    if (path == defaultPath)
        return false;
    sound = defaultPath;
    return true;
}
