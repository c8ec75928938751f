// The sheet's commands on the cell under the cursor (column and order-row style galleries,
// colours and fonts), and the colour and font commands' choice of window, on real sheet windows.

#include "app/OrdersSheetManagerQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "orderssheet/ui/CmdTargetOrdersSheet.h"
#include "orderssheet/ui/OSComplexPaneContainer.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "platform/modules/ProviderBase.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"
#include "tests/app/OrdersSheetAppFixture.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <cmath>

namespace
{
using namespace OrdersSheetCommandIds;

constexpr int kColumn = OrderSheetMainDlg::kCursorColumnKind;
constexpr int kRow = OrderSheetMainDlg::kCursorRowKind;

class OrdersSheetCursorCommandsTest : public OrdersSheetAppFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(StartWithSheet());
        ASSERT_TRUE(TestApplication::ProcessEventsUntil(
            [&] { return window->Panes().SecondPane().Table().GetItemCount() > 2; }, 10000));
        window->ForceActivate();
        commands = sheets->GetSheetCmdTarget();
    }

    void TearDown() override
    {
        for (int id : addedStyles)
            StylesContainer::Instance().RemoveStyle(id);
        OrdersSheetAppFixture::TearDown();
    }

    // The cursor on the demand table's second row, third column.
    void PlaceCursor() { ASSERT_TRUE(window->Panes().SecondPane().SetCursorCell(2, 1)); }

    bool Enabled(std::uint32_t id, QObject* control = nullptr)
    {
        CmdUI update(id, control);
        EXPECT_TRUE(commands->UpdateCommandUI(update)) << id;
        return update.Enabled().value_or(false);
    }

    // A gallery of the id with one selected item, sent the notification.
    NotifyInfo Send(std::uint32_t id, int code, std::int32_t itemId)
    {
        gallery = std::make_unique<GalleryControl>(id);
        gallery->AddItem(static_cast<std::uint32_t>(itemId), QStringLiteral("pozycja"));
        gallery->SetSelectedItem(0);
        NotifyInfo info(id, code, gallery.get());
        EXPECT_TRUE(commands->SendNotify(info)) << id << " " << code;
        return info;
    }

    int AddTextStyle(qint32 fontColour)
    {
        auto style = StyleTextField::CreateInstance();
        style->SetName(QStringLiteral("Tekst %1").arg(addedStyles.size()));
        style->SetValue(StyleTextField::ParamFontColor, fontColour);
        addedStyles.push_back(StylesContainer::Instance().AddStyle(style));
        return addedStyles.back();
    }

    int FontHeight(int kind)
    {
        const std::shared_ptr<StyleBase> style = kind == kColumn ? window->GetCursorColumnStyle() : window->GetCursorRowStyle();
        const GdiObject font = style->GetGdiObject(StyleTextField::ParamFont);
        return font.Font() ? std::abs(font.Font()->lfHeight) : 0;
    }

    CmdTarget* commands = nullptr;
    std::unique_ptr<GalleryControl> gallery;
    std::vector<int> addedStyles;
};

TEST_F(OrdersSheetCursorCommandsTest, CursorCommandsAreEnabledOnlyWithACursorCell)
{
    std::vector<std::uint32_t> ids = {ID_COLUMN_STYLE,       ID_ROW_STYLE,       ID_COLUMN_FONT_LARGER,
                                      ID_COLUMN_FONT_SMALLER, ID_COLUMN_FONT_RESTORE, ID_ROW_FONT_LARGER,
                                      ID_ROW_FONT_SMALLER,   ID_ROW_FONT_RESTORE};
    for (const RowColorCommand& command : kCursorColorCommands)
        ids.push_back(command.id);
    for (std::uint32_t id : ids)
        EXPECT_FALSE(Enabled(id)) << id;
    PlaceCursor();
    for (std::uint32_t id : ids)
        EXPECT_TRUE(Enabled(id)) << id;
    window->Panes().SecondPane().ClearCursor();
    EXPECT_FALSE(Enabled(ID_COLUMN_STYLE));
}

