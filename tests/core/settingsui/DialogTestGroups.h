#pragma once
// General-settings groups for the dialog's suites: one shown in a task-panel group of its own
// whose saves can be made to fail, one shown as two subgroups of the shared "Narzędzia" group,
// and one that is not shown at all.

#include "tests/core/settings/TestSettingsGroup.h"

#include "core/settings/GeneralSettingsSubgroup.h"

class OwnPanelGroup : public TestSettingsGroup
{
public:
    using TestSettingsGroup::TestSettingsGroup;

    bool SaveGroup(std::shared_ptr<Settings> node) override
    {
        if (!failSaves)
            return TestSettingsGroup::SaveGroup(std::move(node));
        ++saves;
        return false;
    }

    bool failSaves = false;
};

// Subgroup "Pierwsza" shows "value", "Druga" shows "other" of the same node.
class ToolsGroup : public TestSettingsGroup
{
public:
    using TestSettingsGroup::TestSettingsGroup;

    int GetPanelPlacement() const override { return kSharedToolsPanelGroup; }
    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override
    {
        std::shared_ptr<Settings> node = LoadParametersNode(fromCurrent);
        for (const auto& [caption, key] : {std::pair{"Pierwsza", "value"}, std::pair{"Druga", "other"}})
        {
            auto subgroup = std::make_shared<GeneralSettingsSubgroup>(QString::fromUtf8(caption));
            subgroup->AttachParameter(GeneralSettingsNodes::Describe(
                (*node)[key], QStringLiteral("%1 %2").arg(QString::fromLatin1(key)).arg(GetGroupId()), VariableText));
            target.AddSubgroup(subgroup, node, this);
        }
    }
};

class HiddenGroup : public TestSettingsGroup
{
public:
    using TestSettingsGroup::TestSettingsGroup;

    int GetPanelPlacement() const override { return 2; }
};
