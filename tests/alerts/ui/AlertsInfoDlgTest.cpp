#include "AlertsWindowFixture.h"

#include "platform/settings/Settings.h"
#include "ribbon/alertstab/TabCtrlEx.h"
#include "tests/support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

namespace
{
using AlertsInfoDlgTest = AlertsWindowFixture;

QString CurrentTabText(const AlertsInfoDlg& window)
{
    return window.TabCtrl().tabText(window.TabCtrl().currentIndex());
}
}

TEST_F(AlertsInfoDlgTest, OpensOnTheDefinedAlertsWithBothTabs)
{
    EXPECT_EQ(window->TabCtrl().tabText(0), QStringLiteral("Wygenerowane"));
    EXPECT_EQ(window->TabCtrl().tabText(1), QStringLiteral("Zdefiniowane"));
    EXPECT_EQ(CurrentTabText(*window), QStringLiteral("Zdefiniowane"));
    EXPECT_EQ(window->GetActiveTabNumber(), 0);
    EXPECT_EQ(window->DefinedTable().GetHeaderItemCount(), 2);
    EXPECT_EQ(window->GeneratedTable().GetHeaderItemCount(), 4);
}

TEST_F(AlertsInfoDlgTest, RestoredActiveTabPicksTheTabByItsOwnScale)
{
    const std::pair<int, QString> cases[] = {{1, QStringLiteral("Wygenerowane")},
                                             {0, QStringLiteral("Zdefiniowane")},
                                             {2, QStringLiteral("Zdefiniowane")}};
    for (const auto& [stored, tab] : cases)
    {
        Settings state;
        state["ActiveTab"] = std::int32_t(stored);
        window->UnSerializeState(state, false);
        EXPECT_EQ(CurrentTabText(*window), tab) << stored;
    }
}

TEST_F(AlertsInfoDlgTest, StateRoundTripsAndMissingWidthsKeepTheComputedOnes)
{
    ShowTab(1);
    window->GeneratedTable().SetHeaderItemWidth(2, 77);
    window->DefinedTable().SetHeaderItemWidth(1, 66);
    Settings state;
    window->SerializeState(state);
    EXPECT_EQ(state["ActiveTab"].ToInt(), 1);
    EXPECT_EQ(state["GenAlertsColumns"]["WidthCol3"].ToInt(), 77);
    EXPECT_EQ(state["DefAlertsColumns"]["WidthCol2"].ToInt(), 66);

    AlertsInfoDlg restored(module, nullptr, {});
    restored.UnSerializeState(state, false);
    EXPECT_EQ(restored.GetActiveTabNumber(), 1);
    EXPECT_EQ(CurrentTabText(restored), QStringLiteral("Wygenerowane"));
    EXPECT_EQ(restored.GeneratedTable().GetColumnWidth(2), 77);
    EXPECT_EQ(restored.DefinedTable().GetColumnWidth(1), 66);

    Settings partial;
    partial["ActiveTab"] = std::int32_t(0);
    const int before = restored.GeneratedTable().GetColumnWidth(2);
    restored.UnSerializeState(partial, false);
    EXPECT_EQ(restored.GeneratedTable().GetColumnWidth(2), before);
}

TEST_F(AlertsInfoDlgTest, TabCaptionIsTheSelectedAlertPaddedOrAlerty)
{
    AddTwoSided(QStringLiteral("Ab"), Arg(1), 10, 5);
    AddTwoSided(QStringLiteral("Długa nazwa"), Arg(1), 10, 5);
    EXPECT_EQ(window->GetRibbonCaptionString(), QStringLiteral("Alerty"));
    EXPECT_EQ(tabCaptions.last(), QStringLiteral("Alerty"));

    window->DefinedHandler().SetSelectedRow(0, false);
    window->GetRibbonCaptionString();
    EXPECT_EQ(tabCaptions.last(), QStringLiteral("Ab    "));
    window->DefinedHandler().SetSelectedRow(1, false);
    EXPECT_EQ(window->GetAlertsTabCaption(), QStringLiteral("Długa nazwa"));
    EXPECT_TRUE(window->IsContextRibbonAvailable());

    ShowTab(1);
    EXPECT_EQ(window->GetAlertsTabCaption(), QStringLiteral("Alerty"));
    EXPECT_FALSE(window->IsContextRibbonAvailable());
}

