#include "core/settingsui/OptionListPropertyGridItem.h"

#include "platform/settings/Settings.h"
#include "platform/settings/SettingsOptionList.h"

ParameterPropertyGrid::OptionListPropertyGridItem::OptionListPropertyGridItem(const Settings& node)
    : PropertyGridItemEnum(node.GetDisplayName(), node.OptionList().CurrentOptionID())
{
    const SettingsOptionList& options = node.OptionList();
    for (int index = 0; index < options.Size(); ++index)
        AddConstraint(options[index].GetDisplayName(), index);
}
