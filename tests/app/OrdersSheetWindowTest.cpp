#include "app/OrdersSheetManagerQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/QuickAddInstrumentDlg.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/ui/OSComplexPaneContainer.h"
#include "orderssheet/ui/OSContextMenu.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/CmdUI.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "orderssheet/ui/OrdersSheetSummarySettingsDlg.h"
#include "orderssheet/ui/ShowColumnsListOrdersSheet.h"
#include "orderssheet/settings/OrdersSheetGeneralSettingsGroup.h"
#include "orderssheet/settings/OrdersSheetRowsStyleSet.h"
#include "orderssheet/settings/OrdersSheetTableSettings.h"
#include "platform/modules/ConnectedWindowData.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "ribbon/galleries/CheckBoxGalleryControlItem.h"
#include "orderssheet/ui/OrdersSheetSummaryChartCtrl.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "orderssheet/ui/TableHandlerCommon.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "styles/engine/StylesContainer.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "workspace/ui/PulpitFrame.h"
#include "tests/app/OrdersSheetWindowFixture.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>

#include <cmath>
#include <limits>

namespace
{
TEST_F(OrdersSheetWindowTest, TheSheetShowsTheInstrumentsBookInAPanelAndTheCommandTogglesIt)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), panel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("%1 (zlecenia)").arg(asset.GetLongName()));
    OrdersSheetAssetInstance* instance = sheets->FindInstance(asset);
    ASSERT_NE(instance, nullptr);
    EXPECT_TRUE(instance->IsReceiverSubscribed());
    EXPECT_TRUE(window->IsRedrawTimerActive());
    EXPECT_TRUE(sheets->IsOrdersSheetWindowVisible());

    // Side 0's table has its empty first row above the data rows, side 1's has none.
    const int mode = window->GetSettings().GetTableSettings().GetMode();
    EXPECT_EQ(window->Panes().ComplexPane().Table().GetItemCount(), instance->GetDataSet(0)->GetRowCount(mode) + 1);
    EXPECT_EQ(window->Panes().SecondPane().Table().GetItemCount(), instance->GetDataSet(1)->GetRowCount(mode));
    EXPECT_EQ(window->Panes().ComplexPane().Table().GetColumnCount(), 9);

    // The summaries and the chart hold the book's figures, the real supply and demand (orders
    // within the session's price limits) too.
    EXPECT_TRUE(TestApplication::ProcessEventsUntil(
        [&] { return window->Panes().Chart().GetData().Get(OSSummaryChartData::SupplyBars).shares[0] > 0; }));
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] {
        const OSSummaryChartData& chart = window->Panes().Chart().GetData();
        return chart.Get(OSSummaryChartData::SupplyLine).raw[OSSummaryChartData::CountPoint] > 0
               && chart.Get(OSSummaryChartData::DemandLine).raw[OSSummaryChartData::CountPoint] > 0;
    }));

    // The general command hides a visible sheet and stops its receiver; again, it shows it.
    ASSERT_TRUE(sheets->ShowOrdersSheetWindow(panel));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(instance->IsReceiverSubscribed());
    EXPECT_FALSE(sheets->IsOrdersSheetWindowVisible());
    Mediator().SetActiveAsset(std::make_shared<Asset>(asset));
    ASSERT_TRUE(sheets->ShowOrdersSheetForAsset(asset, panel));
    EXPECT_EQ(sheets->GetCurrentWindow(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(instance->IsReceiverSubscribed());
}

TEST_F(OrdersSheetWindowTest, WindowsAreNumberedWithinTheirInstrumentAndLeaveItAsTheyGo)
{
    OrderSheetMainDlg* first = OpenOn(asset);
    ASSERT_NE(first, nullptr);
    auto* second = new OrderSheetMainDlg(*sheets, OrdersSheetSettings(), false, panel);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Arkusz zleceń"));
    sheets->AddOwnWindow(second);
    ASSERT_TRUE(second->RunOnAsset(asset));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("%1 (zlecenia) (2)").arg(asset.GetLongName()));
    EXPECT_EQ(sheets->GetOwnWindows().IsEmpty(), true);
    EXPECT_EQ(sheets->FindInstance(asset)->GetWindows().Windows().size(), 2u);

    // The offer-lines mode names itself in the caption.
    second->Panes().SetSheetMode(nullptr);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("%1 (linie ofert) (2)").arg(asset.GetLongName()));

    // Hiding one window keeps the other's updates.
    second->Show();
    first->Hide();
    EXPECT_TRUE(sheets->FindInstance(asset)->IsReceiverSubscribed());

    // The second moves to another instrument; running again on the same one changes nothing.
    ASSERT_TRUE(second->RunOnAsset(other));
    ASSERT_TRUE(second->RunOnAsset(other));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("%1 (linie ofert)").arg(other.GetLongName()));
    EXPECT_EQ(sheets->FindInstance(asset)->GetWindows().Windows().size(), 1u);

    // Removed through the module: the instrument's instance goes with its last window.
    QPointer<OrderSheetMainDlg> removed(second);
    second->RequestRemove();
    second->RequestRemove();
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return removed.isNull(); }));
    EXPECT_EQ(sheets->FindInstance(other), nullptr);

    // Deleted with its panel's children: the module forgets it, and the instance goes.
    delete first;
    EXPECT_EQ(sheets->FindInstance(asset), nullptr);
}