TEST_F(OrdersSheetCursorCommandsTest, CursorColoursShowChooseDefaultAndCancelPutsThemBack)
{
    PlaceCursor();
    ScopedFakeDialogs dialogs;
    for (const RowColorCommand& c : kCursorColorCommands)
    {
        const qint32 before = window->GetStyleValue(c.kind, c.parameterId);
        NotifyInfo query(c.id, NotifyCodes::CheckedItemQuery, nullptr);
        ASSERT_TRUE(commands->SendNotify(query)) << c.id;
        EXPECT_EQ(query.result, before) << c.id;

        const qint32 colour = before == 0x123456 ? 0x654321 : 0x123456;
        Send(c.id, NotifyCodes::GalleryPreviewChange, colour);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), colour) << c.id;
        Send(c.id, NotifyCodes::GalleryPreviewCancel, colour);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), before) << c.id;

        Send(c.id, NotifyCodes::GalleryPreviewChange, -2);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), 0x7FFFFFFF) << c.id;
        dialogs.ColorDialog().SetAnswer(QColor(0x10, 0x20, 0x30));
        Send(c.id, NotifyCodes::GalleryPreviewChange, -3);
        Send(c.id, NotifyCodes::GalleryPreviewApply, -3);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), 0x302010) << c.id;
    }
    // The colours went to the column and the row under the cursor only.
    ASSERT_TRUE(window->Panes().SecondPane().SetCursorCell(3, 0));
    EXPECT_NE(window->GetStyleValue(kColumn, StyleTextField::ParamFontColor), 0x302010);
    EXPECT_NE(window->GetStyleValue(kRow, StyleTextField::ParamFontColor), 0x302010);
}

TEST_F(OrdersSheetCursorCommandsTest, CursorFontStepsChangeTheColumnOrRowAndRestoreTakesTheFontBack)
{
    PlaceCursor();
    struct Case
    {
        int kind;
        std::uint32_t larger;
        std::uint32_t smaller;
        std::uint32_t restore;
    };
    const Case cases[] = {{kColumn, ID_COLUMN_FONT_LARGER, ID_COLUMN_FONT_SMALLER, ID_COLUMN_FONT_RESTORE},
                          {kRow, ID_ROW_FONT_LARGER, ID_ROW_FONT_SMALLER, ID_ROW_FONT_RESTORE}};
    for (const Case& c : cases)
    {
        const int before = FontHeight(c.kind);
        ASSERT_TRUE(commands->ExecuteCommand(c.larger));
        const int larger = FontHeight(c.kind);
        EXPECT_GT(larger, before) << c.larger;
        ASSERT_TRUE(commands->ExecuteCommand(c.smaller));
        ASSERT_TRUE(commands->ExecuteCommand(c.smaller));
        EXPECT_LT(FontHeight(c.kind), larger) << c.smaller;
        ASSERT_TRUE(commands->ExecuteCommand(c.restore));
        EXPECT_EQ(FontHeight(c.kind), before) << c.restore;
        const std::shared_ptr<StyleBase> style =
            c.kind == kColumn ? window->GetCursorColumnStyle() : window->GetCursorRowStyle();
        EXPECT_FALSE(style->IsChangedParameter(StyleTextField::ParamFont)) << "the style's font paints again";
    }
}

