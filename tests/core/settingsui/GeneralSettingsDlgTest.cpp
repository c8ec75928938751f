#include "DialogTestGroups.h"

#include "tests/core/settings/SettingsFixture.h"

#include "core/settings/GeneralSettingsManager.h"
#include "core/settingsui/GeneralSettingsDlg.h"
#include "core/settingsui/TaskPanelGroupWrapper.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/TaskPanelGroup.h"
#include "platform/toolkit/TaskPanelItem.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{
class GeneralSettingsDlgTest : public SettingsFixture
{
protected:
    GeneralSettingsDlgTest() { TestApplication::Ensure(); }

    template <class Group>
    std::shared_ptr<Group> Register(unsigned id)
    {
        auto group = std::make_shared<Group>(id);
        manager.AddGroup(group);
        return group;
    }

    static void Write(const TestSettingsGroup& group, bool current, const QString& value, const QString& other = QString())
    {
        Settings node;
        node.Version(2);
        node["value"] = value;
        node["other"] = other;
        WriteNode(group.GetSettingsFilePath(current), node, TestSettingsGroup::kRoot);
    }
    static QString Stored(const TestSettingsGroup& group, const char* key = "value")
    {
        const std::optional<Settings> node = ReadNode(group.GetSettingsFilePath(true), TestSettingsGroup::kRoot);
        return node ? (*node)[key].ToString() : QStringLiteral("<brak pliku>");
    }
    static PropertyGridItem* Row(GeneralSettingsDlg& dialog, const QString& caption)
    {
        return dialog.GetGrid().FindItem(caption);
    }
    static QStringList GroupCaptions(GeneralSettingsDlg& dialog)
    {
        QStringList captions;
        for (int index = 0; index < dialog.GetTaskPanel().GetGroupCount(); ++index)
            captions.append(dialog.GetTaskPanel().GetAt(index)->GetCaption());
        return captions;
    }

    ScopedFakeDialogs dialogs;
    GeneralSettingsManager manager;
};
}

TEST_F(GeneralSettingsDlgTest, GroupsArePlacedByTheirPlacementAndTheFirstIsShown)
{
    Register<OwnPanelGroup>(11);
    Register<ToolsGroup>(5);
    auto first = Register<OwnPanelGroup>(3);
    Register<ToolsGroup>(6);
    Register<HiddenGroup>(9);
    Write(*first, true, QStringLiteral("trzy"));

    GeneralSettingsDlg dialog(manager);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Opcje"));
    EXPECT_EQ(GroupCaptions(dialog), (QStringList{QStringLiteral("Grupa 3"), QStringLiteral("Narzędzia"), QStringLiteral("Grupa 11")}));

    TaskPanelGroup* tools = dialog.GetTaskPanel().GetAt(1);
    ASSERT_EQ(tools->GetItemCount(), 4);
    for (int id = 0; id < 4; ++id)
        EXPECT_EQ(tools->GetItemAt(id)->GetID(), id);
    EXPECT_EQ(tools->GetItemAt(2)->GetCaption(), QStringLiteral("Pierwsza"));
    EXPECT_TRUE(tools->IsExpandable() && tools->IsExpanded());
    EXPECT_FALSE(dialog.GetTaskPanel().GetAt(0)->IsExpandable()) << "a group without subgroups";
    EXPECT_EQ(dialog.GetTaskPanel().GetWrapper(1)->GetGroupManager(), nullptr);

    EXPECT_EQ(dialog.GetTaskPanel().GetFocusedItem(), dialog.GetTaskPanel().GetAt(0));
    ASSERT_NE(Row(dialog, QStringLiteral("Wartość")), nullptr);
    EXPECT_EQ(Row(dialog, QStringLiteral("Wartość"))->GetValue(), QStringLiteral("trzy"));

    GeneralSettingsManager empty;
    GeneralSettingsDlg nothing(empty);
    EXPECT_EQ(nothing.GetTaskPanel().GetGroupCount(), 0);
    EXPECT_EQ(nothing.GetGrid().GetCategoryCount(), 0);
}

