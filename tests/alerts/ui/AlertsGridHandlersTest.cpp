#include "AlertsWindowFixture.h"

#include "alerts/ui/DefinedAlertsGridHandler.h"
#include "alerts/ui/GeneratedAlertsGridHandler.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace
{
class AlertsGridHandlersTest : public AlertsWindowFixture
{
protected:
    void AddAlerts(int count)
    {
        for (int index = 0; index < count; ++index)
            AddTwoSided(QStringLiteral("alert%1").arg(index), Arg(1, QStringLiteral("KGH")), 10, 5);
    }
};

struct KeyCase
{
    int key;
    int row;
    int column;
    int expectedRow;
    int expectedColumn;
};
}

TEST_F(AlertsGridHandlersTest, ArrowKeysWrapAtBothEndsAndNeedASelectedRow)
{
    AddAlerts(3);
    DefinedAlertsGridHandler& handler = window->DefinedHandler();
    const KeyCase cases[] = {
        {AlertsInfoGridHandlerBase::kKeyUp, 0, 0, 2, 0},    {AlertsInfoGridHandlerBase::kKeyUp, 2, 0, 1, 0},
        {AlertsInfoGridHandlerBase::kKeyDown, 2, 1, 0, 1},  {AlertsInfoGridHandlerBase::kKeyDown, 0, 1, 1, 1},
        {AlertsInfoGridHandlerBase::kKeyLeft, 1, 0, 1, 1},  {AlertsInfoGridHandlerBase::kKeyLeft, 1, 1, 1, 0},
        {AlertsInfoGridHandlerBase::kKeyRight, 1, 1, 1, 0}, {AlertsInfoGridHandlerBase::kKeyRight, 1, 0, 1, 1},
    };
    for (const KeyCase& test : cases)
    {
        handler.SetTopAndSelectedRow(test.column, test.row);
        EXPECT_EQ(handler.OnKeyDown(test.key), test.expectedRow) << test.key << " " << test.row;
        EXPECT_EQ(handler.GetTopAndSelectedRow(), std::make_pair(test.expectedColumn, test.expectedRow)) << test.key;
    }

    handler.SetSelectedRow(-1, false);
    EXPECT_EQ(handler.OnKeyDown(AlertsInfoGridHandlerBase::kKeyDown), -1);
    EXPECT_EQ(handler.GetSelectedRow(), -1);
}

TEST_F(AlertsGridHandlersTest, AStaleSelectionAfterEveryRowWentChangesNothing)
{
    AddAlerts(2);
    GeneratedAlertsGridHandler& handler = window->GeneratedHandler();
    // The generated grid has no rows; a selection left over must not be divided by.
    handler.SetTopAndSelectedRow(0, 4);
    EXPECT_EQ(handler.OnKeyDown(AlertsInfoGridHandlerBase::kKeyDown), -1);
    EXPECT_EQ(handler.GetSelectedRow(), 4);

    // Rows shrank under the selection: it is clamped before it moves.
    window->DefinedHandler().SetTopAndSelectedRow(0, 7);
    EXPECT_EQ(window->DefinedHandler().OnKeyDown(AlertsInfoGridHandlerBase::kKeyUp), 0);
}

TEST_F(AlertsGridHandlersTest, AClickPicksTheColumnUnderTheMouseAndKeepsItRightOfTheLast)
{
    AddAlerts(2);
    DefinedAlertsGridHandler& handler = window->DefinedHandler();
    TableCtrl& table = window->DefinedTable();
    table.SetHeaderItemWidth(0, 100);
    table.SetHeaderItemWidth(1, 50);

    handler.OnRowClick(1, QPoint(120, 3), Qt::NoModifier);
    EXPECT_EQ(handler.GetTopAndSelectedRow(), std::make_pair(1, 1));
    EXPECT_TRUE(handler.IsActive());
    EXPECT_EQ(handler.HitTestColumn(QPoint(20, 0)), std::make_pair(0, 0));
    EXPECT_EQ(handler.HitTestColumn(QPoint(400, 0)), std::make_pair(-1, -1));

    handler.OnRowClick(0, QPoint(400, 3), Qt::NoModifier);
    EXPECT_EQ(handler.GetTopAndSelectedRow(), std::make_pair(1, 0));
}

