#include "core/settings/GeneralSettingsNodes.h"

#include "platform/settings/Settings.h"
#include "platform/settings/SettingsOptionList.h"
#include "platform/settings/SettingsWrapper.h"

namespace GeneralSettingsNodes
{
namespace
{
template <class Equal>
void SelectCurrentOption(Settings& node, Equal equal)
{
    SettingsOptionList& options = node.OptionList();
    int current = 0;
    for (int index = options.Size() - 1; index >= 0; --index)
    {
        if (equal(options[index]))
        {
            current = index;
            break;
        }
    }
    options.SetCurrentOptionID(current);
}
}

Settings& Describe(Settings& node, const QString& caption, EVariableTypes type)
{
    SettingsWrapper(node).SetDisplayNameAndType(caption, type);
    return node;
}

void ClearOptions(Settings& node)
{
    node.OptionList() = SettingsOptionList();
}

void AddOption(Settings& node, const QString& caption, std::uint32_t value)
{
    Describe(node.OptionList().AddOption(), caption, VariableNumber) = value;
}

void AddOption(Settings& node, const QString& caption, const QString& value)
{
    Describe(node.OptionList().AddOption(), caption, VariableText) = value;
}

void SelectCurrentOptionByNumber(Settings& node)
{
    const std::uint32_t value = node.ToUInt();
    SelectCurrentOption(node, [value](const Settings& option) { return option.ToUInt() == value; });
}

void SelectCurrentOptionByText(Settings& node)
{
    const QString value = node.ToString();
    SelectCurrentOption(node, [&value](const Settings& option) { return option.ToString() == value; });
}
}
