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
// A gallery of the command with one colour, hovered or chosen.
PulpitFrame& FrameOf(Quorvanta4App& app)
{
    return *dynamic_cast<PulpitFrame*>(app.GetPulpitFrame());
}

bool SendColour(CmdTarget& target, std::uint32_t id, int code, qint32 colour)
{
    GalleryControl gallery(id);
    gallery.AddItem(static_cast<std::uint32_t>(colour), QStringLiteral("kolor"));
    gallery.SetSelectedItem(0);
    NotifyInfo info(id, code, &gallery);
    return target.SendNotify(info);
}

// The commands of the group's controls, without the labels of its combo boxes (static id).
std::vector<std::uint32_t> ControlIds(const RibbonGroupBase& group)
{
    std::vector<std::uint32_t> ids;
    for (const auto& control : group.GetControls())
    {
        if (control->GetID() != 0xFFFF)
            ids.push_back(control->GetID());
    }
    return ids;
}

// The sheet's style is edited in the window itself: every change shows there at once, a hovered
// grid colour too, and "Odrzuć" takes all of it back without touching the window's own style.
TEST_F(OrdersSheetWindowTest, TheStyleCommandEditsTheSheetStyleLiveAndDiscardPutsItBack)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    window->ForceActivate();
    auto* handler = dynamic_cast<StyleEditModeHandler*>(Mediator().GetStyleEditModeHandler());
    ASSERT_NE(handler, nullptr);
    const std::shared_ptr<StyleOrdersSheet> own = window->GetSettings().GetStyle();
    const std::shared_ptr<StyleOrdersSheet> moduleStyle = sheets->GetModuleStyle();
    const qint32 ownBackground = own->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor);
    const qint32 background = moduleStyle->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor);
    const quint32 penColour = moduleStyle->EffectivePen().lopnColor.Value();
    const quint32 ownPenColour = own->EffectivePen().lopnColor.Value();

    ASSERT_TRUE(sheets->GetSheetCmdTarget()->ExecuteCommand(OrdersSheetCommandIds::ID_EDIT_STYLE));
    ASSERT_TRUE(handler->IsInEditMode());
    EXPECT_EQ(handler->GetEditModeTitle(), QStringLiteral("Podgląd i edycja stylu okna pełnego arkusza zleceń"));
    EXPECT_EQ(window->GetSettings().GetStyle(), moduleStyle);
    CmdTarget* edit = handler->GetEditedCmdTarget();
    ASSERT_NE(edit, nullptr);

    ASSERT_TRUE(SendColour(*edit, 162, NotifyCodes::Execute, background ^ 0x202020));
    EXPECT_EQ(window->GetSettings().GetStyle()->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor),
              background ^ 0x202020);
    ASSERT_TRUE(SendColour(*edit, 221, NotifyCodes::GalleryPreviewChange, 0x00FF00));
    EXPECT_EQ(window->GetSettings().GetStyle()->EffectivePen().lopnColor.Value(), 0x00FF00u);

    ASSERT_TRUE(FrameOf(App()).OnCmdMsg(232, CmdTarget::kCommandCode, nullptr));
    EXPECT_FALSE(handler->IsInEditMode());
    EXPECT_EQ(window->GetSettings().GetStyle(), own);
    EXPECT_EQ(moduleStyle->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor), background);
    EXPECT_EQ(moduleStyle->EffectivePen().lopnColor.Value(), penColour);
    EXPECT_EQ(own->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor), ownBackground);
    EXPECT_EQ(own->EffectivePen().lopnColor.Value(), ownPenColour);
}

