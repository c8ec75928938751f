#include "app/OrdersSheetManagerQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableModule.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "orderssheet/ui/OSComplexPaneContainer.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/CmdUI.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/galleries/ConnectedTableGaleryHalper.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "workspace/ui/PulpitFrame.h"
#include "tests/app/OrdersSheetAppFixture.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <optional>

namespace
{
using namespace OrdersSheetCommandIds;
using namespace OrdersSheetPanesArrangement;

class OrdersSheetLinkTest : public OrdersSheetAppFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(StartWithSheet());
        commands = sheets->GetSheetCmdTarget();
        ASSERT_NE(commands, nullptr);
    }

    std::optional<bool> LinkEnabled() const
    {
        CmdUI link(ID_LINK_TABLE);
        commands->UpdateCommandUI(link);
        return link.Enabled();
    }

    CmdTarget* commands = nullptr;
};

TEST_F(OrdersSheetLinkTest, LinkingToAQuoteTableMakesTheSheetRunOnTheTablesSelectedInstrument)
{
    auto* tables = static_cast<TableModuleConsumer*>(GetTableCons());
    ASSERT_NE(tables, nullptr);
    for (QuoteTableWindow* open : tables->Tables())
        delete open;
    EXPECT_FALSE(LinkEnabled().value_or(true));
    ASSERT_TRUE(tables->ShowNewTable(panel));
    QuoteTableWindow* table = tables->CurrentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(LinkEnabled().value_or(false));

    // The tab's "Powiąż" gallery lists the table for the active sheet and links it.
    window->ForceActivate();
    QuorvantaRibbonBar& ribbon = *dynamic_cast<PulpitFrame*>(App().GetPulpitFrame())->GetRibbonBar();
    RibbonTabBase* tab = ribbon.FindTab(IDS_TAB_ORDERS_SHEET);
    ASSERT_NE(tab, nullptr);
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return ribbon.SetCurrentTab(tab); }));
    RibbonGroupBase* contents = tab->FindGroup(GROUP_CONTENTS);
    ASSERT_NE(contents, nullptr);
    for (std::uint32_t id : {ID_ARRANGE_AUTOMATIC, ID_ARRANGE_COLUMNS, ID_ARRANGE_ROWS})
        EXPECT_NE(contents->FindControl(id), nullptr) << id;
    RibbonControl* link = contents->FindControl(ID_LINK_TABLE);
    ASSERT_NE(link, nullptr);
    ASSERT_NE(link->GetCommandBar(), nullptr);
    auto* gallery = qobject_cast<DynamicGallery*>(link->GetCommandBar()->FindControl(ID_LINK_TABLE));
    ASSERT_NE(gallery, nullptr);
    ASSERT_NE(gallery->GetHelper(), nullptr);
    gallery->GetHelper()->Fill(*gallery);
    ASSERT_EQ(gallery->GetItemCount(), 1);
    gallery->GetHelper()->OnItemExecute(*gallery, *gallery->GetItem(0));
    QCoreApplication::processEvents();
    ASSERT_TRUE(table->Connections().IsConnected(window));

    // Each move of the table's cursor moves the sheet, which keeps its book coming.
    for (int row : {3, 5})
    {
        const Asset& selected = table->Model().Rows().at(row).asset;
        table->Model().Select(table->Model().Rows().at(row).id, 0);
        table->Redraw(false);
        EXPECT_TRUE(window->IsRunning()) << row;
        EXPECT_EQ(window->GetAsset(), selected) << row;
        EXPECT_NE(sheets->FindInstance(selected), nullptr) << row;
        EXPECT_TRUE(TestApplication::ProcessEventsUntil(
            [&] { return window->Panes().ComplexPane().Table().GetItemCount() > 1; }, 10000)) << row;
    }
    // Choosing the same table again unlinks it: the sheet stays where it is.
    gallery->GetHelper()->Fill(*gallery);
    gallery->GetHelper()->OnItemExecute(*gallery, *gallery->GetItem(0));
    QCoreApplication::processEvents();
    EXPECT_FALSE(table->Connections().IsConnected(window));
}

