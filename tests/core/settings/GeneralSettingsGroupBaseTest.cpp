#include "SettingsFixture.h"
#include "TestSettingsGroup.h"

#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/GeneralSettingsSubgroup.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
// A group shown in the shared "Narzędzia" panel group: its node as two subgroups.
class SubgroupsGroup : public TestSettingsGroup
{
public:
    using TestSettingsGroup::TestSettingsGroup;

    int GetPanelPlacement() const override { return kSharedToolsPanelGroup; }
    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override
    {
        std::shared_ptr<Settings> node = LoadParametersNode(fromCurrent);
        for (const char* caption : {"Pierwsza", "Druga"})
        {
            auto subgroup = std::make_shared<GeneralSettingsSubgroup>(QString::fromUtf8(caption));
            subgroup->AttachParameter((*node)["value"]);
            target.AddSubgroup(subgroup, node, this);
        }
    }
};

class GeneralSettingsGroupBaseTest : public SettingsFixture
{
protected:
    static void WriteValue(const GeneralSettingsGroupManagerBase& group, bool current, const QString& value)
    {
        Settings node;
        node["value"] = value;
        node.Version(2);
        WriteNode(group.GetSettingsFilePath(current), node, TestSettingsGroup::kRoot);
    }
    static QString StoredValue(const GeneralSettingsGroupManagerBase& group)
    {
        const std::optional<Settings> node = ReadNode(group.GetSettingsFilePath(true), TestSettingsGroup::kRoot);
        return node ? (*node)["value"].ToString() : QStringLiteral("<none>");
    }
};
}

TEST_F(GeneralSettingsGroupBaseTest, ContainerTakesTheGroupsCaptionAndParameters)
{
    TestSettingsGroup group;
    GeneralSettingsGroupBase target;
    group.BuildParameters(target, true);
    target.SetGroupManager(&group);

    EXPECT_EQ(target.Caption(), QStringLiteral("Grupa 7"));
    ASSERT_EQ(target.Size(), 1);
    EXPECT_EQ(target[0]->Caption(), QStringLiteral("Wartość"));
    EXPECT_FALSE(target[0]->IsOnlyContainer());
    EXPECT_EQ(target[1], nullptr);
    EXPECT_EQ(&target[0]->Node(), &(*target.GetSettingsSourceNode())["value"]);

    target.ResetContent();
    EXPECT_EQ(target.Size(), 0);
    EXPECT_EQ(target.GetSettingsSourceNode(), nullptr);
    EXPECT_EQ(target.GetGroupManager(), &group);
}

TEST_F(GeneralSettingsGroupBaseTest, ParameterWithSubParametersIsACategory)
{
    Settings root;
    GeneralSettingsNodes::Describe(root["proxy"], QStringLiteral("Proxy"), VariableContainer);
    GeneralSettingsParameter proxy(root["proxy"]);
    EXPECT_TRUE(proxy.AddSubParameter(QStringLiteral("Port")));
    EXPECT_TRUE(proxy.IsOnlyContainer());
    EXPECT_EQ(proxy.Caption(), QStringLiteral("Proxy"));
    EXPECT_TRUE(root["proxy"].Exists(QStringLiteral("Port")));
    EXPECT_EQ(&proxy[0]->Node(), &root["proxy"]["Port"]);

    GeneralSettingsParameter invalid(Settings::InvalidVariable());
    EXPECT_FALSE(invalid.AddSubParameter(QStringLiteral("x")));
    GeneralSettingsGroupBase target;
    target.AttachParameter(Settings::InvalidVariable());
    target.AttachParameter(std::shared_ptr<GeneralSettingsParameter>());
    EXPECT_EQ(target.Size(), 0);
}