TEST_F(GeneralSettingsDlgTest, OkWithoutEditsSavesNothing)
{
    auto own = Register<OwnPanelGroup>(3);
    auto tools = Register<ToolsGroup>(5);
    GeneralSettingsDlg dialog(manager);
    dialog.GetTaskPanel().ClickItem(dialog.GetTaskPanel().GetAt(1)->GetItemAt(0));
    dialog.GetButton(GeneralSettingsDlg::kOkId)->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(own->saves + tools->saves, 0);
    EXPECT_EQ(Stored(*own), QStringLiteral("<brak pliku>"));
}

TEST_F(GeneralSettingsDlgTest, TwoEditsOfOneValueLeaveOnePendingValueAndOneSave)
{
    auto edited = Register<OwnPanelGroup>(3);
    auto other = Register<OwnPanelGroup>(4);
    GeneralSettingsDlg dialog(manager);
    PropertyGridItem* value = Row(dialog, QStringLiteral("Wartość"));
    value->EditValue(QStringLiteral("pierwsza"));
    value->EditValue(QStringLiteral("druga"));
    EXPECT_EQ(dialog.GetChanges().GetCount(), 1);
    EXPECT_EQ(dialog.GetChangedContainers().size(), 1u);
    EXPECT_EQ(Stored(*edited), QStringLiteral("<brak pliku>")) << "nothing is written before OK";

    // Enter in the dialog is OK.
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(edited->saves, 1);
    EXPECT_EQ(other->saves, 0);
    EXPECT_EQ(Stored(*edited), QStringLiteral("druga"));
}

TEST_F(GeneralSettingsDlgTest, CancelWritesNothingAndReopeningShowsTheOldValues)
{
    auto group = Register<OwnPanelGroup>(3);
    Write(*group, true, QStringLiteral("przed"));
    const QByteArray before = ReadBytes(group->GetSettingsFilePath(true));
    {
        GeneralSettingsDlg dialog(manager);
        Row(dialog, QStringLiteral("Wartość"))->EditValue(QStringLiteral("po"));
        dialog.GetButton(GeneralSettingsDlg::kCancelId)->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(ReadBytes(group->GetSettingsFilePath(true)), before);
    EXPECT_EQ(group->saves, 0);

    GeneralSettingsDlg again(manager);
    EXPECT_EQ(Row(again, QStringLiteral("Wartość"))->GetValue(), QStringLiteral("przed"));
}

TEST_F(GeneralSettingsDlgTest, SharedGroupSavesOnlyTheGroupsWhoseSubgroupsChanged)
{
    auto five = Register<ToolsGroup>(5);
    auto six = Register<ToolsGroup>(6);
    GeneralSettingsDlg dialog(manager);
    GroupsTaskPanel& panel = dialog.GetTaskPanel();
    panel.ClickItem(panel.GetAt(0)->FindItem(2));
    EXPECT_EQ(panel.GetRememberedItemId(), 2);
    Row(dialog, QStringLiteral("value 6"))->EditValue(QStringLiteral("nowa"));
    EXPECT_TRUE(panel.GetWrapper(0)->SubgroupStates()[2].changed);

    dialog.OnOK();
    EXPECT_EQ(five->saves, 0);
    EXPECT_EQ(six->saves, 1);
    EXPECT_EQ(Stored(*six), QStringLiteral("nowa"));
}

TEST_F(GeneralSettingsDlgTest, RestoreDefaultsWritesAtOnceAndShowsTheSameLinkAgain)
{
    auto own = Register<OwnPanelGroup>(3);
    auto five = Register<ToolsGroup>(5);
    auto six = Register<ToolsGroup>(6);
    for (const TestSettingsGroup* group : {static_cast<TestSettingsGroup*>(own.get()), static_cast<TestSettingsGroup*>(five.get()),
                                           static_cast<TestSettingsGroup*>(six.get())})
    {
        Write(*group, true, QStringLiteral("użytkownika"), QStringLiteral("inna użytkownika"));
        Write(*group, false, QStringLiteral("fabryczna"), QStringLiteral("inna fabryczna"));
    }
    GeneralSettingsDlg dialog(manager);
    GroupsTaskPanel& panel = dialog.GetTaskPanel();
    panel.ClickItem(panel.GetAt(1)->FindItem(3));
    Row(dialog, QStringLiteral("other 6"))->EditValue(QStringLiteral("porzucona"));

    dialog.GetButton(GeneralSettingsDlg::kRestoreDefaultsId)->click();
    EXPECT_EQ(dialog.GetChanges().GetCount(), 0);
    EXPECT_TRUE(dialog.GetChangedContainers().empty());
    TaskPanelItem* shown = panel.GetFocusedItem();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->GetItemGroup(), panel.GetAt(1));
    EXPECT_EQ(shown->GetID(), 3);
    EXPECT_EQ(panel.GetRememberedItemId(), 3);
    ASSERT_NE(Row(dialog, QStringLiteral("other 6")), nullptr);
    EXPECT_EQ(Row(dialog, QStringLiteral("other 6"))->GetValue(), QStringLiteral("inna fabryczna"));
    EXPECT_EQ(panel.GetAt(1)->GetItemCount(), 4) << "the links are made again";

    dialog.reject();
    for (const TestSettingsGroup* group : {static_cast<TestSettingsGroup*>(own.get()), static_cast<TestSettingsGroup*>(five.get()),
                                           static_cast<TestSettingsGroup*>(six.get())})
    {
        EXPECT_EQ(Stored(*group), QStringLiteral("fabryczna")) << group->GetGroupId();
        EXPECT_EQ(Stored(*group, "other"), QStringLiteral("inna fabryczna")) << group->GetGroupId();
    }
    EXPECT_TRUE(dialogs.MessageBox().Boxes().empty());
}

