#include "modulelibs/filesgen/FilesGenModule.h"
#include "modulelibs/filesgen/FilesGenModuleConsumer.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/filesgen/FilesGenHistoryRangeManager.h"
#include "ribbon/filesgen/HistoryRange.h"
#include "ribbon/filesgen/RibbonFilesGeneratorTabs.h"
#include "ribbon/filesgen/RibbonHistoryRangeDlg.h"
#include "ribbon/popups/DatePickerPopupWindowManager.h"
#include "ribbon/translist/RibbonTransListsTabsQ4Classic.h"
#include "ribbon/translist/RibbonTransactionsMonitorTabsQ4Classic.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
FilesGenModuleConsumer* Generator() { return static_cast<FilesGenModuleConsumer*>(GetAppFilesGeneratorConsumer()); }

const QDateTime kNow(QDate(2024, 5, 6), QTime(12, 0));

TEST(HistoryRangeTest, ARangeIsCorrectedEndFirstAndOnlyWhenItBreaksTheRules)
{
    const struct
    {
        const char* name;
        QDateTime from;
        QDateTime to;
        QDateTime expectedFrom;
        QDateTime expectedTo;
        bool corrected;
    } cases[] = {
        {"exactly one day", kNow.addDays(-2), kNow.addDays(-1), kNow.addDays(-2), kNow.addDays(-1), false},
        {"a week up to now", kNow.addDays(-7), kNow, kNow.addDays(-7), kNow, false},
        {"shorter than a day", kNow.addDays(-1).addSecs(60), kNow, kNow.addDays(-1), kNow, true},
        {"start after end", kNow.addDays(-1), kNow.addDays(-3), kNow.addDays(-4), kNow.addDays(-3), true},
        {"end in the future", kNow.addDays(-3), kNow.addDays(2), kNow.addDays(-3), kNow, true},
        {"end in the future, then too short", kNow.addSecs(-3600), kNow.addDays(1), kNow.addDays(-1), kNow, true},
    };
    for (const auto& c : cases)
    {
        const HistoryRange::Checked checked = HistoryRange::Correct(c.from, c.to, kNow);
        EXPECT_EQ(checked.from, c.expectedFrom) << c.name;
        EXPECT_EQ(checked.to, c.expectedTo) << c.name;
        EXPECT_EQ(checked.corrected, c.corrected) << c.name;
    }
}

class FilesGeneratorRibbonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        PluginBase::Init(&m_mediator);
        creators->Set("files generator", [](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<RibbonFilesGeneratorTabs>(factory, ribbonBar, GetAppFilesGeneratorConsumer());
        });
        creators->Set("transaction lists", [this](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<RibbonTransListsTabsQ4Classic>(factory, ribbonBar, GetTransListConsumer(), &tables);
        });
        creators->Set("transactions monitor", [](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<RibbonTransactionsMonitorTabsQ4Classic>(factory, ribbonBar,
                                                                            GetTransactionsMonitorConsumer());
        });
        ASSERT_TRUE(factory.CreateRibbon());
        m_view = std::make_unique<QWidget>();
    }
    void TearDown() override
    {
        m_view.reset();
        PluginBase::NullifyAppMediator();
    }
    // The window on two instruments, writing into the temporary home.
    FilesGenWindow* Open()
    {
        EXPECT_TRUE(Generator()->ShowFilesGeneratorDlg(m_view.get(), &m_provider.GetAllAssets().at(0), 0));
        FilesGenWindow* window = Generator()->Window();
        window->AddAsset(m_provider.GetAllAssets().at(1));
        window->Generator().SetOutputFolder(m_home.Path());
        return window;
    }
    RibbonGroupBase* PreparedGroup(std::uint32_t tabId, std::uint32_t groupId)
    {
        QuorvantaTab* tab = factory.FindTab(tabId);
        EXPECT_NE(tab, nullptr) << tabId;
        if (!tab || !tab->Prepare())
            return nullptr;
        return tab->FindGroup(groupId);
    }
    static bool Shown(const QWidget* widget) { return !widget->isHidden(); }

    TempHome m_home;
    SimFeedProvider m_provider;
    SimFeedMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
    TableModuleConsumer tables;
    FakeRibbonsFactoryOwner owner;
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    RibbonsFactory factory{owner, creators};
};
}

TEST_F(FilesGeneratorRibbonTest, TheTabsHoldTheirGroupsInOrder)
{
    const struct
    {
        std::uint32_t tab;
        IGenericModule* module;
        QString context;
        std::vector<std::pair<std::uint32_t, std::vector<std::uint32_t>>> groups;
    } cases[] = {
        {292, GetAppFilesGeneratorConsumer(), QStringLiteral("Pliki tekstowe"),
         {{293, {296}}, {294, {298, 301, 300}}, {295, {302, 311}}}},
        {146, GetTransListConsumer(), QStringLiteral("Transakcje"),
         {{148, {32908, 32928, 32955, 33690, 33680}}, {147, {33073}}}},
        {151, GetTransactionsMonitorConsumer(), QStringLiteral("Monitor"),
         {{153, {33894, 33795, 33796}}, {158, {33906, 33907, 33910}}}},
    };
    for (const auto& c : cases)
    {
        QuorvantaTab* tab = factory.FindTab(c.tab);
        ASSERT_NE(tab, nullptr) << c.tab;
        EXPECT_EQ(tab->GetContextColor(), RibbonContextColorGreen);
        EXPECT_EQ(tab->GetContextCaption(), c.context);
        EXPECT_EQ(factory.GetModuleTabs(c.module).size(), 1u) << c.tab;
        for (const auto& [groupId, controls] : c.groups)
        {
            RibbonGroupBase* group = PreparedGroup(c.tab, groupId);
            ASSERT_NE(group, nullptr) << groupId;
            ASSERT_EQ(group->GetCount(), static_cast<int>(controls.size())) << groupId;
            for (int index = 0; index < group->GetCount(); ++index)
                EXPECT_EQ(group->GetControls()[static_cast<std::size_t>(index)]->GetID(), controls[static_cast<std::size_t>(index)]) << groupId;
        }
    }
    EXPECT_EQ(PreparedGroup(292, 294)->FindControl(298)->GetCaption(), QStringLiteral("Dodaj"));
    auto* history = qobject_cast<RibbonControlPopupEx*>(PreparedGroup(292, 295)->FindControl(302));
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->GetType(), RibbonControlButtonPopup);
    EXPECT_NE(dynamic_cast<FilesGenHistoryRangeManager*>(history->GetPopupWindowManager()), nullptr);
}

