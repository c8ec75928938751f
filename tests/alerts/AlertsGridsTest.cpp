#include "AlertsFixture.h"

#include "alerts/engine/IAlertsGridView.h"
#include "alerts/engine/IAlertsInfoWindow.h"
#include "platform/settings/Settings.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <thread>

namespace
{
// A grid view that keeps its rows as the model tells it, with a selection.
class FakeGridView : public IAlertsGridView
{
public:
    void AddColumn(const QString& caption, int kind) override { columns.append(caption + QString::number(kind)); }
    void AppendRow() override { ++rows; }
    void InsertRow(int index) override
    {
        ++rows;
        if (selected >= index)
            ++selectionMovedWith;
    }
    void RemoveRow(int) override { --rows; }
    void RemoveAllRows() override { rows = 0; }
    int GetSelectedRow() const override { return selected; }
    void SelectRow(int index) override { selected = index; }
    bool IsHandlerActive() const override { return active; }

    QStringList columns;
    int rows = 0;
    int selected = -1;
    int selectionMovedWith = 0;
    bool active = true;
};

class FakeCloudEventRow : public IGeneratedAlertListRow
{
public:
    explicit FakeCloudEventRow(QString name) : m_name(std::move(name)) {}
    bool IsNameColumn(int column) const override { return column == 0; }
    QString GetName() const override { return m_name; }
    QString GetColumnText(int column) const override { return column == 0 ? m_name : QString(); }
    int GetColumnAlignment(int) const override { return 0; }
    int GetAlertType() const override { return 2; }
    QString GetDisplayText(int column) const override { return GetColumnText(column); }
    std::uint32_t GetAlertId() const override { return 7; }
    bool IsCloudRow() const override { return true; }
    bool IsHighlightOver(std::chrono::steady_clock::time_point) override { return false; }

private:
    QString m_name;
};

class FakeAlertsWindow : public IAlertsInfoWindow
{
public:
    QWidget* GetWindow() const override { return identity; }
    bool IsVisible() const override { return visible; }
    void SetVisible(bool show) override { visible = show; }
    int GetActiveTab() const override { return tab; }
    void RedrawDefinedAlerts() override { ++redraws; }
    void SerialiseState(Settings& node) const override { node["ActiveTab"] = tab; }
    void SerialiseStateToQ5Format(Q5Settings&) const override {}
    void UnserialiseState(const Settings& node, bool) override { tab = node["ActiveTab"].ToInt(); }
    void Destroy() override { destroyed = true; }

    QWidget* identity = reinterpret_cast<QWidget*>(this);
    bool visible = false;
    int tab = kDefinedAlertsTab;
    int redraws = 0;
    bool destroyed = false;
};

class AlertsGridsTest : public AlertsFixture
{
protected:
    std::uint32_t AddOneSided(const QString& name, const AlertExprArgDesc& argument)
    {
        auto alert = NewAlert(name);
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), argument, eCmpGreater, 10);
        return module.AddAlert(alert);
    }

    // The window the module makes, kept by the test too.
    std::shared_ptr<FakeAlertsWindow> InstallWindowFactory()
    {
        auto window = std::make_shared<FakeAlertsWindow>();
        module.SetAlertsWindowFactory([this, window](AlertModule&, QWidget*) {
            ++windowsMade;
            return window;
        });
        return window;
    }

    int windowsMade = 0;
};
}

TEST_F(AlertsGridsTest, HistoryRowsWaitForTheMainThreadAndKeepTheSelectedRowSelected)
{
    BLAlertsHistory& history = module.GetAlertsHistory();
    history.AddRow(1, QStringLiteral("pierwszy"), QStringLiteral("KGH"), 2, OleDate(44000.5), 1, 10);
    history.AddRow(2, QStringLiteral("drugi"), QStringLiteral("PKN"), 2, OleDate(44000.5), 0, 11);
    FakeGridView view;
    history.SetAndInitGridView(&view);
    EXPECT_EQ(view.columns, (QStringList{QStringLiteral("Nazwa2"), QStringLiteral("Walor2"), QStringLiteral("Wartość2"),
                                         QStringLiteral("Czas2")}));
    ASSERT_EQ(view.rows, 2);
    EXPECT_EQ(history.GetViewRow(0)->GetName(), QStringLiteral("drugi"));

    // From the worker: the view is not touched until the main thread syncs it.
    view.selected = 1;
    std::thread([&history] {
        history.AddRow(3, QStringLiteral("trzeci"), QStringLiteral("KGH"), 2, OleDate(44000.5), 1, 12);
    }).join();
    EXPECT_EQ(view.rows, 2);
    EXPECT_EQ(history.GetViewRow(1)->GetName(), QStringLiteral("pierwszy"));
    EXPECT_EQ(history.SyncGridView(), 1);
    EXPECT_EQ(view.rows, 3);
    EXPECT_EQ(view.selected, 2);
    EXPECT_EQ(history.GetViewRow(2)->GetName(), QStringLiteral("pierwszy"));

    // An alert without rows changes nothing; an alert's rows all go.
    history.RemoveAlertRows(99);
    EXPECT_EQ(history.GetRowCount(), 3u);
    history.RemoveAlertRows(1);
    EXPECT_EQ(history.GetRowCount(), 2u);
    EXPECT_EQ(view.rows, 2);
}

