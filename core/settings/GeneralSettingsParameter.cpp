#include "core/settings/GeneralSettingsParameter.h"

#include "platform/settings/Settings.h"

GeneralSettingsParameter::GeneralSettingsParameter(Settings& node) : m_node(node)
{
}

QString GeneralSettingsParameter::Caption() const
{
    return m_node.GetDisplayName();
}

bool GeneralSettingsParameter::AddSubParameter(const QString& key)
{
    if (!m_node.IsValid())
        return false;
    AttachParameter(m_node[key]);
    return true;
}