TEST_F(OrdersSheetWindowTest, TheStyleTabsStandInOrderWithTheirGalleryGroupsHidden)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    window->ForceActivate();
    auto* handler = dynamic_cast<StyleEditModeHandler*>(Mediator().GetStyleEditModeHandler());
    ASSERT_NE(handler, nullptr);
    ASSERT_TRUE(sheets->GetSheetCmdTarget()->ExecuteCommand(OrdersSheetCommandIds::ID_EDIT_STYLE));
    ASSERT_TRUE(handler->IsInEditMode());
    QuorvantaRibbonBar& ribbon = *FrameOf(App()).GetRibbonBar();

    std::vector<std::uint32_t> order;
    for (int index = 0; index < ribbon.GetTabCount(); ++index)
    {
        const std::uint32_t id = ribbon.GetTab(index)->GetID();
        if (id == 494 || id == 193 || id == 495 || id == 183)
            order.push_back(id);
    }
    EXPECT_EQ(order, (std::vector<std::uint32_t>{494, 193, 495, 183}));

    const auto group = [&](std::uint32_t tabId, std::uint32_t groupId) -> RibbonGroupBase* {
        RibbonTabBase* tab = ribbon.FindTab(tabId);
        if (tab == nullptr || !ribbon.SetCurrentTab(tab))
            return nullptr;
        return tab->FindGroup(groupId);
    };
    struct Hidden
    {
        std::uint32_t tab;
        std::uint32_t group;
        std::uint32_t style;
        std::uint32_t copyFrom;
    };
    for (const Hidden& hidden : {Hidden{193, 163, 174, 498}, Hidden{193, 165, 497, 499}, Hidden{495, 168, 209, 213}})
    {
        RibbonGroupBase* built = group(hidden.tab, hidden.group);
        ASSERT_NE(built, nullptr) << hidden.group;
        EXPECT_FALSE(built->IsVisible()) << hidden.group;
        EXPECT_NE(built->FindControl(hidden.style), nullptr) << hidden.group;
        EXPECT_NE(built->FindControl(hidden.copyFrom), nullptr) << hidden.group;
    }
    RibbonGroupBase* even = group(193, 166);
    ASSERT_NE(even, nullptr);
    EXPECT_TRUE(even->IsVisible());
    EXPECT_EQ(even->GetCaption(), QStringLiteral("Parzyste"));
    EXPECT_EQ(ControlIds(*even), (std::vector<std::uint32_t>{196, 197, 199, 201, 203, 312, 205, 212, 211, 313}));
    RibbonGroupBase* price = group(495, 492);
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(price->GetCaption(), QStringLiteral("Styl wiersza ceny"));
    EXPECT_EQ(ControlIds(*price), (std::vector<std::uint32_t>{496, 500, 167, 169, 170, 173, 171, 172}));

    std::size_t summaryButtons = 0;
    for (const std::uint32_t groupId : {127u, 141u, 187u})
    {
        RibbonGroupBase* colours = group(183, groupId);
        ASSERT_NE(colours, nullptr) << groupId;
        for (const auto& control : colours->GetControls())
        {
            EXPECT_TRUE(control->GetCaption().isEmpty()) << control->GetID();
            EXPECT_FALSE(control->GetTooltip().isEmpty()) << control->GetID();
            ++summaryButtons;
        }
    }
    EXPECT_EQ(summaryButtons, 15u);
    handler->LeaveEditStyleMode();
}
}

