#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/toolkit/RibbonTabControl.h"
#include "platform/ui/NotifyCodes.h"
#include "tests/support/toolkit/FakeRibbonBarSite.h"
#include "tests/support/toolkit/RecordingCommandTarget.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_SAVE = 100;
constexpr std::uint32_t ID_BOLD = 101;
constexpr std::uint32_t ID_EXTRA = 102;
constexpr std::uint32_t ID_OTHER_TAB = 103;
constexpr std::uint32_t ID_RIGHT = 104;
constexpr std::uint32_t ID_SPLIT = 105;
constexpr std::uint32_t ID_NAME = 106;
constexpr std::uint32_t ID_SIZE = 107;
constexpr std::uint32_t ID_STYLES = 108;

class CountingTab : public RibbonTabBase
{
public:
    void OnBeforeShow() override { ++timesShown; }
    int timesShown = 0;
};

// A ribbon in command bars that route to a recording frame, with two tabs of groups.
class RibbonBarBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        commandBars.SetCommandTarget(&target);
        ribbon = commandBars.AddRibbonBar(std::make_unique<RibbonBarBase>(), QStringLiteral("Wstążka"));
        ribbon->SetSite(&site);
        first = AddTab(QStringLiteral("Pierwsza"), 1);
        second = AddTab(QStringLiteral("Druga"), 2);
        RibbonGroupBase* group = first->AddGroup(QStringLiteral("Plik"), 10);
        save = group->Add(RibbonControlButton, ID_SAVE, QStringLiteral("Zapisz"));
        bold = group->Add(RibbonControlCheckBox, ID_BOLD, QStringLiteral("Pogrubienie"));
        extra = group->Add(RibbonControlButton, ID_EXTRA, QStringLiteral("Więcej"));
        split = group->Add(RibbonControlSplitButtonPopup, ID_SPLIT, QStringLiteral("Sortuj"));
        second->AddGroup(QStringLiteral("Inne"), 11)->Add(RibbonControlButton, ID_OTHER_TAB, QStringLiteral("Inny"));
        right = ribbon->AddRightAlignedControl(RibbonControlButton, ID_RIGHT, QStringLiteral("Prawy"));
        ribbon->SetCurrentTab(first);
    }

    CountingTab* AddTab(const QString& caption, std::uint32_t id)
    {
        return static_cast<CountingTab*>(
            ribbon->GetTabControl().InsertItem(ribbon->GetTabCount(), caption, id, std::make_unique<CountingTab>()));
    }

    RibbonHit ControlHit(RibbonControl* control, bool onArrow = false)
    {
        RibbonHit hit;
        hit.code = RibbonHitClient;
        hit.control = control;
        hit.onPopupArrow = onArrow;
        return hit;
    }

    RecordingCommandTarget target;
    CommandBars commandBars;
    FakeRibbonBarSite site;
    RibbonBarBase* ribbon = nullptr;
    CountingTab* first = nullptr;
    CountingTab* second = nullptr;
    RibbonControl* save = nullptr;
    RibbonControl* bold = nullptr;
    RibbonControl* extra = nullptr;
    RibbonControl* split = nullptr;
    RibbonControl* right = nullptr;
};
}

TEST_F(RibbonBarBaseTest, HidingTheSelectedTabMovesTheSelectionToAShownTab)
{
    CountingTab* third = AddTab(QStringLiteral("Trzecia"), 3);
    ASSERT_TRUE(ribbon->SetCurrentTab(second));

    second->SetVisible(false);
    EXPECT_EQ(ribbon->GetSelectedTab(), third) << "the next shown tab";
    third->SetVisible(false);
    EXPECT_EQ(ribbon->GetSelectedTab(), first) << "none after it: the one before";
    EXPECT_FALSE(ribbon->SetCurrentTab(second)) << "a hidden tab cannot be selected";
    first->SetVisible(false);
    EXPECT_EQ(ribbon->GetSelectedTab(), nullptr);
    second->SetVisible(true);
    EXPECT_EQ(ribbon->GetSelectedTab(), second) << "a tab shown while none is selected gets the selection";
}