TEST_F(AlertsGridsTest, CloudEventsAreReplacedNotDuplicatedWindowOrNotAndHighlightsEndAfterFiveSeconds)
{
    BLAlertsHistory& history = module.GetAlertsHistory();
    history.AddRow(1, QStringLiteral("lokalny"), QStringLiteral("KGH"), 2, OleDate(44000.5), 1, 10);
    const std::vector<std::shared_ptr<IGeneratedAlertListRow>> events{std::make_shared<FakeCloudEventRow>(QStringLiteral("nowszy")),
                                                                      std::make_shared<FakeCloudEventRow>(QStringLiteral("starszy"))};
    for (int answer = 0; answer < 3; ++answer)
    {
        history.ClearCloudAlertsEvents();
        history.RefreshCloudAlertsEvents(events);
    }
    ASSERT_EQ(history.GetRowCount(), 3u);
    EXPECT_EQ(history.GetRow(0)->GetName(), QStringLiteral("nowszy"));
    EXPECT_EQ(history.GetRow(1)->GetName(), QStringLiteral("starszy"));
    EXPECT_EQ(history.GetRow(2)->GetName(), QStringLiteral("lokalny"));

    const auto row = history.GetRow(2);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(row->IsHighlightOver(start + std::chrono::seconds(100)));
    EXPECT_FALSE(row->IsHighlightOver(start + std::chrono::seconds(105)));
    EXPECT_TRUE(row->IsHighlightOver(start + std::chrono::milliseconds(105001)));
}

TEST_F(AlertsGridsTest, DefinedAlertsRowsFollowTheListAndTheSelectionOnlyCountsWithAWindow)
{
    const std::uint32_t first = AddOneSided(QStringLiteral("wspólna"), Arg(1));
    const std::uint32_t second = AddOneSided(QStringLiteral("druga"), Arg(2));
    BLAlertsListGrid& grid = module.GetAlertsListGrid();
    grid.RefreshCloudAlerts({std::make_shared<FakeCloudRow>(QStringLiteral("wspólna"), first)});
    ASSERT_EQ(grid.GetRowCount(), 3u);
    // A local alert and a cloud alert of one name (even of one id) are told apart by the kind.
    EXPECT_EQ(grid.GetRowIdxForAlert(QStringLiteral("wspólna"), IAlertListRow::kLocalRow), 0);
    EXPECT_EQ(grid.GetRowIdxForAlert(QStringLiteral("wspólna"), IAlertListRow::kCloudRow), 2);
    EXPECT_EQ(grid.GetRowIdxForAlert(second), 1);
    EXPECT_EQ(grid.RowSourceAlertId(0), BLAlert::kNoId);

    // A new local alert goes before the cloud rows; a renamed one changes in place.
    const std::uint32_t third = AddOneSided(QStringLiteral("trzecia"), Arg(3));
    EXPECT_EQ(grid.GetRowIdxForAlert(third), 2);
    FakeGridView view;
    grid.SetAndInitGridView(&view);
    EXPECT_EQ(view.rows, 4);
    view.selected = 1;
    EXPECT_EQ(module.GetSelectedAlertId(), second);
    EXPECT_TRUE(module.SetSelectedAlertStringParam(QStringLiteral("nowa nazwa")));
    EXPECT_EQ(grid.GetRowInfo(1)->name, QStringLiteral("nowa nazwa"));
    EXPECT_TRUE(module.IsSelectedAlertEditable());
    module.ToggleSelectedAlertBoolParam(AlertsListManager::eActive);
    EXPECT_FALSE(grid.GetRowInfo(1)->active);
    // The cloud row is not a local alert, whatever its id.
    view.selected = 3;
    EXPECT_FALSE(module.IsSelectedAlertEditable());

    // Re-reading the cloud keeps the selected cloud row by name.
    grid.RefreshCloudAlerts({std::make_shared<FakeCloudRow>(QStringLiteral("inna"), 50),
                             std::make_shared<FakeCloudRow>(QStringLiteral("wspólna"), first)});
    EXPECT_EQ(view.rows, 5);
    EXPECT_EQ(view.selected, 4);
}