TEST_F(GeneralSettingsDlgTest, GroupThatCannotBeSavedIsReportedAndOkCanTryAgain)
{
    auto failing = Register<OwnPanelGroup>(3);
    auto fine = Register<OwnPanelGroup>(4);
    failing->failSaves = true;
    GeneralSettingsDlg dialog(manager);
    Row(dialog, QStringLiteral("Wartość"))->EditValue(QStringLiteral("nowa"));
    dialog.GetTaskPanel().ClickItem(dialog.GetTaskPanel().GetAt(1));
    Row(dialog, QStringLiteral("Wartość"))->EditValue(QStringLiteral("czwarta"));

    dialog.OnOK();
    EXPECT_NE(dialog.result(), QDialog::Accepted) << "the dialog stays open";
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_TRUE(dialogs.MessageBox().Boxes()[0].text.startsWith(QStringLiteral("Nie udało się zapisać ustawień: „Grupa 3”.")))
        << dialogs.MessageBox().Boxes()[0].text.toStdString();
    EXPECT_EQ(Stored(*fine), QStringLiteral("czwarta")) << "what could be saved is saved";

    failing->failSaves = false;
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Stored(*failing), QStringLiteral("nowa"));
    EXPECT_EQ(fine->saves, 1) << "a saved group is not saved again";
}

TEST_F(GeneralSettingsDlgTest, GroupShownAgainShowsWhatTheUserEntered)
{
    auto edited = Register<OwnPanelGroup>(3);
    Register<OwnPanelGroup>(4);
    Write(*edited, true, QStringLiteral("przed"));
    GeneralSettingsDlg dialog(manager);
    GroupsTaskPanel& panel = dialog.GetTaskPanel();
    Row(dialog, QStringLiteral("Wartość"))->EditValue(QStringLiteral("po"));
    panel.ClickItem(panel.GetAt(1));
    panel.ClickItem(panel.GetAt(0));
    EXPECT_EQ(Row(dialog, QStringLiteral("Wartość"))->GetValue(), QStringLiteral("po"));

    dialog.OnOK();
    EXPECT_EQ(Stored(*edited), QStringLiteral("po"));
}