TEST_F(OrdersSheetLinkTest, ArrangementCommandsPlaceTheTablesAndTheWindowFileKeepsTheChoice)
{
    OrdersSheetPaneManager& panes = window->Panes();
    EXPECT_EQ(panes.GetPanesArrangement(), kRows);
    // Automatic puts the tables side by side only where both show their columns whole.
    const int wide = 2 * panes.PreferredWidth() + 20;
    const int narrow = panes.PreferredWidth() + 20;
    struct Case
    {
        std::uint32_t id;
        Arrangement arrangement;
        int width;
        bool sideBySide;
    };
    const Case cases[] = {
        {ID_ARRANGE_COLUMNS, kColumns, wide, true},
        {ID_ARRANGE_COLUMNS, kColumns, narrow, true},
        {ID_ARRANGE_AUTOMATIC, kAutomatic, wide, true},
        {ID_ARRANGE_AUTOMATIC, kAutomatic, narrow, false},
        {ID_ARRANGE_ROWS, kRows, wide, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.id << " at " << c.width);
        window->resize(c.width, 600);
        ASSERT_TRUE(commands->ExecuteCommand(c.id));
        EXPECT_EQ(panes.GetPanesArrangement(), c.arrangement);
        EXPECT_EQ(panes.AreTablesSideBySide(), c.sideBySide);
        const QRect first = panes.ComplexPane().geometry();
        const QRect second = panes.SecondPane().geometry();
        if (c.sideBySide)
        {
            EXPECT_EQ(first.top(), second.top());
            EXPECT_EQ(first.height(), second.height());
            EXPECT_LT(first.right(), second.left());
        }
        else
        {
            EXPECT_EQ(first.left(), second.left());
            EXPECT_LT(first.bottom(), second.top());
        }
        // Beside the first table the second shows its own header.
        EXPECT_EQ(panes.SecondPane().Table().GetHeaderHeight() > 0, c.sideBySide);
        for (std::uint32_t id : {ID_ARRANGE_AUTOMATIC, ID_ARRANGE_COLUMNS, ID_ARRANGE_ROWS})
        {
            CmdUI update(id);
            commands->UpdateCommandUI(update);
            EXPECT_EQ(update.Checked().value_or(-1), id == c.id ? 1 : 0) << id;
        }
    }

    // In a half too narrow for its columns the current-value row scrolls with its table and
    // shows no scroll bar over itself.
    window->resize(narrow, 600);
    ASSERT_TRUE(commands->ExecuteCommand(ID_ARRANGE_COLUMNS));
    QScrollBar* tableBar = panes.ComplexPane().Table().horizontalScrollBar();
    ASSERT_GT(tableBar->maximum(), 0);
    tableBar->setValue(tableBar->maximum());
    EXPECT_FALSE(panes.ComplexPane().RowTable().horizontalScrollBar()->isVisible());
    EXPECT_EQ(panes.ComplexPane().RowTable().horizontalScrollBar()->value(), tableBar->value());

    ::Settings state;
    window->SerializeState(state, false);
    auto* restored = new OrderSheetMainDlg(*sheets, OrdersSheetSettings(), false, panel);
    sheets->AddOwnWindow(restored);
    ASSERT_TRUE(restored->UnSerializeState(state));
    EXPECT_EQ(restored->Panes().GetPanesArrangement(), kColumns);

    // An unknown stored value, or none, leaves the tables in rows.
    for (const bool remove : {false, true})
    {
        ::Settings odd = state;
        if (remove)
            odd[OrdersSheetPaneManager::kPanesNode].DetachNamedNode(kKey);
        else
            odd[OrdersSheetPaneManager::kPanesNode][kKey] = std::int32_t(7);
        auto* other = new OrderSheetMainDlg(*sheets, OrdersSheetSettings(), false, panel);
        sheets->AddOwnWindow(other);
        ASSERT_TRUE(other->UnSerializeState(odd));
        EXPECT_EQ(other->Panes().GetPanesArrangement(), kRows) << remove;
    }
}
}