TEST_F(OrdersSheetWindowTest, AWindowWithoutAProviderRefusesTheInstrumentAndStaysUnattached)
{
    auto* window = new OrderSheetMainDlg(*sheets, OrdersSheetSettings(), false, panel);
    sheets->AddOwnWindow(window);
    Asset bare = asset;
    bare.SetProvider(nullptr);
    EXPECT_FALSE(window->RunOnAsset(bare));
    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(sheets->FindInstance(bare), nullptr);
    EXPECT_TRUE(sheets->GetOwnWindows().Contains(window));
    EXPECT_TRUE(LogText().contains(QStringLiteral("Invalid object state")));
    // A window without an instrument has no data to show.
    window->OnNewDataSetState();
    EXPECT_EQ(window->Panes().SecondPane().Table().GetItemCount(), 0);
}

TEST_F(OrdersSheetWindowTest, ChangeMarksFadeAfterTheHighlightTime)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    OrdersSheetAssetInstance* instance = sheets->FindInstance(asset);
    TableDataSetOrdersSheet* demand = instance->GetDataSet(1);
    TableHandlerCommon& handler = window->Panes().SecondPane().GetHandler();
    const int mode = window->GetSettings().GetTableSettings().GetMode();
    handler.SetHighlightTime(500);

    QImage image(800, 20, QImage::Format_ARGB32);
    auto paintRow = [&](int row) {
        QPainter painter(&image);
        handler.DrawCell(painter, row, QRect(0, 0, 800, 20));
        handler.OnAfterPaint(painter, QRect(0, 0, 800, 20));
    };
    auto markedRow = [&] {
        for (int row = 0; row < demand->GetRowCount(mode); ++row)
            if (demand->HasRowAnyChangesValues(row, mode))
                return row;
        return -1;
    };
    // A fresh book marks its rows new. Stop further refreshes so the marks stay put.
    window->Hide();
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return markedRow() >= 0; }));
    const int row = markedRow();
    const std::uint64_t changed = demand->GetRowTimeLastUpdate(row, mode);

    // Within the highlight time the mark stays and the table keeps repainting.
    handler.SetTickSource([&] { return changed + 100; });
    handler.OnRedrawn();
    paintRow(row);
    EXPECT_TRUE(demand->HasRowAnyChangesValues(row, mode));
    EXPECT_TRUE(handler.IsRedrawRequired());

    // Past it, the row's marks are cleared and no more repaints are asked for.
    handler.SetTickSource([&] { return changed + 1000; });
    handler.OnRedrawn();
    paintRow(row);
    EXPECT_FALSE(demand->HasRowAnyChangesValues(row, mode));
    EXPECT_FALSE(handler.IsRedrawRequired());
}

