#pragma once
// Upgrades a local alerts' node of version 0, which kept the alert window's time in
// milliseconds, to version 1 (seconds).

#include "core/settings/ISettingsValidator.h"

class AlertsGeneralSettingsNodeValidator_ver1 : public ISettingsValidator
{
public:
    bool Validate(Settings& node) const override;
    unsigned FinalStateVersion() const override { return 1; }
};