TEST_F(RibbonBarBaseTest, ASelectedTabIsShownAndTheRoutingToldOnceABatchEnds)
{
    const int firstShown = first->timesShown;
    target.notifications.clear();
    {
        const RibbonBarBase::Batch batch(*ribbon);
        first->SetVisible(false);   // selects the second tab for a moment
        ribbon->SetCurrentTab(first);
        first->SetVisible(true);
        ribbon->SetCurrentTab(first);
        EXPECT_EQ(second->timesShown, 0);
    }
    EXPECT_EQ(second->timesShown, 0) << "the tab selected only inside the batch is never prepared";
    EXPECT_EQ(first->timesShown, firstShown) << "the selection ended where it began";
    EXPECT_TRUE(target.notifications.empty());

    ribbon->SetCurrentTab(second);
    EXPECT_EQ(second->timesShown, 1);
    ASSERT_EQ(target.notifications.size(), 1u);
    EXPECT_EQ(target.notifications[0].id, RibbonIds::TabControl);
    EXPECT_EQ(target.notifications[0].code, NotifyCodes::TabSelectionChange);
}

TEST_F(RibbonBarBaseTest, ShownContextTabsOfOneColourAndCaptionShareAHeader)
{
    struct Tab
    {
        int color;
        const char* caption;
        bool visible;
    };
    const Tab tabs[] = {{RibbonContextColorGreen, "Tabela", true},  {RibbonContextColorGreen, "Tabela", true},
                        {RibbonContextColorGreen, "Tabela", false}, {RibbonContextColorOrange, "Tabela", true},
                        {RibbonContextColorOrange, "Wykres", true}, {RibbonContextColorNone, "", true},
                        {RibbonContextColorOrange, "Wykres", true}};
    std::vector<RibbonTabBase*> added;
    for (const Tab& tab : tabs)
    {
        added.push_back(AddTab(QStringLiteral("Kontekst"), 50 + static_cast<std::uint32_t>(added.size())));
        added.back()->SetContextColor(tab.color);
        added.back()->SetContextCaption(QString::fromUtf8(tab.caption));
        added.back()->SetVisible(tab.visible);
    }

    const std::vector<RibbonContextHeader> headers = ribbon->GetContextHeaders();
    ASSERT_EQ(headers.size(), 4u);
    EXPECT_EQ(headers[0].firstTab, added[0]);
    EXPECT_EQ(headers[0].lastTab, added[1]) << "a hidden tab belongs to no header";
    EXPECT_EQ(headers[1].firstTab, added[3]) << "another colour starts a new header";
    EXPECT_EQ(headers[2].firstTab, added[4]) << "another caption starts a new header";
    EXPECT_EQ(headers[3].firstTab, added[6]) << "a plain tab between ends a header";
    EXPECT_EQ(headers[3].caption, QStringLiteral("Wykres"));
}

TEST_F(RibbonBarBaseTest, TheUpdatePassAsksTheControlsOnScreenAndAppliesTheAnswers)
{
    target.SetUpdate(ID_SAVE, [](CmdUI& ui) { ui.Enable(false); });
    target.SetUpdate(ID_BOLD, [](CmdUI& ui) { ui.SetCheck(1); });
    target.SetUpdate(ID_EXTRA, [](CmdUI& ui) { qobject_cast<RibbonControl*>(ui.Control())->SetVisible(false); });
    target.SetUpdate(ID_RIGHT, [](CmdUI& ui) { ui.SetText(QStringLiteral("Zmieniony")); });
    target.updateRequests.clear();

    ribbon->UpdateControls();

    EXPECT_FALSE(save->GetEnabled());
    EXPECT_EQ(bold->GetChecked(), 1);
    EXPECT_FALSE(extra->IsVisible());
    EXPECT_EQ(right->GetCaption(), QStringLiteral("Zmieniony"));
    EXPECT_EQ(target.updateRequests[ID_OTHER_TAB], 0) << "controls of a tab not shown are not asked";

    target.updateRequests.clear();
    ribbon->UpdateControls();
    EXPECT_EQ(target.updateRequests[ID_EXTRA], 1) << "a hidden control is still asked, so it can come back";

    target.updateRequests.clear();
    ribbon->SetRibbonMinimized(true);
    ribbon->UpdateControls();
    EXPECT_EQ(target.updateRequests[ID_SAVE], 0) << "a minimised ribbon shows no groups";
    EXPECT_EQ(target.updateRequests[ID_RIGHT], 1);
}