TEST_F(AlertsGridHandlersTest, DeleteRemovesTheSelectedDefinedAlertButNotAHistoryRow)
{
    const AlertExprArgDesc argument = Arg(1, QStringLiteral("KGH"));
    AddTwoSided(QStringLiteral("pierwszy"), argument, 10, 5);
    const std::uint32_t second = AddTwoSided(QStringLiteral("drugi"), argument, 20, 5);
    ShowTab(1);
    Fire(argument, 11, 45000.5);
    ASSERT_EQ(window->GeneratedTable().GetItemCount(), 1);

    window->GeneratedHandler().SetSelectedRow(0, false);
    window->GeneratedHandler().OnKeyDown(AlertsInfoGridHandlerBase::kKeyDelete);
    EXPECT_EQ(module.Alerts().Count(), 2u);
    EXPECT_EQ(window->GeneratedTable().GetItemCount(), 1);

    ShowTab(0);
    window->DefinedHandler().SetSelectedRow(0, false);
    window->DefinedHandler().OnKeyDown(AlertsInfoGridHandlerBase::kKeyDelete);
    EXPECT_EQ(module.Alerts().Count(), 1u);
    EXPECT_TRUE(module.Alerts().Contains(second));
    EXPECT_EQ(window->DefinedTable().GetItemCount(), 1);
    // The alert's history rows went with it.
    EXPECT_EQ(module.GetAlertsHistory().GetRowCount(), 0u);
}

TEST_F(AlertsGridHandlersTest, DeleteAndDoubleClickOnACloudRowGoToTheCloudAlert)
{
    // A local alert with the cloud alert's id: the row's kind decides, not the id.
    const std::uint32_t local = AddTwoSided(QStringLiteral("lokalny"), Arg(1, QStringLiteral("KGH")), 10, 5);
    module.GetAlertsListGrid().RefreshCloudAlerts({std::make_shared<FakeCloudRow>(QStringLiteral("chmura"), local)});
    bool editable = false;
    QStringList calls;
    AlertModule::CloudRowOperations cloud;
    cloud.isEditable = [&](std::uint32_t id) {
        calls << QStringLiteral("editable %1").arg(id);
        return editable;
    };
    cloud.editSelected = [&] {
        calls << QStringLiteral("edit");
        return true;
    };
    cloud.deleteSelected = [&] { calls << QStringLiteral("delete"); };
    module.SetCloudRowOperations(cloud);
    ShowTab(0);
    DefinedAlertsGridHandler& handler = window->DefinedHandler();
    ASSERT_TRUE(handler.SelectRowByName(QStringLiteral("chmura"), IAlertListRow::kCloudRow));
    const int cloudRow = handler.GetSelectedRow();

    // A cloud alert that may not change is not opened; the question names the cloud alert's id.
    handler.OnRowDoubleClick(cloudRow, QPoint());
    EXPECT_TRUE(calls.contains(QStringLiteral("editable %1").arg(local)));
    EXPECT_FALSE(calls.contains(QStringLiteral("edit")));
    editable = true;
    calls.clear();
    handler.OnRowDoubleClick(cloudRow, QPoint());
    EXPECT_EQ(calls.count(QStringLiteral("edit")), 1);

    calls.clear();
    handler.OnKeyDown(AlertsInfoGridHandlerBase::kKeyDelete);
    EXPECT_EQ(calls, QStringList{QStringLiteral("delete")});
    // The local alert of the same id stays.
    EXPECT_TRUE(module.Alerts().Contains(local));

    // Deleting the local row does not reach the cloud.
    calls.clear();
    ASSERT_TRUE(handler.SelectRowByName(QStringLiteral("lokalny"), IAlertListRow::kLocalRow));
    handler.OnKeyDown(AlertsInfoGridHandlerBase::kKeyDelete);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_FALSE(module.Alerts().Contains(local));
    module.SetCloudRowOperations({});
}