namespace
{
// A hovered stored style shows in the window until the gallery is left; a chosen one stays and
// is shown checked.
TEST_F(OrdersSheetWindowTest, TheSheetStyleGalleryPreviewsAndKeepsAStoredStyle)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    CmdTarget& commands = *sheets->GetSheetCmdTarget();
    auto named = StyleOrdersSheet::CreateInstance();
    named->SetName(QStringLiteral("Arkusz testowy"));
    const qint32 own = window->GetSettings().GetStyle()->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor);
    named->SetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor, own ^ 0x303030);
    const int id = StylesContainer::Instance().AddStyle(named);
    const auto background = [&] {
        return window->GetSettings().GetStyle()->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor);
    };

    GalleryControl gallery(OrdersSheetCommandIds::ID_SHEET_STYLE);
    gallery.AddItem(static_cast<std::uint32_t>(id), named->GetName());
    gallery.SetSelectedItem(0);
    NotifyInfo hover(OrdersSheetCommandIds::ID_SHEET_STYLE, NotifyCodes::GalleryPreviewChange, &gallery);
    ASSERT_TRUE(commands.SendNotify(hover));
    EXPECT_EQ(background(), own ^ 0x303030);
    NotifyInfo leave(OrdersSheetCommandIds::ID_SHEET_STYLE, NotifyCodes::GalleryPreviewCancel, &gallery);
    ASSERT_TRUE(commands.SendNotify(leave));
    EXPECT_EQ(background(), own);

    ASSERT_TRUE(commands.SendNotify(hover));
    NotifyInfo apply(OrdersSheetCommandIds::ID_SHEET_STYLE, NotifyCodes::GalleryPreviewApply, &gallery);
    ASSERT_TRUE(commands.SendNotify(apply));
    NotifyInfo execute(OrdersSheetCommandIds::ID_SHEET_STYLE, NotifyCodes::Execute, &gallery);
    ASSERT_TRUE(commands.SendNotify(execute));
    EXPECT_EQ(background(), own ^ 0x303030);
    EXPECT_FALSE(window->GetSettings().IsStyleEditing());
    EXPECT_EQ(window->GetSettings().GetOriginStyleId(), id);
    NotifyInfo request(OrdersSheetCommandIds::ID_SHEET_STYLE, NotifyCodes::SpecialStylesRequest, &gallery);
    ASSERT_TRUE(commands.SendNotify(request));
    const auto* answer = reinterpret_cast<const SpecialStylesInfo*>(request.result);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->checkedStyleId, id);
    StylesContainer::Instance().RemoveStyle(id);
}

// The font height of a row kind's style in the window.
int RowFontHeight(const OrderSheetMainDlg& window, int kind)
{
    const GdiObject font = window.GetRowKindStyle(kind)->GetGdiObject(StyleTextField::ParamFont);
    return font.Font() ? std::abs(font.Font()->lfHeight) : 0;
}