TEST_F(FilesGeneratorRibbonTest, APickedSessionDateIsReportedAndFoundInTheRibbon)
{
    EXPECT_FALSE(DatePickerPopupWindowManager::SelectionIn(factory.GetRibbonBar(), 148, 32908).has_value());
    auto* sessionDate = qobject_cast<RibbonControlPopupEx*>(PreparedGroup(146, 148)->FindControl(32908));
    ASSERT_NE(sessionDate, nullptr);
    EXPECT_EQ(sessionDate->GetType(), RibbonControlSplitButtonPopup) << "the button itself sets today";
    auto* picker = dynamic_cast<DatePickerPopupWindowManager*>(sessionDate->GetPopupWindowManager());
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(DatePickerPopupWindowManager::SelectionIn(factory.GetRibbonBar(), 148, 32908).has_value())
        << "nothing picked yet";

    ASSERT_TRUE(sessionDate->ShowPopupWindow(QRect(10, 10, 40, 40)));
    const QDate day(2024, 4, 30);
    picker->Pick(day);
    EXPECT_FALSE(picker->IsPopupShown());
    ASSERT_FALSE(owner.Target().notifications.empty());
    EXPECT_EQ(owner.Target().notifications.back().id, 32908u);
    EXPECT_EQ(owner.Target().notifications.back().code, 0xFFCD);
    EXPECT_EQ(DatePickerPopupWindowManager::SelectionIn(factory.GetRibbonBar(), 148, 32908), day);
    EXPECT_FALSE(DatePickerPopupWindowManager::SelectionIn(factory.GetRibbonBar(), 153, 32908).has_value())
        << "another group";
}

TEST_F(FilesGeneratorRibbonTest, TheHistoryPopupFetchesShowsStopAndIsKept)
{
    FilesGenWindow* window = Open();
    auto* history = qobject_cast<RibbonControlPopupEx*>(PreparedGroup(292, 295)->FindControl(302));
    auto* manager = dynamic_cast<FilesGenHistoryRangeManager*>(history->GetPopupWindowManager());
    ASSERT_TRUE(history->ShowPopupWindow(QRect(10, 10, 40, 40)));
    RibbonHistoryRangeDlg* dialog = manager->GetDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Shown(dialog->GetButton()));
    EXPECT_FALSE(Shown(dialog->StopButton()));

    // "Zamknij" neither starts nor stops.
    dialog->CloseButton()->click();
    EXPECT_FALSE(manager->IsPopupShown());
    EXPECT_FALSE(Generator()->IfStopGettingHistoryPossible());

    ASSERT_TRUE(history->ShowPopupWindow(QRect(10, 10, 40, 40)));
    EXPECT_EQ(manager->GetDialog(), dialog) << "the kept dialog is shown again";
    dialog->StartDate()->setDateTime(dialog->EndDate()->dateTime().addDays(-3));
    EXPECT_EQ(window->Generator().HistoryFrom(), dialog->StartDate()->dateTime());
    dialog->GetButton()->click();
    EXPECT_FALSE(manager->IsPopupShown());
    ASSERT_TRUE(Generator()->IfStopGettingHistoryPossible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Shown(dialog->GetButton())) << "\" Przerwij\" takes the place of \" Pobierz\"";
    EXPECT_TRUE(Shown(dialog->StopButton()));

    dialog->StopButton()->click();
    EXPECT_FALSE(Generator()->IfStopGettingHistoryPossible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(Shown(dialog->GetButton()));
    EXPECT_FALSE(Shown(dialog->StopButton()));
}

TEST_F(FilesGeneratorRibbonTest, ACorrectedRangeIsShownAndNotFetched)
{
    FilesGenWindow* window = Open();
    QDateTime now = kNow;
    window->Generator().SetHistoryFrom(kNow.addDays(-5));
    window->Generator().SetHistoryTo(kNow);
    RibbonHistoryRangeDlg dialog(Generator(), nullptr, nullptr, [&now] { return now; });
    EXPECT_EQ(dialog.StartDate()->dateTime(), kNow.addDays(-5));
    EXPECT_EQ(dialog.EndDate()->dateTime(), kNow);
    EXPECT_EQ(dialog.StartDate()->maximumDateTime(), kNow.addDays(-1));
    EXPECT_EQ(dialog.EndDate()->minimumDateTime(), kNow.addDays(-4));

    // The clock went back: the end now lies in the future.
    now = kNow.addSecs(-3600);
    dialog.GetButton()->click();
    EXPECT_FALSE(Generator()->IfStopGettingHistoryPossible()) << "nothing fetched";
    EXPECT_EQ(dialog.EndDate()->dateTime(), now);
    EXPECT_EQ(window->Generator().HistoryTo(), now);

    dialog.GetButton()->click();
    EXPECT_TRUE(Generator()->IfStopGettingHistoryPossible()) << "fetched when asked again";
    Generator()->StopGettingHistory();
}
