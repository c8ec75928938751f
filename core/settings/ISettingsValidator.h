#pragma once
// One step of the upgrade of a group's settings node from an older layout: it recognises the
// state version it upgrades, changes the node and stamps the version it produces.

class Settings;

class ISettingsValidator
{
public:
    virtual ~ISettingsValidator() = default;

    // True when the node was changed.
    virtual bool Validate(Settings& node) const = 0;
    // The state version of a node this step has upgraded.
    virtual unsigned FinalStateVersion() const = 0;
};
