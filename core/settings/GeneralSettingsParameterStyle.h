#pragma once
// A parameter whose value is the id of a display style of one kind. Beside the id the dialog
// writes the chosen style itself into the group's own-style node, so that the group keeps
// the style even when the style file changes later.

#include "core/settings/GeneralSettingsParameter.h"

class Settings;

class GeneralSettingsParameterStyle : public GeneralSettingsParameter
{
public:
    GeneralSettingsParameterStyle(Settings& node, int styleType, Settings& ownStyleNode)
        : GeneralSettingsParameter(node), m_styleType(styleType), m_ownStyleNode(ownStyleNode)
    {
    }

    // The kind of styles offered.
    int StyleType() const { return m_styleType; }
    Settings& OwnStyleNodeBuffer() const { return m_ownStyleNode; }

private:
    int m_styleType;
    Settings& m_ownStyleNode;
};
