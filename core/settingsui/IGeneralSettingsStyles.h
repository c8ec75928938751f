#pragma once
// The display styles as the general settings dialog needs them for a parameter that chooses
// a style: the styles of one kind to choose from, and the chosen style written into the
// group's own-style node. The styles container stands behind it; without one the dialog
// offers no styles to choose.

#include <QString>

#include <vector>

class Settings;

class IGeneralSettingsStyles
{
public:
    struct StyleEntry
    {
        int id;
        QString name;
    };

    virtual ~IGeneralSettingsStyles() = default;

    // The styles of the kind, in the container's order.
    virtual std::vector<StyleEntry> GetAllStylesOfKind(int kind) const = 0;
    // The style of that id writes itself into the (empty) node; false when there is none.
    virtual bool SerializeStyle(int id, Settings& node) const = 0;
};
