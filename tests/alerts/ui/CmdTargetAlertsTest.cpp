#include "AlertsWindowFixture.h"

#include "alerts/engine/AlertLog.h"
#include "alerts/engine/AlertsListManager.h"
#include "alerts/ui/CmdTargetAlerts.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/MessageBoxFlags.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "tests/support/ui/ScopedFakeDialogs.h"

#include <map>

namespace
{
class FakeCloud : public ICloudAlertsCommands
{
public:
    std::optional<CloudAlertState> CheckIfAlertExist(std::uint32_t alertId) const override
    {
        const auto found = alerts.find(alertId);
        return found == alerts.end() ? std::nullopt : std::optional(found->second);
    }
    void SetSelectedAlertOption(int option, bool on) override { options.emplace_back(option, on); }
    bool RenameSelectedAlert(const QString& name) override
    {
        renames << name;
        return acceptRename;
    }
    QString GetSelectedAlertName() const override { return selectedName; }
    void DeleteSelectedAlert() override { ++deletes; }
    bool RemoveAllAlerts() override
    {
        ++removeAllAsked;
        return removeAllAnswer;
    }
    int GetCloudAlertsCount() const override { return static_cast<int>(alerts.size()); }
    void ShowDefinitionDlg() override { ++definitionsShown; }

    std::map<std::uint32_t, CloudAlertState> alerts;
    std::vector<std::pair<int, bool>> options;
    QStringList renames;
    QString selectedName;
    bool acceptRename = true;
    bool removeAllAnswer = false;
    int removeAllAsked = 0;
    int definitionsShown = 0;
    int deletes = 0;
};

struct UiState
{
    std::optional<bool> enabled;
    std::optional<int> checked;
};

class CmdTargetAlertsTest : public AlertsWindowFixture
{
protected:
    CmdTargetAlertsTest()
    {
        for (std::uint32_t id : {CmdTargetAlerts::ID_ALERT_NOTIFY_SMS, CmdTargetAlerts::ID_ALERT_NOTIFY_PUSH})
            controls[id] = std::make_unique<RibbonControl>(RibbonControlCheckBox, id);
        controls[CmdTargetAlerts::ID_ALERT_NAME] = std::make_unique<RibbonEditControl>(CmdTargetAlerts::ID_ALERT_NAME);
        CmdTargetAlerts::Services services;
        services.module = [this] { return &module; };
        services.isDefinitionDlgShown = [this] { return dialogShown; };
        services.cloud = [this]() -> ICloudAlertsCommands* { return withCloud ? &cloud : nullptr; };
        services.findControl = [this](std::uint32_t group, std::uint32_t id) -> RibbonControl* {
            const auto found = controls.find(id);
            return group == CmdTargetAlerts::ID_GROUP_PARAMETERS && found != controls.end() ? found->second.get() : nullptr;
        };
        target = std::make_unique<CmdTargetAlerts>(std::move(services));
    }

    UiState Update(std::uint32_t id)
    {
        CmdUI cmdUI(id);
        target->UpdateCommandUI(cmdUI);
        return {cmdUI.Enabled(), cmdUI.Checked()};
    }

    bool Enabled(std::uint32_t id) { return Update(id).enabled.value_or(false); }

    // A local alert "lokalny" and a cloud alert "chmura" (id 500) in rows 0 and 1.
    void AddLocalAndCloud(bool cloudEditable)
    {
        AddTwoSided(QStringLiteral("lokalny"), Arg(1, QStringLiteral("KGH")), 10, 5);
        cloud.alerts[500] = {QStringLiteral("chmura"), ICloudAlertsCommands::kSms | ICloudAlertsCommands::kWindow, true,
                             cloudEditable};
        cloud.selectedName = QStringLiteral("chmura");
        module.GetAlertsListGrid().RefreshCloudAlerts({std::make_shared<FakeCloudRow>(QStringLiteral("chmura"), 500)});
    }

    RibbonEditControl& NameEdit() { return static_cast<RibbonEditControl&>(*controls[CmdTargetAlerts::ID_ALERT_NAME]); }