TEST_F(OrdersSheetCursorCommandsTest, StyleGalleriesPreviewOnHoverRestoreOnCancelAndKeepTheChoice)
{
    PlaceCursor();
    const int named = AddTextStyle(0x0A0B0C);
    const int other = AddTextStyle(0x0D0E0F);
    for (const auto& [id, kind] : {std::pair{ID_COLUMN_STYLE, kColumn}, std::pair{ID_ROW_STYLE, kRow}})
    {
        const auto styleId = [&, kind = kind] {
            return kind == kColumn ? window->GetCursorColumnStyleId() : window->GetCursorRowStyleId();
        };
        const auto fontColour = [&, kind = kind] { return window->GetStyleValue(kind, StyleTextField::ParamFontColor); };
        const qint32 before = fontColour();
        const int beforeId = styleId();

        Send(id, NotifyCodes::GalleryPreviewChange, other);
        EXPECT_EQ(fontColour(), 0x0D0E0F) << id;
        Send(id, NotifyCodes::GalleryPreviewChange, named);
        EXPECT_EQ(fontColour(), 0x0A0B0C) << id;
        EXPECT_EQ(styleId(), beforeId) << "a preview is no choice";
        Send(id, NotifyCodes::GalleryPreviewCancel, named);
        EXPECT_EQ(fontColour(), before) << id;
        EXPECT_EQ(styleId(), beforeId) << id;

        Send(id, NotifyCodes::GalleryPreviewChange, named);
        Send(id, NotifyCodes::GalleryPreviewApply, named);
        Send(id, NotifyCodes::Execute, named);
        EXPECT_EQ(fontColour(), 0x0A0B0C) << id;
        EXPECT_EQ(styleId(), named) << id;
        // Leaving the gallery after the choice keeps it.
        Send(id, NotifyCodes::GalleryPreviewCancel, named);
        EXPECT_EQ(fontColour(), 0x0A0B0C) << id;

        // The keyboard chooses without a preview.
        Send(id, NotifyCodes::Execute, other);
        EXPECT_EQ(styleId(), other) << id;
        EXPECT_EQ(fontColour(), 0x0D0E0F) << id;

        NotifyInfo request = Send(id, NotifyCodes::SpecialStylesRequest, other);
        const auto* answer = reinterpret_cast<const SpecialStylesInfo*>(request.result);
        ASSERT_NE(answer, nullptr) << id;
        EXPECT_EQ(answer->checkedStyleId, other) << id;
        GalleryControl shown(id);
        shown.AddItem(static_cast<std::uint32_t>(named), QStringLiteral("a"));
        shown.AddItem(static_cast<std::uint32_t>(other), QStringLiteral("b"));
        EXPECT_TRUE(Enabled(id, &shown));
        EXPECT_EQ(shown.GetCheckedItem(), static_cast<std::uint32_t>(other)) << id;
    }
}

// The colours and fonts change the active sheet window; the other commands its current one.
TEST_F(OrdersSheetCursorCommandsTest, ColoursAndFontsActOnTheActiveWindow)
{
    auto* second = new OrderSheetMainDlg(*sheets, window->GetSettings(), false, panel);
    sheets->AddOwnWindow(second);
    second->Show();
    second->ForceActivate();
    sheets->SetCurrentWindow(window);
    ASSERT_EQ(Mediator().GetActiveModuleWnd(), second);

    const qint32 first = window->GetStyleValue(0, StyleTextField::ParamBkColor);
    const qint32 colour = first == 0x112233 ? 0x332211 : 0x112233;
    Send(776, NotifyCodes::GalleryPreviewChange, colour);
    EXPECT_EQ(second->GetStyleValue(0, StyleTextField::ParamBkColor), colour);
    EXPECT_EQ(window->GetStyleValue(0, StyleTextField::ParamBkColor), first);
    Send(776, NotifyCodes::GalleryPreviewCancel, colour);
    EXPECT_NE(second->GetStyleValue(0, StyleTextField::ParamBkColor), colour);

    const auto height = [](const OrderSheetMainDlg& sheet) {
        const GdiObject font = sheet.GetRowKindStyle(4)->GetGdiObject(StyleTextField::ParamFont);
        return font.Font() ? std::abs(font.Font()->lfHeight) : 0;
    };
    const int firstHeight = height(*window);
    const int secondHeight = height(*second);
    ASSERT_TRUE(commands->ExecuteCommand(ID_CURR_VALUE_FONT_LARGER));
    EXPECT_GT(height(*second), secondHeight);
    EXPECT_EQ(height(*window), firstHeight);
}
}