TEST_F(AlertsInfoDlgTest, ShowStartsTheTimersHideStopsThemAndTheTickRedraws)
{
    window->Show();
    EXPECT_TRUE(window->Visible());
    EXPECT_TRUE(window->IsTimerActive(AlertsInfoDlg::kRedrawTimerId));
    EXPECT_TRUE(window->IsTimerActive(AlertsInfoDlg::kHighlightTimerId));
    EXPECT_TRUE(window->DefinedHandler().IsRedrawRequired());
    EXPECT_TRUE(window->GeneratedHandler().IsRedrawRequired());
    window->OnTimer(AlertsInfoDlg::kRedrawTimerId);
    EXPECT_FALSE(window->DefinedHandler().IsRedrawRequired());
    EXPECT_FALSE(window->GeneratedHandler().IsRedrawRequired());

    window->GeneratedHandler().RequestRedraw();
    window->OnTimer(AlertsInfoDlg::kHighlightTimerId);
    EXPECT_FALSE(window->GeneratedHandler().IsRedrawRequired());

    // Escape in a grid hides the window.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&window->DefinedTable(), &escape);
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(window->IsTimerActive(AlertsInfoDlg::kRedrawTimerId));
    EXPECT_FALSE(window->IsTimerActive(AlertsInfoDlg::kHighlightTimerId));
}

TEST_F(AlertsInfoDlgTest, FiredAlertsFillTheHistoryNewestFirstOnTheRedrawTick)
{
    const AlertExprArgDesc argument = Arg(1, QStringLiteral("KGH"));
    AddTwoSided(QStringLiteral("kupno"), argument, 10, 5);
    AddTwoSided(QStringLiteral("sprzedaż"), argument, 100, 8);
    ASSERT_EQ(window->DefinedTable().GetItemCount(), 2);

    Deliver(argument, 11, 45000.5);
    // The worker's rows wait for the main thread's tick.
    EXPECT_EQ(window->GeneratedTable().GetItemCount(), 0);
    window->OnTimer(AlertsInfoDlg::kRedrawTimerId);
    ASSERT_EQ(window->GeneratedTable().GetItemCount(), 1);
    Fire(argument, 4, 45000.6);
    ASSERT_EQ(window->GeneratedTable().GetItemCount(), 3);
    EXPECT_EQ(window->GeneratedHandler().GetCellText(2, 0), QStringLiteral("kupno"));
}

TEST_F(AlertsInfoDlgTest, WindowFilesRoundTripThroughTheModule)
{
    TempHome home;
    ShowTab(1);
    window->GeneratedTable().SetHeaderItemWidth(0, 140);
    const QString path = QDir(home.Path()).filePath(QStringLiteral("okno.q4AM"));
    ASSERT_TRUE(module.SaveWindowToFile(window, path));
    EXPECT_FALSE(module.SaveWindowToFile(panel.get(), path));
    const QString nextPath = QDir(home.Path()).filePath(QStringLiteral("okno.q5AM"));
    ASSERT_TRUE(module.SaveWindowToQ5Format(window, nextPath));
    QFile next(nextPath);
    ASSERT_TRUE(next.open(QIODevice::ReadOnly));
    const QString nextText = QString::fromUtf8(next.readAll());
    EXPECT_TRUE(nextText.contains(QStringLiteral("GenAlertsColumns"))) << nextText.toStdString();
    EXPECT_TRUE(nextText.contains(QStringLiteral("140")));

    ShowTab(0);
    window->GeneratedTable().SetHeaderItemWidth(0, 60);
    window->Hide();
    ASSERT_TRUE(module.OpenWindowFromFile(panel.get(), path, true));
    EXPECT_EQ(link->GetActiveTab(), 1);
    EXPECT_EQ(window->GeneratedTable().GetColumnWidth(0), 140);
    EXPECT_TRUE(link->IsVisible());
    EXPECT_FALSE(module.OpenWindowFromFile(panel.get(), path + QStringLiteral(".brak"), true));
}

TEST_F(AlertsInfoDlgTest, AWindowThePanelDeletedIsMadeAgainInTheCurrentPanel)
{
    AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    panel.reset();
    EXPECT_EQ(link->GetWindow(), nullptr);
    EXPECT_FALSE(link->IsVisible());
    // The models dropped the deleted grids.
    AddTwoSided(QStringLiteral("b"), Arg(1), 10, 5);

    QWidget second;
    host = &second;
    EXPECT_TRUE(module.ShowAlertsWindow(true, nullptr));
    ASSERT_NE(link->Dialog(), nullptr);
    EXPECT_EQ(link->Dialog()->parentWidget(), &second);
    EXPECT_EQ(link->Dialog()->DefinedTable().GetItemCount(), 2);
}