    void CommitName(const QString& text)
    {
        NameEdit().SetEditText(text);
        NotifyInfo info(CmdTargetAlerts::ID_ALERT_NAME, NotifyCodes::Execute, &NameEdit());
        target->SendNotify(info);
    }

    ScopedFakeDialogs dialogs;
    FakeCloud cloud;
    bool withCloud = true;
    bool dialogShown = false;
    std::map<std::uint32_t, std::unique_ptr<RibbonControl>> controls;
    std::unique_ptr<CmdTargetAlerts> target;
};
}

TEST_F(CmdTargetAlertsTest, ConditionKindsFollowThePageTheRowAndTheDialog)
{
    for (int kind : {0, 1, 2, 4, 5})
        EXPECT_FALSE(target->IsConditionMet(kind)) << kind;
    EXPECT_TRUE(target->IsConditionMet(3));
    AddTwoSided(QStringLiteral("a"), Arg(1, QStringLiteral("KGH")), 10, 5);
    EXPECT_TRUE(target->IsConditionMet(3));
    EXPECT_TRUE(target->IsConditionMet(4));
    EXPECT_FALSE(target->IsConditionMet(1));
    window->DefinedHandler().SetSelectedRow(0, false);
    for (int kind : {0, 1, 2})
        EXPECT_TRUE(target->IsConditionMet(kind)) << kind;


    dialogShown = true;
    for (int kind = 0; kind <= 4; ++kind)
        EXPECT_FALSE(target->IsConditionMet(kind)) << kind;
    dialogShown = false;

    window->Hide();
    EXPECT_FALSE(target->IsConditionMet(3));
}

TEST_F(CmdTargetAlertsTest, ClearHistoryNeedsTheShownHistoryWithRowsEvenWithTheDialogOpen)
{
    const AlertExprArgDesc argument = Arg(1, QStringLiteral("KGH"));
    AddTwoSided(QStringLiteral("a"), argument, 10, 5);
    Fire(argument, 11, 45000.5);
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_CLEAR_HISTORY));
    ShowTab(1);
    dialogShown = true;
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_CLEAR_HISTORY));
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_NEW));
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_CLEAR_HISTORY);
    EXPECT_EQ(window->GeneratedTable().GetItemCount(), 0);
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_CLEAR_HISTORY));
}

TEST_F(CmdTargetAlertsTest, LocalTogglesChangeTheSelectedAlert)
{
    withCloud = false;
    AddTwoSided(QStringLiteral("a"), Arg(1, QStringLiteral("KGH")), 10, 5);
    for (std::uint32_t id : {CmdTargetAlerts::ID_ALERT_ONLY_ONCE, CmdTargetAlerts::ID_ALERT_ACTIVE})
        EXPECT_FALSE(Enabled(id)) << id;
    window->DefinedHandler().SetSelectedRow(0, false);
    const std::pair<std::uint32_t, int> toggles[] = {
        {CmdTargetAlerts::ID_ALERT_ACTIVE, AlertsListManager::eActive},
        {CmdTargetAlerts::ID_ALERT_ONLY_ONCE, AlertsListManager::eOnlyOnce},
        {CmdTargetAlerts::ID_ALERT_SYNCHRONOUS, AlertsListManager::eSynchronious},
        {CmdTargetAlerts::ID_ALERT_NOTIFY_WINDOW, AlertsListManager::eWindow},
        {CmdTargetAlerts::ID_ALERT_NOTIFY_SOUND, AlertsListManager::eSound},
        {CmdTargetAlerts::ID_ALERT_NOTIFY_MAIL, AlertsListManager::eMail},
    };
    for (const auto& [id, property] : toggles)
    {
        const bool before = module.GetSelectedAlertBoolParam(property);
        const UiState state = Update(id);
        EXPECT_EQ(state.enabled, true) << id;
        EXPECT_EQ(state.checked, before ? 1 : 0) << id;
        target->ExecuteCommand(id);
        EXPECT_NE(module.GetSelectedAlertBoolParam(property), before) << id;
    }
    // The cloud-only channels stay hidden for a local alert.
    Update(CmdTargetAlerts::ID_ALERT_NOTIFY_SMS);
    EXPECT_FALSE(controls[CmdTargetAlerts::ID_ALERT_NOTIFY_SMS]->IsVisible());
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_NOTIFY_LABEL));
}