TEST_F(OrdersSheetWindowTest, TheContextMenuSwitchesTheModeAndHasNoWindowToMoveTo)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    OSContextMenu& menu = window->ContextMenu();
    auto actions = [&] {
        std::unique_ptr<QMenu> built = menu.BuildMenu();
        std::vector<std::pair<QString, bool>> items;
        for (QAction* action : built->actions())
            items.emplace_back(action->text(), action->isEnabled());
        return items;
    };
    const auto inOrders = actions();
    ASSERT_EQ(inOrders.size(), 2u);
    EXPECT_EQ(inOrders[0].first, QStringLiteral("Tryb ofert"));
    EXPECT_EQ(inOrders[1], std::make_pair(QStringLiteral("Przenieś na"), false));

    menu.OnMenuCommand(OSContextMenu::ID_SHEET_MODE);
    EXPECT_EQ(window->GetSettings().GetTableSettings().GetMode(), 2);
    EXPECT_EQ(window->Panes().ComplexPane().Table().GetColumnCount(), 8);
    EXPECT_EQ(actions()[0].first, QStringLiteral("Tryb zleceń"));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("linie ofert")));

    // Unknown ids and window indexes outside the (empty) list do nothing.
    for (std::uint32_t id : {0u, 1u, OSContextMenu::ID_MOVE_TO, OSContextMenu::kFirstWindowId, OSContextMenu::kFirstWindowId + 5})
        menu.OnMenuCommand(id);
    EXPECT_EQ(window->GetSettings().GetTableSettings().GetMode(), 2);
    menu.OnMenuCommand(OSContextMenu::ID_SHEET_MODE);
    EXPECT_EQ(window->GetSettings().GetTableSettings().GetMode(), 1);
    EXPECT_EQ(window->Panes().ComplexPane().Table().GetColumnCount(), 9);
}

TEST_F(OrdersSheetWindowTest, PaneCommandsChangeThePanesAndBadBordersAreRefused)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    window->resize(900, 600);
    OrdersSheetPaneManager& panes = window->Panes();
    const OrdersSheetSettings& settings = window->GetSettings();

    // The right column keeps the chart around the left split, above and below the summaries.
    const QSize chart = panes.PaneSize(OrdersSheetPaneGeometry::kChartPane);
    EXPECT_GT(chart.height(), 0);
    EXPECT_EQ(panes.PaneSize(OrdersSheetPaneGeometry::kSupplySummaryPane).width(), OrdersSheetPaneGeometry::kRightColumnWidth);
    const int split = panes.PaneSize(OrdersSheetPaneGeometry::kComplexPane).height();
    const int chartMiddle = panes.PaneSize(OrdersSheetPaneGeometry::kSupplySummaryPane).height() + chart.height() / 2;
    EXPECT_NEAR(chartMiddle, split, 3);

    panes.ShowChart(nullptr);
    EXPECT_FALSE(settings.chartVisible);
    EXPECT_EQ(panes.PaneSize(OrdersSheetPaneGeometry::kChartPane).height(), 0);
    panes.ShowChart(nullptr);
    EXPECT_TRUE(settings.chartVisible);

    const bool hide = false;
    panes.ShowSummaryWnd(&hide);
    EXPECT_FALSE(settings.summaryVisible);
    // The orders pane is the last one shown: it stays.
    panes.ShowOrdersPane(&hide);
    EXPECT_TRUE(settings.ordersPaneVisible);
    panes.ShowSummaryWnd(nullptr);
    panes.ShowOrdersPane(&hide);
    EXPECT_FALSE(settings.ordersPaneVisible);
    EXPECT_EQ(window->maximumWidth(), OrdersSheetPaneGeometry::kNarrowWidth);
    panes.ShowOrdersPane(nullptr);
    EXPECT_TRUE(settings.ordersPaneVisible);

    panes.ShowRowCurrValue(&hide);
    EXPECT_EQ(panes.ComplexPane().ShownRowHeight(), 0);
    EXPECT_TRUE(panes.ComplexPane().RowTable().isHidden());
    panes.ShowRowCurrValue(nullptr);
    EXPECT_GT(panes.ComplexPane().ShownRowHeight(), 0);

    for (const double border : {0.0, 1.0})
    {
        panes.SetRealBorder(0, border);
        EXPECT_EQ(settings.borderValue, border);
    }
    for (const double border : {1.01, -0.01, std::numeric_limits<double>::quiet_NaN()})
    {
        EXPECT_ANY_THROW(panes.SetRealBorder(1, border));
        EXPECT_EQ(settings.borderValue, 1.0);
        EXPECT_EQ(settings.borderKind, 0);
    }

    // A column moved by display position moves in both tables; the last shown column stays.
    const QString second = panes.ComplexPane().Table().GetHeaderItemCaption(1);
    panes.MoveColumn(1, 0);
    EXPECT_EQ(panes.ComplexPane().Table().GetHeaderItemCaption(0), second);
    panes.MoveColumn(0, 9);
    EXPECT_EQ(panes.ComplexPane().Table().GetHeaderItemCaption(0), second);
    for (int pos = 0; pos < 9; ++pos)
        panes.SetColumnVisible(pos, &hide);
    int shown = 0;
    for (int column = 0; column < 9; ++column)
        shown += panes.ComplexPane().Table().IsColumnVisible(column) ? 1 : 0;
    EXPECT_EQ(shown, 1);
}