TEST_F(OrdersSheetWindowTest, RowColourGalleriesSetDefaultAndChosenColoursAndCancelPutsThemBack)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    // A window made from the first one's settings.
    auto* second = new OrderSheetMainDlg(*sheets, window->GetSettings(), false, panel);
    sheets->AddOwnWindow(second);
    ASSERT_EQ(sheets->GetCurrentWindow(), window);
    CmdTarget& commands = *sheets->GetSheetCmdTarget();
    ScopedFakeDialogs dialogs;
    const auto origin = [&](int kind, int parameterId) {
        return window->GetSettings().GetOriginStyle()->GetRelatedStyle(kind == 4 ? 2 : kind)->GetValue(parameterId);
    };
    struct Case
    {
        std::uint32_t id;
        int kind;
        int parameterId;
    };
    // Odd and even rows' plain font, even rows' background on a rise, the new order's odd
    // background, the current-value row's background on a fall.
    const Case cases[] = {{770, 0, 2}, {771, 1, 2}, {769, 1, 5}, {309, 0, 9}, {940, 4, 7}};
    for (const Case& c : cases)
    {
        const qint32 before = window->GetStyleValue(c.kind, c.parameterId);
        NotifyInfo query(c.id, NotifyCodes::CheckedItemQuery, nullptr);
        ASSERT_TRUE(commands.SendNotify(query)) << c.id;
        EXPECT_EQ(query.result, before) << c.id;

        const auto choose = [&](std::int32_t itemId, int code) {
            GalleryControl gallery(c.id);
            gallery.AddItem(static_cast<std::uint32_t>(itemId), QStringLiteral("kolor"));
            gallery.SetSelectedItem(0);
            NotifyInfo info(c.id, code, &gallery);
            EXPECT_TRUE(commands.SendNotify(info)) << c.id;
        };
        const qint32 colour = before == 0x123456 ? 0x654321 : 0x123456;
        choose(colour, NotifyCodes::GalleryPreviewChange);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), colour) << c.id;
        // The colour is this window's: the sheet on the other instrument keeps its own.
        EXPECT_EQ(second->GetStyleValue(c.kind, c.parameterId), before) << c.id;
        // Leaving the gallery takes the colour back from the style the window's comes from.
        choose(colour, NotifyCodes::GalleryPreviewCancel);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), origin(c.kind, c.parameterId)) << c.id;

        choose(-2, NotifyCodes::GalleryPreviewChange);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), 0x7FFFFFFF) << c.id;

        // "Więcej kolorów": the dialog opens on the gallery's close; cancelled, nothing changes.
        dialogs.ColorDialog().SetAnswer(std::nullopt);
        choose(-3, NotifyCodes::GalleryPreviewChange);
        auto* sheetCommands = dynamic_cast<CmdTargetOrdersSheet*>(&commands);
        ASSERT_NE(sheetCommands, nullptr);
        EXPECT_TRUE(sheetCommands->IsCustomColorPending());
        choose(-3, NotifyCodes::GalleryPreviewApply);
        EXPECT_FALSE(sheetCommands->IsCustomColorPending());
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), 0x7FFFFFFF) << c.id;
        dialogs.ColorDialog().SetAnswer(QColor(0x10, 0x20, 0x30));
        choose(-3, NotifyCodes::GalleryPreviewChange);
        choose(-3, NotifyCodes::GalleryPreviewApply);
        EXPECT_EQ(window->GetStyleValue(c.kind, c.parameterId), 0x302010) << c.id;
        EXPECT_NE(origin(c.kind, c.parameterId), 0x302010) << c.id;
    }
    // Without a window the gallery shows no colour.
    window->RequestRemove();
    TestApplication::ProcessEventsUntil([&] { return sheets->GetCurrentWindow() == nullptr; });
    NotifyInfo query(770, NotifyCodes::CheckedItemQuery, nullptr);
    commands.SendNotify(query);
    EXPECT_EQ(query.result, 0);
}

TEST_F(OrdersSheetWindowTest, FontStepsGrowAndShrinkTheRowsAndRestoresTakeTheStyleBack)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    CmdTarget& commands = *sheets->GetSheetCmdTarget();
    const int odd = RowFontHeight(*window, 0);
    const int even = RowFontHeight(*window, 1);
    const int current = RowFontHeight(*window, 4);
    ASSERT_GT(odd, 0);

    ASSERT_TRUE(commands.ExecuteCommand(OrdersSheetCommandIds::ID_FONT_LARGER));
    EXPECT_GT(RowFontHeight(*window, 0), odd);
    EXPECT_GT(RowFontHeight(*window, 1), even);
    EXPECT_GT(RowFontHeight(*window, 4), current);
    ASSERT_TRUE(commands.ExecuteCommand(OrdersSheetCommandIds::ID_FONT_RESTORE));
    EXPECT_EQ(RowFontHeight(*window, 0), odd);
    EXPECT_EQ(RowFontHeight(*window, 1), even);
    EXPECT_EQ(RowFontHeight(*window, 4), current);

    // The current-value row alone; its restore leaves the other rows as they are.
    ASSERT_TRUE(commands.ExecuteCommand(OrdersSheetCommandIds::ID_CURR_VALUE_FONT_SMALLER));
    EXPECT_LT(RowFontHeight(*window, 4), current);
    EXPECT_EQ(RowFontHeight(*window, 0), odd);
    commands.ExecuteCommand(OrdersSheetCommandIds::ID_FONT_SMALLER);
    ASSERT_TRUE(commands.ExecuteCommand(OrdersSheetCommandIds::ID_CURR_VALUE_FONT_RESTORE));
    EXPECT_EQ(RowFontHeight(*window, 4), current);
    EXPECT_LT(RowFontHeight(*window, 0), odd);
    commands.ExecuteCommand(OrdersSheetCommandIds::ID_FONT_RESTORE);

    // The current-value row's restore takes back its colours and its font.
    window->SetStyleValue(4, 3, 0x0000FF);
    window->SetStyleValue(4, OrderSheetMainDlg::kFontStepParameter, 1);
    const qint32 background = sheets->GetModuleStyle()->GetRelatedStyle(2)->GetValue(3);
    ASSERT_TRUE(commands.ExecuteCommand(OrdersSheetCommandIds::ID_RESTORE_CURR_VALUE_ROW));
    EXPECT_EQ(window->GetStyleValue(4, 3), background);
    EXPECT_EQ(RowFontHeight(*window, 4), current);

    for (std::uint32_t id : {OrdersSheetCommandIds::ID_FONT_LARGER, OrdersSheetCommandIds::ID_CURR_VALUE_FONT_RESTORE,
                             OrdersSheetCommandIds::ID_RESTORE_STYLES, OrdersSheetCommandIds::ID_RESTORE_ALL, 936u})
    {
        CmdUI update(id);
        ASSERT_TRUE(commands.UpdateCommandUI(update)) << id;
        EXPECT_TRUE(update.Enabled().value_or(false)) << id;
    }
}