TEST_F(RibbonBarBaseTest, AClickRunsTheControlWhenReleasedOverIt)
{
    const QPoint onSave(10, 60);
    const QPoint elsewhere(300, 60);
    site.SetHit(onSave, ControlHit(save));

    ribbon->OnLButtonDown(onSave);
    EXPECT_EQ(ribbon->GetPressedControl(), save);
    ribbon->OnLButtonUp(elsewhere);
    EXPECT_TRUE(target.commands.empty()) << "released away from the button";

    ribbon->OnLButtonDown(onSave);
    ribbon->OnLButtonUp(onSave);
    EXPECT_EQ(target.commands, std::vector<std::uint32_t>{ID_SAVE});
    EXPECT_EQ(site.Closes(), 1) << "running a control closes open popups";

    save->SetEnabled(false);
    ribbon->OnLButtonDown(onSave);
    ribbon->OnLButtonUp(onSave);
    EXPECT_EQ(target.commands.size(), 1u) << "a disabled control does nothing";
}

TEST_F(RibbonBarBaseTest, ASplitButtonRunsOrOpensItsPopupByThePartClicked)
{
    const QPoint onButton(10, 60);
    const QPoint onArrow(10, 80);
    site.SetHit(onButton, ControlHit(split));
    site.SetHit(onArrow, ControlHit(split, true));

    ribbon->OnLButtonDown(onArrow);
    ASSERT_EQ(site.Popups().size(), 1u);
    EXPECT_EQ(site.Popups()[0], split);
    EXPECT_TRUE(target.commands.empty());

    ribbon->OnLButtonDown(onButton);
    ribbon->OnLButtonUp(onButton);
    EXPECT_EQ(target.commands, std::vector<std::uint32_t>{ID_SPLIT});
}

TEST_F(RibbonBarBaseTest, ClicksOnTabsAndContextHeadersSelect)
{
    second->SetContextColor(RibbonContextColorGreen);
    RibbonHit onTab;
    onTab.tab = second;
    RibbonHit onHeader;
    onHeader.headerFirstTab = second;
    site.SetHit(QPoint(50, 30), onTab);
    site.SetHit(QPoint(50, 5), onHeader);

    ribbon->OnLButtonDown(QPoint(50, 30));
    EXPECT_EQ(ribbon->GetSelectedTab(), second);
    ribbon->SetCurrentTab(first);
    ribbon->OnLButtonDown(QPoint(50, 5));
    EXPECT_EQ(ribbon->GetSelectedTab(), second);
    ribbon->OnLButtonDblClk(QPoint(50, 30));
    EXPECT_TRUE(ribbon->IsRibbonMinimized()) << "a double click on a tab minimises";
}

TEST_F(RibbonBarBaseTest, EditsComboBoxesAndGalleriesNotifyTheRouting)
{
    RibbonGroupBase* group = first->AddGroup(QStringLiteral("Pola"), 12);
    auto* name = qobject_cast<RibbonEditControl*>(group->Add(RibbonControlEdit, ID_NAME, QStringLiteral("Nazwa")));
    auto* size = qobject_cast<RibbonComboBoxControl*>(group->Add(RibbonControlComboBox, ID_SIZE, QStringLiteral("Rozmiar")));
    auto* styles = qobject_cast<GalleryControl*>(group->Add(RibbonControlGallery, ID_STYLES, QStringLiteral("Style")));
    ASSERT_TRUE(name && size && styles);
    size->AddItem(QStringLiteral("8"), 8);
    size->AddItem(QStringLiteral("10"), 10);
    styles->AddItem(1, QStringLiteral("Klasyczny"));
    styles->AddItem(2, QStringLiteral("Ciemny"));

    name->CommitText(QStringLiteral("Moja tabela"));
    size->ChooseItem(1);
    styles->HoverItem(0);
    styles->HoverItem(-1);
    styles->HoverItem(1);
    styles->ChooseItem(1);

    using N = RecordingCommandTarget::Notification;
    const std::vector<std::pair<std::uint32_t, int>> expected = {
        {ID_NAME, NotifyCodes::Execute},
        {ID_SIZE, NotifyCodes::Execute},
        {ID_STYLES, NotifyCodes::GalleryPreviewChange},
        {ID_STYLES, NotifyCodes::GalleryPreviewCancel},
        {ID_STYLES, NotifyCodes::GalleryPreviewChange},
        {ID_STYLES, NotifyCodes::GalleryPreviewApply},
        {ID_STYLES, NotifyCodes::Execute}};
    std::vector<std::pair<std::uint32_t, int>> received;
    for (const N& notification : target.notifications)
    {
        if (notification.id != RibbonIds::TabControl)
            received.emplace_back(notification.id, notification.code);
    }
    EXPECT_EQ(received, expected);
    EXPECT_EQ(name->GetEditText(), QStringLiteral("Moja tabela"));
    EXPECT_EQ(size->GetCurSel(), 1);
    EXPECT_EQ(size->GetItem(size->GetCurSel()).data, 10);
    EXPECT_EQ(styles->GetSelectedItem(), 1);
    EXPECT_TRUE(target.commands.empty()) << "these controls notify; they send no command";
}