TEST_F(OrdersSheetWindowTest, TheStateRoundTripsWithItsPanesAndFindsTheInstrumentAgain)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    window->resize(900, 600);
    const bool hide = false;
    window->Panes().ShowCursor(&hide);
    window->Panes().SetRealBorder(0, 0.4);
    ::Settings state;
    window->SerializeState(state, false);
    ASSERT_TRUE(state.Exists(OrdersSheetPaneManager::kPanesNode));
    EXPECT_TRUE(state[OrdersSheetPaneManager::kPanesNode].Exists(QStringLiteral("PaneData_Y_1104")));
    EXPECT_TRUE(state[OrdersSheetPaneManager::kPanesNode].Exists(QStringLiteral("PaneData_X_1100")));
    const int chart = window->Panes().PaneSize(OrdersSheetPaneGeometry::kChartPane).height();

    auto* restored = new OrderSheetMainDlg(*sheets, OrdersSheetSettings(), false, panel);
    sheets->AddOwnWindow(restored);
    restored->resize(900, 600);
    ASSERT_TRUE(restored->UnSerializeState(state));
    EXPECT_TRUE(restored->IsRunning());
    EXPECT_EQ(restored->GetAsset(), asset);
    EXPECT_FALSE(restored->GetSettings().cursorVisible);
    EXPECT_DOUBLE_EQ(restored->GetSettings().borderValue, 0.4);
    restored->Show();
    EXPECT_EQ(restored->Panes().PaneSize(OrdersSheetPaneGeometry::kChartPane).height(), chart);

    // An instrument the provider does not know: the window opens without one.
    ::Settings unknown = state;
    unknown["Asset"]["ShortName"] = QStringLiteral("NIEZNANY");
    auto* orphan = new OrderSheetMainDlg(*sheets, OrdersSheetSettings(), false, panel);
    sheets->AddOwnWindow(orphan);
    EXPECT_TRUE(orphan->UnSerializeState(unknown));
    EXPECT_FALSE(orphan->IsRunning());
}
}

namespace
{
TEST_F(OrdersSheetWindowTest, AWindowFileReopensTheSheetAndADamagedOneChangesNothing)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    window->Panes().SetSheetMode(nullptr);
    const QString path = home.Path() + QStringLiteral("/arkusz.q4sOS");
    ASSERT_TRUE(sheets->SaveWindowToFile(window, path, 0, false));
    EXPECT_FALSE(sheets->SaveWindowToFile(panel, path + QStringLiteral(".x"), 0, false));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".x")));

    const QString damaged = home.Path() + QStringLiteral("/zepsuty.q4sOS");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Settings><nie");
    file.close();
    EXPECT_FALSE(sheets->OpenWindowFromFile(panel, damaged, false));
    EXPECT_EQ(sheets->GetCurrentWindow(), window);
    EXPECT_NE(sheets->FindInstance(asset), nullptr);

    // The earlier windows close first.
    QPointer<OrderSheetMainDlg> earlier(window);
    ASSERT_TRUE(sheets->OpenWindowFromFile(panel, path, false));
    EXPECT_TRUE(earlier.isNull());
    OrderSheetMainDlg* opened = sheets->GetCurrentWindow();
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->IsRunning());
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(opened->GetSettings().GetTableSettings().GetMode(), 2);
    EXPECT_EQ(sheets->FindInstance(asset)->GetWindows().Windows().size(), 1u);

    const QString exported = home.Path() + QStringLiteral("/arkusz.q5sOS");
    ASSERT_TRUE(sheets->SaveWindowToQ5Format(opened, exported, 0, 0));
    QFile q5(exported);
    ASSERT_TRUE(q5.open(QIODevice::ReadOnly));
    EXPECT_TRUE(q5.readAll().contains("PanesPositions"));
}
}

