#pragma once
// Styles for the dialog's style parameters: a list per kind, each style written as its name
// and id under "style".

#include "core/settingsui/IGeneralSettingsStyles.h"
#include "platform/settings/Settings.h"

#include <map>
#include <vector>

class FakeGeneralSettingsStyles : public IGeneralSettingsStyles
{
public:
    std::vector<StyleEntry> GetAllStylesOfKind(int kind) const override
    {
        const auto found = kinds.find(kind);
        return found == kinds.end() ? std::vector<StyleEntry>() : found->second;
    }

    bool SerializeStyle(int id, Settings& node) const override
    {
        for (const auto& [kind, styles] : kinds)
            for (const StyleEntry& style : styles)
                if (style.id == id)
                {
                    node["style"]["name"] = style.name;
                    node["style"]["id"] = style.id;
                    return true;
                }
        return false;
    }

    std::map<int, std::vector<StyleEntry>> kinds;
};