TEST_F(RibbonBarBaseTest, TheContextMenuMinimisesAndExpandsTheRibbon)
{
    ScopedFakeDialogs dialogs;
    dialogs.MenuTracker().Choose(RibbonIds::MinimizeRibbon);
    RibbonHit onTabRow;
    onTabRow.code = RibbonHitCaption;
    site.SetHit(QPoint(400, 30), onTabRow);

    ribbon->OnRButtonUp(QPoint(400, 30));
    EXPECT_TRUE(ribbon->IsRibbonMinimized());
    EXPECT_FALSE(dialogs.MenuTracker().Items().at(RibbonIds::MinimizeRibbon).checked);
    ribbon->OnRButtonUp(QPoint(400, 30));
    EXPECT_FALSE(ribbon->IsRibbonMinimized());
    EXPECT_TRUE(dialogs.MenuTracker().Items().at(RibbonIds::MinimizeRibbon).checked);
    ribbon->OnRButtonUp(QPoint(-5, -5));
    EXPECT_EQ(dialogs.MenuTracker().TimesShown(), 2) << "no menu outside the ribbon";
}

TEST_F(RibbonBarBaseTest, TheSystemMenuIsUpdatedBeforeItShowsAndRunsTheChoice)
{
    ScopedFakeDialogs dialogs;
    constexpr std::uint32_t ID_OPEN = 200;
    constexpr std::uint32_t ID_CLOSE = 201;
    RibbonControl* system = ribbon->AddSystemButton(33);
    ribbon->SetSystemMenu({MenuItem::Command(ID_OPEN, QStringLiteral("Otwórz")),
                           MenuItem::Command(ID_CLOSE, QStringLiteral("Zamknij"))});
    target.SetUpdate(ID_CLOSE, [](CmdUI& ui) { ui.Enable(false); });
    site.SetHit(QPoint(5, 30), ControlHit(system));

    dialogs.MenuTracker().Choose(ID_CLOSE);
    ribbon->OnLButtonDown(QPoint(5, 30));
    EXPECT_FALSE(dialogs.MenuTracker().Items().at(ID_CLOSE).enabled);
    EXPECT_TRUE(target.commands.empty()) << "a disabled entry cannot be chosen";

    dialogs.MenuTracker().Choose(ID_OPEN);
    ribbon->OnLButtonDown(QPoint(5, 30));
    EXPECT_EQ(target.commands, std::vector<std::uint32_t>{ID_OPEN});
}

TEST_F(RibbonBarBaseTest, APopupIsRefilledAndUpdatedBeforeItOpens)
{
    class CountingGallery : public GalleryControl
    {
    public:
        void OnCalcDynamicSize() override
        {
            RemoveAll();
            AddItem(static_cast<std::uint32_t>(++fills), QStringLiteral("Pozycja"));
        }
        int fills = 0;
    };
    auto popup = std::make_unique<RibbonPopupBar>();
    auto* gallery = static_cast<CountingGallery*>(popup->Add(std::make_unique<CountingGallery>(), ID_STYLES));
    popup->Add(RibbonControlButton, ID_NAME, QStringLiteral("Polecenie"));
    RibbonPopupBar* bar = split->SetCommandBar(std::move(popup));
    target.SetUpdate(ID_NAME, [](CmdUI& ui) { ui.Enable(false); });

    ribbon->OnPopupOpening(*bar);
    ribbon->OnPopupOpening(*bar);

    EXPECT_EQ(gallery->fills, 2);
    EXPECT_EQ(gallery->GetItemCount(), 1);
    EXPECT_FALSE(bar->FindControl(ID_NAME)->GetEnabled());
    EXPECT_EQ(ribbon->FindControl(ID_NAME), bar->FindControl(ID_NAME)) << "popups are searched by id";
}