namespace
{
TEST_F(OrdersSheetWindowTest, RowStylesOfRowsThatLeftTheBookGoWithThem)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    OrdersSheetTableSettings& table = window->GetSettings().GetTableSettings();
    OrdersSheetRowsStyleSet& rows = table.GetRowsStyleSet();
    const int action = OrdersSheetSettings::RowStyleAction(table.GetMode());
    const QSet<QString> keys = sheets->FindInstance(asset)->GetRowKeys();
    ASSERT_FALSE(keys.isEmpty());
    for (const QString& key : keys)
        rows.GetEntry(action, key, true);
    rows.GetEntry(action, QStringLiteral("999999 zlecenie, którego już nie ma"), true);
    rows.GetEntry(1 - action, QStringLiteral("999999 zlecenie, którego już nie ma"), true);

    window->OnNewDataSetState();
    EXPECT_EQ(rows.GetEntry(action, QStringLiteral("999999 zlecenie, którego już nie ma"), false), nullptr);
    // The feed may have moved on meanwhile; most rows are still there, and the other mode's
    // styles wait for that mode.
    EXPECT_GT(rows.GetEntries(action).size(), keys.size() / 2);
    EXPECT_NE(rows.GetEntry(1 - action, QStringLiteral("999999 zlecenie, którego już nie ma"), false), nullptr);
}

TEST_F(OrdersSheetWindowTest, SavingTheTemplatesFileGivesNewWindowsItsSettingsAndEveryWindowIsOfferedToTables)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    std::vector<ConnectedWindowData> connected;
    sheets->CollectWindowsData(connected);
    ASSERT_EQ(connected.size(), 1u);
    EXPECT_EQ(connected[0].window, window);

    const QString path = home.Path() + QStringLiteral("/szablon.q4sOS");
    const std::shared_ptr<GeneralSettingsGroupManagerBase> group = sheets->GetGeneralSettingsGroup();
    const std::shared_ptr<::Settings> node = group->LoadCurrentSettingsNode();
    (*node)[OrdersSheetGeneralSettingsGroup::kTemplatePathKey] = path;
    ASSERT_TRUE(group->SaveCurrentSettingsNode(*node));

    window->Panes().SetSheetMode(nullptr);
    ASSERT_EQ(window->GetSettings().GetTableSettings().GetMode(), 2);
    ASSERT_TRUE(sheets->SaveWindowToFile(window, path, 0, false));
    sheets->CloseAllWindows();
    ASSERT_TRUE(sheets->ShowOrdersSheetWindow(panel));
    ASSERT_NE(sheets->GetCurrentWindow(), nullptr);
    EXPECT_EQ(sheets->GetCurrentWindow()->GetSettings().GetTableSettings().GetMode(), 2);
}