TEST_F(CmdTargetAlertsTest, ActiveCannotChangeNorBeLoggedWhileTheAlertMayNotRun)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    AddTwoSided(QStringLiteral("a"), Arg(1, QStringLiteral("KGH")), 10, 5);
    window->DefinedHandler().SetSelectedRow(0, false);
    module.OnArgumentDestroyed(Arg(1, QStringLiteral("KGH")));
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_ACTIVE));
    const qsizetype editsBefore = log.Text().count(QStringLiteral("edycja"));
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_ACTIVE);
    EXPECT_FALSE(module.GetSelectedAlertBoolParam(AlertsListManager::eActive));
    EXPECT_EQ(log.Text().count(QStringLiteral("edycja")), editsBefore);
}

TEST_F(CmdTargetAlertsTest, ACloudSelectionShowsItsOwnStatesAndChannels)
{
    AddLocalAndCloud(true);
    window->DefinedHandler().SetSelectedRow(1, false);
    struct Expected
    {
        std::uint32_t id;
        int checked;
        bool enabled;
    };
    const Expected expected[] = {
        {CmdTargetAlerts::ID_ALERT_ACTIVE, 1, false},        {CmdTargetAlerts::ID_ALERT_SYNCHRONOUS, 0, false},
        {CmdTargetAlerts::ID_ALERT_ONLY_ONCE, 1, true},      {CmdTargetAlerts::ID_ALERT_NOTIFY_WINDOW, 1, true},
        {CmdTargetAlerts::ID_ALERT_NOTIFY_SOUND, 0, true},   {CmdTargetAlerts::ID_ALERT_NOTIFY_MAIL, 0, true},
        {CmdTargetAlerts::ID_ALERT_NOTIFY_SMS, 1, true},     {CmdTargetAlerts::ID_ALERT_NOTIFY_PUSH, 0, true},
    };
    for (const Expected& row : expected)
    {
        const UiState state = Update(row.id);
        EXPECT_EQ(state.checked, row.checked) << row.id;
        EXPECT_EQ(state.enabled, row.enabled) << row.id;
    }
    EXPECT_TRUE(controls[CmdTargetAlerts::ID_ALERT_NOTIFY_SMS]->IsVisible());
    EXPECT_TRUE(controls[CmdTargetAlerts::ID_ALERT_NOTIFY_PUSH]->IsVisible());
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_DELETE));

    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_NOTIFY_SMS);
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_ONLY_ONCE);
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_NOTIFY_SOUND);
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_SYNCHRONOUS);
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_EDIT);
    const std::vector<std::pair<int, bool>> options = {{ICloudAlertsCommands::OptionSms, false},
                                                        {ICloudAlertsCommands::OptionOnce, false},
                                                        {ICloudAlertsCommands::OptionSound, true}};
    EXPECT_EQ(cloud.options, options);
    EXPECT_EQ(cloud.definitionsShown, 1);

    // Deleting a cloud selection goes to the cloud; the local alert stays.
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_DELETE);
    EXPECT_EQ(cloud.deletes, 1);
    EXPECT_EQ(module.Alerts().Count(), 1U);

    // Back on the local alert the cloud channels go.
    window->DefinedHandler().SetSelectedRow(0, false);
    Update(CmdTargetAlerts::ID_ALERT_NOTIFY_PUSH);
    EXPECT_FALSE(controls[CmdTargetAlerts::ID_ALERT_NOTIFY_PUSH]->IsVisible());
}

TEST_F(CmdTargetAlertsTest, ACloudAlertThatCannotChangeShowsItsStatesDisabledAndIgnoresEdits)
{
    AddLocalAndCloud(false);
    window->DefinedHandler().SetSelectedRow(1, false);
    const UiState window = Update(CmdTargetAlerts::ID_ALERT_NOTIFY_WINDOW);
    EXPECT_EQ(window.checked, 1);
    EXPECT_EQ(window.enabled, false);
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_EDIT));
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_NOTIFY_WINDOW);
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_EDIT);
    CommitName(QStringLiteral("nowa"));
    EXPECT_TRUE(cloud.options.empty());
    EXPECT_EQ(cloud.definitionsShown, 0);
    EXPECT_TRUE(cloud.renames.isEmpty());
}