TEST_F(AlertsGridHandlersTest, RowsWithoutAStyleFitTheWindowsFonts)
{
    const int highlight = QFontMetrics(window->GetHighlightFont()).height();
    EXPECT_GE(highlight, QFontMetrics(window->GetNormalFont()).height());
    EXPECT_EQ(window->GeneratedHandler().GetRowHeight(0), highlight + AlertsInfoGridHandlerBase::kRowSpacing);
}

TEST_F(AlertsGridHandlersTest, InactiveOrDelistedAlertsAreGreyedOut)
{
    const QColor style(Qt::blue);
    EXPECT_EQ(DefinedAlertsGridHandler::TextColorOf(true, true, style), style);
    EXPECT_NE(DefinedAlertsGridHandler::TextColorOf(false, true, style), style);
    EXPECT_NE(DefinedAlertsGridHandler::TextColorOf(true, false, style), style);
}

TEST_F(AlertsGridHandlersTest, ColumnWidthFitsTheWidestTextWithMargins)
{
    AddTwoSided(QStringLiteral("krótki"), Arg(1, QStringLiteral("KGH")), 10, 5);
    AddTwoSided(QStringLiteral("znacznie dłuższa nazwa"), Arg(1, QStringLiteral("KGH")), 10, 5);
    const QFontMetrics metrics(window->GetNormalFont());
    EXPECT_EQ(window->DefinedHandler().CalcColumnWidth(0),
              metrics.horizontalAdvance(QStringLiteral("znacznie dłuższa nazwa")) + 2 * AlertsInfoGridHandlerBase::kCellMargin);

    ShowTab(1);
    Fire(Arg(1, QStringLiteral("KGH")), 11, 45000.5);
    const int widest = std::max(metrics.horizontalAdvance(QStringLiteral("krótki")),
                                metrics.horizontalAdvance(QStringLiteral("znacznie dłuższa nazwa")));
    EXPECT_EQ(window->GeneratedHandler().CalcColumnWidth(0),
              widest + 2 * AlertsInfoGridHandlerBase::kCellMargin + GeneratedAlertsGridHandler::kSideImageSize);
}

TEST_F(AlertsGridHandlersTest, SelectRowByNameFindsTheRowOfThatKindOnly)
{
    AddAlerts(3);
    DefinedAlertsGridHandler& handler = window->DefinedHandler();
    EXPECT_TRUE(handler.SelectRowByName(QStringLiteral("alert2"), IAlertListRow::kLocalRow));
    EXPECT_EQ(handler.GetSelectedRow(), 2);
    EXPECT_EQ(handler.GetSelectedRowName(), QStringLiteral("alert2"));
    EXPECT_FALSE(handler.SelectRowByName(QStringLiteral("alert1"), IAlertListRow::kCloudRow));
    EXPECT_EQ(handler.GetSelectedRow(), 2);
    handler.SetSelectedRow(-1, false);
    EXPECT_TRUE(handler.GetSelectedRowName().isEmpty());
}

TEST_F(AlertsGridHandlersTest, BothGridsPaintTheirRowsOffscreen)
{
    AddAlerts(2);
    ShowTab(1);
    Fire(Arg(1, QStringLiteral("KGH")), 11, 45000.5);
    window->resize(500, 300);
    window->show();
    for (int tab : {0, 1})
    {
        ShowTab(tab);
        QImage image(window->size(), QImage::Format_ARGB32);
        window->render(&image);
        EXPECT_FALSE(image.isNull());
    }
    window->GeneratedHandler().SetActive(true);
    QImage row(400, 20, QImage::Format_ARGB32);
    QPainter painter(&row);
    window->GeneratedHandler().DrawCell(painter, 0, QRect(0, 0, 400, 20));
    window->DefinedHandler().DrawCell(painter, 1, QRect(0, 0, 400, 20));
}