TEST_F(OrdersSheetWindowTest, TheRibbonCommandsActOnTheCurrentSheet)
{
    CmdTarget* commands = sheets->GetSheetCmdTarget();
    ASSERT_NE(commands, nullptr);
    // Without a window nothing happens; the chart command stays enabled.
    CmdUI chart(OrdersSheetCommandIds::ID_CHART);
    ASSERT_TRUE(commands->UpdateCommandUI(chart));
    EXPECT_TRUE(chart.Enabled().value_or(false));
    CmdUI lock(OrdersSheetCommandIds::ID_LOCK_COLUMNS);
    commands->UpdateCommandUI(lock);
    EXPECT_FALSE(lock.Enabled().value_or(true));
    EXPECT_TRUE(commands->ExecuteCommand(OrdersSheetCommandIds::ID_CHART));

    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetCmdTarger(), commands);
    struct Case
    {
        std::uint32_t id;
        const bool* flag;
    };
    const OrdersSheetSettings& settings = window->GetSettings();
    const Case cases[] = {
        {OrdersSheetCommandIds::ID_CHART, &settings.chartVisible},
        {OrdersSheetCommandIds::ID_LOCK_COLUMNS, &settings.columnsLocked},
        {OrdersSheetCommandIds::ID_ROW_CURR_VALUE, &settings.rowCurrValueVisible},
        {OrdersSheetCommandIds::ID_VSCROLL, &settings.vScrollVisible},
        {OrdersSheetCommandIds::ID_CURSOR, &settings.cursorVisible},
        {OrdersSheetCommandIds::ID_SUMMARY, &settings.summaryVisible},
        {OrdersSheetCommandIds::ID_ORDERS_PANE, &settings.ordersPaneVisible},
    };
    for (const Case& c : cases)
    {
        const bool before = *c.flag;
        ASSERT_TRUE(commands->ExecuteCommand(c.id)) << c.id;
        EXPECT_NE(*c.flag, before) << c.id;
        CmdUI update(c.id);
        commands->UpdateCommandUI(update);
        EXPECT_TRUE(update.Enabled().value_or(false)) << c.id;
        EXPECT_EQ(update.Checked().value_or(-1), *c.flag ? 1 : 0) << c.id;
        commands->ExecuteCommand(c.id);
        EXPECT_EQ(*c.flag, before) << c.id;
    }

    // The popups of the tab are open to the current window.
    for (std::uint32_t id : {OrdersSheetCommandIds::ID_SUMMARY_SETTINGS, OrdersSheetCommandIds::ID_VISIBLE_COLUMNS,
                             OrdersSheetCommandIds::ID_COLUMNS_GALLERY})
    {
        CmdUI update(id);
        ASSERT_TRUE(commands->UpdateCommandUI(update)) << id;
        EXPECT_TRUE(update.Enabled().value_or(false)) << id;
    }

    CmdUI mode(OrdersSheetCommandIds::ID_SHEET_MODE);
    commands->UpdateCommandUI(mode);
    EXPECT_EQ(mode.Text().value_or(QString()), QStringLiteral("Tryb ofert"));
    commands->ExecuteCommand(OrdersSheetCommandIds::ID_SHEET_MODE);
    EXPECT_EQ(settings.GetTableSettings().GetMode(), 2);
    commands->UpdateCommandUI(mode);
    EXPECT_EQ(mode.Text().value_or(QString()), QStringLiteral("Tryb zleceń"));
}
}

namespace
{
TEST_F(OrdersSheetWindowTest, QuickAddMovesTheWindowToTheChosenInstrument)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->OpenQuickAdd());
    QuickAddInstrumentDlg* popup = QuickAddInstrumentDlg::Existing();
    ASSERT_NE(popup, nullptr);
    popup->NameEdit()->setText(other.GetShortName());
    popup->OnOk();
    EXPECT_EQ(window->GetAsset(), other);
    EXPECT_TRUE(window->IsRunning());
    EXPECT_EQ(sheets->FindInstance(asset), nullptr);

    // The popup outlives a window removed meanwhile: its choice then goes nowhere.
    ASSERT_TRUE(window->OpenQuickAdd());
    QPointer<OrderSheetMainDlg> removed(window);
    window->RequestRemove();
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return removed.isNull(); }));
    popup->NameEdit()->setText(asset.GetShortName());
    popup->OnOk();
    EXPECT_EQ(sheets->FindInstance(asset), nullptr);
}
}

