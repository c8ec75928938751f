#include "platform/settings/SettingsWrapper.h"

#include "platform/settings/Settings.h"
#include "platform/settings/SettingsOptionList.h"

void SettingsWrapper::SetDisplayNameAndType(const QString& displayName, EVariableTypes type)
{
    m_node.SetDisplayNameAndType(displayName, type);
}

bool SettingsWrapper::SetValueFromOptionList(int index)
{
    SettingsOptionList& options = m_node.OptionList();
    if (!options.SetCurrentOptionID(index))
        return false;
    m_node.SetValue(options[index].ToString());
    return true;
}