TEST_F(CmdTargetAlertsTest, DeleteAllAsksFirstAndNoKeepsTheLocalAlertsToo)
{
    AddLocalAndCloud(true);
    // Cloud alerts keep it enabled with nothing shown.
    window->Hide();
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_DELETE_ALL));
    window->Show();

    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_DELETE_ALL);
    EXPECT_EQ(cloud.removeAllAsked, 1);
    EXPECT_EQ(module.Alerts().Count(), 1u);

    cloud.removeAllAnswer = true;
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_DELETE_ALL);
    EXPECT_EQ(module.Alerts().Count(), 0u);

    // Without a cloud manager the question is asked here.
    withCloud = false;
    AddTwoSided(QStringLiteral("b"), Arg(1, QStringLiteral("KGH")), 10, 5);
    dialogs.MessageBox().QueueAnswer(IDNO);
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_DELETE_ALL);
    EXPECT_EQ(module.Alerts().Count(), 1u);
    dialogs.MessageBox().QueueAnswer(IDYES);
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_DELETE_ALL);
    EXPECT_EQ(module.Alerts().Count(), 0u);
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 2u);
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].text, CmdTargetAlerts::kRemoveAllQuestion);
}

TEST_F(CmdTargetAlertsTest, NameEditFollowsTheSelectionAndRenames)
{
    AddLocalAndCloud(true);
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_NAME));

    window->DefinedHandler().SetSelectedRow(0, false);
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_NAME));
    EXPECT_EQ(NameEdit().GetEditText(), QStringLiteral("lokalny"));
    // A local name that did not change leaves what the user types alone.
    NameEdit().SetEditText(QStringLiteral("pisze"));
    Update(CmdTargetAlerts::ID_ALERT_NAME);
    EXPECT_EQ(NameEdit().GetEditText(), QStringLiteral("pisze"));
    CommitName(QStringLiteral("nowy"));
    EXPECT_EQ(module.GetSelectedAlertStringParam(), QStringLiteral("nowy"));

    // A cloud selection rewrites the edit on every update; a refused rename puts the old name back.
    window->DefinedHandler().SetSelectedRow(1, false);
    NameEdit().SetEditText(QStringLiteral("x"));
    Update(CmdTargetAlerts::ID_ALERT_NAME);
    EXPECT_EQ(NameEdit().GetEditText(), QStringLiteral("chmura"));
    cloud.acceptRename = false;
    CommitName(QStringLiteral("zajęta"));
    EXPECT_EQ(cloud.renames, QStringList{QStringLiteral("zajęta")});
    EXPECT_EQ(NameEdit().GetEditText(), QStringLiteral("chmura"));

    // No selection clears it once.
    window->DefinedHandler().SetSelectedRow(-1, false);
    Update(CmdTargetAlerts::ID_ALERT_NAME);
    EXPECT_TRUE(NameEdit().GetEditText().isEmpty());
}

TEST_F(CmdTargetAlertsTest, NewEditAndDeleteGoToTheModule)
{
    withCloud = false;
    std::vector<std::shared_ptr<BLAlert>> opened;
    module.SetAlertDefinitionDlgOpener([&opened](const std::shared_ptr<BLAlert>& alert) {
        opened.push_back(alert);
        return true;
    });
    const std::uint32_t id = AddTwoSided(QStringLiteral("a"), Arg(1, QStringLiteral("KGH")), 10, 5);
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_NEW));
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_NEW);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0]->IsNew());

    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_EDIT));
    window->DefinedHandler().SetSelectedRow(0, false);
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_EDIT));
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_EDIT);
    // The grid's double click does the same.
    window->DefinedHandler().OnRowDoubleClick(0, QPoint());
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[1]->GetId(), id);
    EXPECT_NE(opened[1].get(), opened[2].get());

    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_DELETE));
    target->ExecuteCommand(CmdTargetAlerts::ID_ALERT_DELETE);
    EXPECT_EQ(module.Alerts().Count(), 0u);
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_DELETE));
}