TEST_F(GeneralSettingsGroupBaseTest, GroupContainerSavesItsSourceNodeThroughItsGroup)
{
    TestSettingsGroup group;
    GeneralSettingsGroupBase target;
    group.BuildParameters(target, true);
    target.SetGroupManager(&group);
    target[0]->Node() = QStringLiteral("edited");

    EXPECT_TRUE(target.SaveContent());
    EXPECT_EQ(group.saves, 1);
    EXPECT_EQ(StoredValue(group), QStringLiteral("edited"));
}

TEST_F(GeneralSettingsGroupBaseTest, SharedContainerSavesOnlyTheChangedGroupsOnce)
{
    SubgroupsGroup first(20), second(21), untouched(22);
    for (const SubgroupsGroup* group : {&first, &second, &untouched})
        WriteValue(*group, true, QStringLiteral("before"));
    GeneralSettingsGroupBase tools;
    tools.Name(QStringLiteral("Narzędzia"));
    for (SubgroupsGroup* group : {&first, &second, &untouched})
        group->BuildParameters(tools, true);
    ASSERT_EQ(tools.SubgroupStates().size(), 6u);
    EXPECT_EQ(tools.Caption(), QStringLiteral("Narzędzia"));
    EXPECT_EQ(tools.SubgroupStates()[1].subgroup->Caption(), QStringLiteral("Druga"));

    // Both subgroups of the second group show one node: it is written once.
    for (int index : {0, 2, 3})
    {
        tools.SubgroupStates()[static_cast<std::size_t>(index)].node->operator[]("value") = QStringLiteral("after");
        EXPECT_TRUE(tools.SetSubgroupChanged(index));
    }
    EXPECT_FALSE(tools.SetSubgroupChanged(6));

    EXPECT_TRUE(tools.SaveContent());
    EXPECT_EQ(first.saves, 1);
    EXPECT_EQ(second.saves, 1);
    EXPECT_EQ(untouched.saves, 0);
    EXPECT_EQ(StoredValue(first), QStringLiteral("after"));
    EXPECT_EQ(StoredValue(untouched), QStringLiteral("before"));
    for (const auto& state : tools.SubgroupStates())
        EXPECT_FALSE(state.changed);

    EXPECT_TRUE(tools.SaveSubgrupsNodes());
    EXPECT_EQ(first.saves + second.saves, 2) << "nothing changed since";
}

TEST_F(GeneralSettingsGroupBaseTest, SharedContainerRestoresTheFactorySettingsOfItsGroups)
{
    SubgroupsGroup first(20), second(21);
    for (const SubgroupsGroup* group : {&first, &second})
    {
        WriteValue(*group, true, QStringLiteral("user"));
        WriteValue(*group, false, QStringLiteral("factory"));
    }
    GeneralSettingsGroupBase tools;
    first.BuildParameters(tools, true);
    second.BuildParameters(tools, true);

    const std::vector<GeneralSettingsGroupBase::SubgroupState> states = tools.SubgroupStates();
    tools.ResetContent();
    tools.LoadSubgroupsFabricSettings(states);
    ASSERT_EQ(tools.SubgroupStates().size(), 4u);
    EXPECT_TRUE(tools.SaveSubgrupsNodes());

    EXPECT_EQ(first.saves, 1);
    EXPECT_EQ(second.saves, 1);
    EXPECT_EQ(StoredValue(first), QStringLiteral("factory"));
    EXPECT_EQ(StoredValue(second), QStringLiteral("factory"));
}

TEST_F(GeneralSettingsGroupBaseTest, SubgroupsNeedTheirNodeAndGroup)
{
    TestSettingsGroup group;
    GeneralSettingsGroupBase target;
    auto subgroup = std::make_shared<GeneralSettingsSubgroup>(QStringLiteral("Pod"));
    target.AddSubgroup(subgroup, nullptr, &group);
    target.AddSubgroup(subgroup, std::make_shared<Settings>(), nullptr);
    target.AddSubgroup(nullptr);
    EXPECT_TRUE(target.SubgroupStates().empty());
    target.AddSubgroup(subgroup);
    EXPECT_EQ(target.SubgroupStates().size(), 1u);
}