TEST_F(AlertsGridsTest, RemovingByNameWithoutTheWindowTakesTheAlertAndItsRowsEverywhere)
{
    const std::uint32_t id = AddOneSided(QStringLiteral("usuwany"), Arg(1));
    AddOneSided(QStringLiteral("zostaje"), Arg(2));
    module.GetAlertsHistory().AddRow(id, QStringLiteral("usuwany"), QString(), 2, OleDate(44000.5), 1, 11);
    EXPECT_TRUE(module.RemoveAlert(QStringLiteral("usuwany")));
    EXPECT_FALSE(module.Alerts().Contains(id));
    EXPECT_EQ(module.GetAlertsListGrid().GetRowCount(), 1u);
    EXPECT_EQ(module.GetAlertsHistory().GetRowCount(), 0u);
    EXPECT_FALSE(module.RemoveAlert(QStringLiteral("usuwany")));

    // Reading a session starts from nothing, then one row per alert in key order.
    Settings session;
    module.SerialiseAlerts(session);
    module.GetAlertsHistory().AddRow(id, QStringLiteral("x"), QString(), 2, OleDate(44000.5), 1, 11);
    EXPECT_TRUE(module.UnserialiseAlerts(session));
    EXPECT_EQ(module.GetAlertsHistory().GetRowCount(), 0u);
    ASSERT_EQ(module.GetAlertsListGrid().GetRowCount(), 1u);
    EXPECT_EQ(module.GetAlertsListGrid().GetRowInfo(0)->name, QStringLiteral("zostaje"));
}

TEST_F(AlertsGridsTest, WindowFilesNeedTheModulesOwnWindow)
{
    const TempHome home;
    const QString path = QDir(home.Path()).filePath(QStringLiteral("okno.q4AM"));
    EXPECT_FALSE(module.ShowAlertsWindow(false, nullptr));
    EXPECT_FALSE(module.SaveWindowToFile(nullptr, path));
    EXPECT_FALSE(module.OpenWindowFromFile(nullptr, QString(), false));
    auto window = InstallWindowFactory();
    EXPECT_FALSE(module.ShowAlertsWindow(false, nullptr));
    EXPECT_EQ(windowsMade, 0);

    EXPECT_TRUE(module.ShowAlertsWindow(true, nullptr));
    int foreign = 0;
    EXPECT_FALSE(module.SaveWindowToFile(reinterpret_cast<QWidget*>(&foreign), path));
    EXPECT_FALSE(QFile::exists(path));
    window->tab = IAlertsInfoWindow::kGeneratedAlertsTab;
    ASSERT_TRUE(module.SaveWindowToFile(window->identity, path));
    window->tab = IAlertsInfoWindow::kDefinedAlertsTab;
    EXPECT_TRUE(module.OpenWindowFromFile(nullptr, path, false));
    EXPECT_EQ(window->tab, IAlertsInfoWindow::kGeneratedAlertsTab);
    EXPECT_EQ(windowsMade, 1);

    // Deleting acts only on the defined-alerts tab.
    AddOneSided(QStringLiteral("a"), Arg(1));
    FakeGridView view;
    module.GetAlertsListGrid().SetAndInitGridView(&view);
    view.selected = 0;
    module.DeleteSelectedAlert();
    EXPECT_EQ(module.Alerts().Count(), 1u);
    window->tab = IAlertsInfoWindow::kDefinedAlertsTab;
    module.DeleteSelectedAlert();
    EXPECT_EQ(module.Alerts().Count(), 0u);
    EXPECT_GT(window->redraws, 0);
    module.GetAlertsListGrid().ResetGridViewRef();

    module.StopThreads();
    EXPECT_TRUE(window->destroyed);
}
