#pragma once
// Upgrades a local alerts' node of version 1 to version 2: the SMTP node moves from
// "smtpParameters" to "smtpServerParameters", gains the port (25) and the encryption (none)
// when it has none, and gives the destination address to the root. For every version it
// also points a sound that is empty or names no existing file at the program's own sound.

#include "core/settings/ISettingsValidator.h"

#include <QString>

#include <cstdint>

class AlertsGeneralSettingsNodeValidator_ver2 : public ISettingsValidator
{
public:
    static constexpr std::int32_t kDefaultPort = 25;

    bool Validate(Settings& node) const override;
    unsigned FinalStateVersion() const override { return 2; }

private:
    static void MoveSmtpNode(Settings& node);
    // True when the sound was changed.
    static bool RepairSound(Settings& sound, const QString& defaultFileName);
};