namespace
{
TEST_F(OrdersSheetWindowTest, SummarySettingsPopupStoresOnlyAValidPercentage)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    window->GetSettings().borderKind = 1;
    window->GetSettings().borderValue = 0.05;
    OrdersSheetSummarySettingsDlg popup(nullptr, nullptr);
    popup.Fill(window);
    // The price bands need no percentage, yet it is shown.
    EXPECT_TRUE(popup.BandsRadio()->isChecked());
    EXPECT_FALSE(popup.PercentEdit()->isEnabled());
    EXPECT_EQ(popup.PercentEdit()->text(), QStringLiteral("5.00"));

    // A radio click shows the stored value again: what was typed is lost.
    popup.DistanceRadio()->click();
    EXPECT_TRUE(popup.PercentEdit()->isEnabled());
    popup.PercentEdit()->setText(QStringLiteral("12"));
    popup.DistanceRadio()->click();
    EXPECT_EQ(popup.PercentEdit()->text(), QStringLiteral("5.00"));

    const struct
    {
        const char* typed;
        int kind;
        double stored;
    } cases[] = {{"25", 0, 0.25}, {"7,5", 0, 0.075}, {"150", 0, 0.075}, {"-1", 0, 0.075}, {"abc", 0, 0.0}};
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.typed);
        popup.PercentEdit()->setText(QString::fromUtf8(entry.typed));
        popup.OnOk();
        EXPECT_EQ(window->GetSettings().borderKind, entry.kind);
        EXPECT_DOUBLE_EQ(window->GetSettings().borderValue, entry.stored);
    }
    // A refused percentage gives way to the stored one in the edit.
    popup.PercentEdit()->setText(QStringLiteral("101"));
    popup.OnOk();
    EXPECT_EQ(popup.PercentEdit()->text(), QStringLiteral("0.00"));

    popup.BandsRadio()->click();
    popup.OnOk();
    EXPECT_EQ(window->GetSettings().borderKind, 1);

    // Without a window nothing is shown and OK stores nothing.
    popup.Fill(nullptr);
    EXPECT_TRUE(popup.PercentEdit()->text().isEmpty());
    popup.OnOk();
    EXPECT_EQ(window->GetSettings().borderKind, 1);
}
}

namespace
{
TEST_F(OrdersSheetWindowTest, ColumnsGalleryListsTheModesColumnsAndKeepsOneShown)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    ShowColumnsListOrdersSheet helper([window] { return window; });
    CheckBoxGalleryControl gallery(nullptr, CheckBoxGalleryControl::kUncheckedImageId,
                                   CheckBoxGalleryControl::kCheckedImageId, OrdersSheetCommandIds::ID_COLUMNS_GALLERY);
    auto& table = window->GetSettings().GetTableSettings();
    for (const auto& [mode, count] : {std::pair{1, 9}, std::pair{2, 8}})
    {
        SCOPED_TRACE(mode);
        if (table.GetMode() != mode)
            window->Panes().SetSheetMode(&mode);
        helper.Fill(gallery);
        ASSERT_EQ(gallery.GetItemCount(), count);
        EXPECT_EQ(int(gallery.GetCheckedItems().size()), count);
    }

    // Untick every column in turn: the last one stays shown and ticked.
    helper.Fill(gallery);
    for (int i = 0; i < gallery.GetItemCount(); ++i)
    {
        auto* item = static_cast<CheckBoxGalleryControlItem*>(gallery.GetItem(i));
        item->Toggle();
        helper.OnItemExecute(gallery, *item);
    }
    const int mode = table.GetMode();
    EXPECT_FALSE(table.GetColumnForDisplayPos(mode, 0).visible);
    EXPECT_TRUE(table.GetColumnForDisplayPos(mode, gallery.GetItemCount() - 1).visible);
    EXPECT_EQ(gallery.GetCheckedItems().size(), 1u);

    // Moved columns: the item at a display position toggles the column shown there.
    table.MoveColumn(0, 3);
    helper.Fill(gallery);
    auto* first = static_cast<CheckBoxGalleryControlItem*>(gallery.GetItem(0));
    EXPECT_EQ(first->GetCaption(),
              OrdersSheetTableSettings::GetColumnCaption(mode, table.GetColumnForDisplayPos(mode, 0).kind));
}
}