TEST_F(OrdersSheetWindowTest, RestoreAllAsksFirstAndOnYesGivesColumnsAndRowsTheirStylesBack)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    CmdTarget& commands = *sheets->GetSheetCmdTarget();
    ScopedFakeDialogs dialogs;
    const qint32 background = window->GetSettings().GetOriginStyle()->GetRelatedStyle(2)->GetValue(3);
    window->SetStyleValue(4, 3, background ^ 0x00FF00);

    dialogs.MessageBox().QueueAnswer(7);
    ASSERT_TRUE(commands.ExecuteCommand(OrdersSheetCommandIds::ID_RESTORE_ALL));
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].caption, QStringLiteral("Przywróć wszystkie"));
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].text,
              QStringLiteral("Czy chcesz przywrócić domyślne ustawienia wszystkich kolumn\ni wierszy zleceń w arkuszu?"));
    EXPECT_EQ(window->GetStyleValue(4, 3), background ^ 0x00FF00);

    dialogs.MessageBox().QueueAnswer(6);
    ASSERT_TRUE(commands.ExecuteCommand(OrdersSheetCommandIds::ID_RESTORE_ALL));
    EXPECT_EQ(window->GetStyleValue(4, 3), background);
}
}

namespace
{
TEST_F(OrdersSheetWindowTest, TheSheetTabOffersTheRowColoursFontsAndRestores)
{
    OrderSheetMainDlg* window = OpenOn(asset);
    ASSERT_NE(window, nullptr);
    window->ForceActivate();
    QuorvantaRibbonBar& ribbon = *FrameOf(App()).GetRibbonBar();
    RibbonTabBase* tab = ribbon.FindTab(OrdersSheetCommandIds::IDS_TAB_ORDERS_SHEET);
    ASSERT_NE(tab, nullptr);
    ASSERT_TRUE(ribbon.SetCurrentTab(tab));
    RibbonGroupBase* group = tab->FindGroup(OrdersSheetCommandIds::GROUP_STYLE);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->IsVisible());
    for (const OrdersSheetCommandIds::RowColorCommand& command : OrdersSheetCommandIds::kRowColorCommands)
        EXPECT_NE(group->FindControl(command.id), nullptr) << command.id;
    for (std::uint32_t id : {OrdersSheetCommandIds::ID_FONT_LARGER, OrdersSheetCommandIds::ID_RESTORE_ALL})
        EXPECT_NE(group->FindControl(id), nullptr) << id;
}
}
