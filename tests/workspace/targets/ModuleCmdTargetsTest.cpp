#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/details/DetailsModuleConsumer.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/offers/OffersModuleConsumer.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/translist/TransListModuleConsumer.h"
#include "platform/base/ColorRef.h"
#include "platform/modules/PluginBase.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/NotifyCodes.h"
#include "styles/engine/StyleBase.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/targets/CmdTargetDetails.h"
#include "workspace/targets/CmdTargetOffers.h"
#include "workspace/targets/CmdTargetTransList.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace
{
auto* Details() { return static_cast<DetailsModuleConsumer*>(GetDetailsConsumer()); }
auto* Offers() { return static_cast<OffersModuleConsumer*>(GetOffersConsumer()); }
auto* TransList() { return static_cast<TransListModuleConsumer*>(GetTransListConsumer()); }

constexpr std::int32_t kRed = 0x000000FF;

class ModuleCmdTargetsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_view = std::make_unique<QWidget>();
        PluginBase::Init(&m_mediator);
        DisplayParamsCmdTarget::Services services;
        services.beginEditStyle = [this](const std::shared_ptr<StyleBase>& style, const QString& title) {
            m_edited = style;
            m_editTitle = title;
        };
        services.canLink = [this] { return m_tableOpen; };
        m_details = std::make_unique<CmdTargetDetails>([] { return GetDetailsConsumer(); }, services);
        m_offers = std::make_unique<CmdTargetOffers>([] { return GetOffersConsumer(); }, services);
        CmdTargetTransList::SessionDateServices dates;
        dates.today = [] { return QDate::currentDate(); };
        dates.pickedDate = [this] { return m_picked; };
        m_transList = std::make_unique<CmdTargetTransList>([] { return GetTransListConsumer(); }, services, dates);
        m_mediator.targets = {{Details(), m_details.get()}, {Offers(), m_offers.get()}, {TransList(), m_transList.get()}};
        ASSERT_TRUE(Details()->ShowDetailsDlg(m_view.get(), nullptr, 0));
        ASSERT_TRUE(Offers()->ShowNewOffersDlg(m_view.get(), nullptr, 0));
        ASSERT_TRUE(TransList()->ShowNewTransList(m_view.get(), nullptr, 0));
        m_provider.Step(30);
        for (FeedWindow* window : {static_cast<FeedWindow*>(Details()->ActiveWindow()),
                                   static_cast<FeedWindow*>(Offers()->ActiveWindow()),
                                   static_cast<FeedWindow*>(TransList()->ActiveWindow())})
            window->Pump();
    }
    void TearDown() override
    {
        m_view.reset();
        PluginBase::NullifyAppMediator();
    }

    static CmdUI Update(CmdTarget& target, std::uint32_t id, QObject* control = nullptr)
    {
        CmdUI cmdUI(id, control);
        EXPECT_TRUE(target.UpdateCommandUI(cmdUI)) << id;
        return cmdUI;
    }
    static std::intptr_t Notify(CmdTarget& target, std::uint32_t id, int code, QObject* control = nullptr)
    {
        NotifyInfo info(id, code, control);
        EXPECT_TRUE(target.SendNotify(info)) << id << " " << code;
        return info.result;
    }
    // A gallery with one item, selected.
    static std::unique_ptr<GalleryControl> Gallery(std::uint32_t id, std::int32_t itemId)
    {
        auto gallery = std::make_unique<GalleryControl>(id);
        gallery->AddItem(static_cast<std::uint32_t>(itemId), QStringLiteral("x"));
        gallery->SetSelectedItem(0);
        return gallery;
    }

    ScopedFakeDialogs m_dialogs;
    SimFeedProvider m_provider;
    SimFeedMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
    std::unique_ptr<CmdTargetDetails> m_details;
    std::unique_ptr<CmdTargetOffers> m_offers;
    std::unique_ptr<CmdTargetTransList> m_transList;
    std::shared_ptr<StyleBase> m_edited;
    QString m_editTitle;
    bool m_tableOpen = false;
    std::optional<QDate> m_picked;
};

struct ColourCase
{
    int target;  // 0 details, 1 offers, 2 transaction list
    std::uint32_t id;
    int group;
    int param;
};

const ColourCase kColourCases[] = {
    {0, 33839, 0, 2}, {0, 33840, 0, 4}, {0, 33841, 0, 6}, {0, 33890, 1, 2}, {0, 33843, 1, 4}, {0, 33844, 1, 6},
    {0, 33869, 0, 3}, {0, 33870, 0, 5}, {0, 33871, 0, 7}, {0, 33872, 1, 3}, {0, 33873, 1, 5}, {0, 33874, 1, 7},
    {1, 33851, 0, 2}, {1, 33852, 0, 4}, {1, 33853, 0, 6}, {1, 33889, 1, 2}, {1, 33855, 1, 4}, {1, 33856, 1, 6},
    {1, 33863, 0, 3}, {1, 33864, 0, 5}, {1, 33865, 0, 7}, {1, 33866, 1, 3}, {1, 33867, 1, 5}, {1, 33868, 1, 7},
    {2, 33875, 0, 2}, {2, 33877, 1, 2}, {2, 33879, 0, 3}, {2, 33881, 1, 3}, {2, 33896, 2, 2}, {2, 33878, 3, 2},
    {2, 33876, 4, 2}, {2, 33891, 5, 2}, {2, 33897, 2, 3}, {2, 33898, 3, 3}, {2, 33880, 4, 3}, {2, 33882, 5, 3},
};
}

TEST_F(ModuleCmdTargetsTest, EachColourGalleryPreviewsAndReportsItsOwnParameter)
{
    for (const ColourCase& c : kColourCases)
    {
        SCOPED_TRACE(c.id);
        CmdTarget& target = c.target == 0   ? static_cast<CmdTarget&>(*m_details)
                            : c.target == 1 ? static_cast<CmdTarget&>(*m_offers)
                                            : static_cast<CmdTarget&>(*m_transList);
        const std::function<int(int, int)> get = c.target == 0   ? [](int g, int p) { return Details()->GetDdsParams(g, p); }
                                                 : c.target == 1 ? [](int g, int p) { return Offers()->GetOdsParams(g, p); }
                                                                 : [](int g, int p) { return TransList()->GetTldsParams(g, p); };
        const std::int32_t colour = 0x00010000 + static_cast<std::int32_t>(c.id);
        const auto gallery = Gallery(c.id, colour);
        Notify(target, c.id, NotifyCodes::GalleryPreviewChange, gallery.get());
        EXPECT_EQ(get(c.group, c.param), colour);
        EXPECT_EQ(Notify(target, c.id, NotifyCodes::CheckedItemQuery), colour);
        Notify(target, c.id, NotifyCodes::GalleryPreviewCancel);
        EXPECT_NE(get(c.group, c.param), colour);
        Notify(target, c.id, NotifyCodes::GalleryPreviewChange, gallery.get());
        Notify(target, c.id, NotifyCodes::GalleryPreviewApply);
        Notify(target, c.id, NotifyCodes::GalleryPreviewCancel);
        EXPECT_EQ(get(c.group, c.param), colour) << "applied colours survive a later cancel";
    }
}

TEST_F(ModuleCmdTargetsTest, AutomaticColourAndAMissingSelection)
{
    const std::int32_t own = Details()->GetDdsParams(0, 2);
    Notify(*m_details, 33839, NotifyCodes::GalleryPreviewChange, Gallery(33839, kRed).get());
    Notify(*m_details, 33839, NotifyCodes::GalleryPreviewApply);
    ASSERT_EQ(Details()->GetDdsParams(0, 2), kRed);
    Notify(*m_details, 33839, NotifyCodes::GalleryPreviewChange, Gallery(33839, -2).get());
    EXPECT_EQ(Details()->GetDdsParams(0, 2), own);

    GalleryControl empty(33839);
    Notify(*m_details, 33839, NotifyCodes::GalleryPreviewChange, &empty);
    Notify(*m_details, 33839, NotifyCodes::GalleryPreviewChange, nullptr);
    EXPECT_EQ(Details()->GetDdsParams(0, 2), own);
}

TEST_F(ModuleCmdTargetsTest, MoreColoursTakesTheDialogsColourOrCancels)
{
    struct Case
    {
        CmdTarget* target;
        std::uint32_t id;
        std::function<int()> value;
    };
    const Case cases[] = {{m_details.get(), 33844, [] { return Details()->GetDdsParams(1, 6); }},
                          {m_offers.get(), 33856, [] { return Offers()->GetOdsParams(1, 6); }},
                          {m_transList.get(), 33877, [] { return TransList()->GetTldsParams(1, 2); }}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.id);
        const int before = c.value();
        m_dialogs.ColorDialog().SetAnswer(std::nullopt);
        Notify(*c.target, c.id, NotifyCodes::GalleryPreviewChange, Gallery(c.id, -3).get());
        Notify(*c.target, c.id, NotifyCodes::GalleryPreviewApply);
        EXPECT_EQ(c.value(), before);

        m_dialogs.ColorDialog().SetAnswer(QColor(0x12, 0x34, 0x56));
        Notify(*c.target, c.id, NotifyCodes::GalleryPreviewChange, Gallery(c.id, -3).get());
        Notify(*c.target, c.id, NotifyCodes::GalleryPreviewApply);
        Notify(*c.target, c.id, NotifyCodes::GalleryPreviewCancel);
        EXPECT_EQ(c.value(), 0x00563412) << "the chosen colour was applied";
        ASSERT_FALSE(m_dialogs.ColorDialog().Opened().empty());
        EXPECT_EQ(m_dialogs.ColorDialog().Opened().back(), ColorRef(static_cast<quint32>(before)).ToQColor(Qt::white));
    }
}

TEST_F(ModuleCmdTargetsTest, LocksToggleAndShowTheirState)
{
    struct Case
    {
        CmdTarget* target;
        std::uint32_t id;
        std::function<bool()> state;
    };
    const Case cases[] = {{m_details.get(), 32942, [] { return Details()->IsActiveDetailsColumnWidthLocked(); }},
                          {m_offers.get(), 32937, [] { return Offers()->IsActiveOffersColumnWidthLocked(); }},
                          {m_transList.get(), 32928, [] { return TransList()->IsActiveTranslistColumnWidthLocked(); }},
                          {m_transList.get(), 32955, [] { return TransList()->IsActiveTranslistScrollHidden(); }}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.id);
        EXPECT_FALSE(c.state());
        EXPECT_EQ(Update(*c.target, c.id).Checked(), 0);
        EXPECT_TRUE(c.target->ExecuteCommand(c.id));
        EXPECT_TRUE(c.state());
        EXPECT_EQ(Update(*c.target, c.id).Checked(), 1);
        EXPECT_EQ(Update(*c.target, c.id).Enabled(), true);
        c.target->ExecuteCommand(c.id);
        EXPECT_FALSE(c.state());
    }
}

TEST_F(ModuleCmdTargetsTest, FontCommandsStepTheFontOfEveryRowGroupTheyOwn)
{
    const auto size = [](int group) { return TransList()->GetTldsParams(group, 12); };
    const int base = size(0);
    m_transList->ExecuteCommand(33883);
    EXPECT_EQ(size(0), base + 1);
    EXPECT_EQ(size(1), base + 1);
    EXPECT_EQ(size(2), base) << "outside the tendency mode the rise colours keep their font";

    TransList()->ChangeTldsParams(6, 9, 2);
    m_transList->ExecuteCommand(33883);
    for (int group = 0; group < 6; ++group)
        EXPECT_EQ(size(group), base + (group < 2 ? 2 : 1)) << group;
    m_transList->ExecuteCommand(33885);
    for (int group = 0; group < 6; ++group)
        EXPECT_EQ(size(group), base) << group;

    const int details = Details()->GetDdsParams(1, 12);
    m_details->ExecuteCommand(33846);
    EXPECT_EQ(Details()->GetDdsParams(0, 12), details - 1);
    EXPECT_EQ(Details()->GetDdsParams(1, 12), details - 1);
    m_offers->ExecuteCommand(33857);
    EXPECT_EQ(Offers()->GetOdsParams(1, 12), Offers()->GetOdsParams(0, 12));
}

TEST_F(ModuleCmdTargetsTest, TheTendencyModeSwitchesWhichTransListGalleriesAreEnabled)
{
    const std::uint32_t plain[] = {33875, 33877, 33879, 33881};
    const std::uint32_t tendency[] = {33896, 33878, 33876, 33891, 33897, 33898, 33880, 33882};
    for (int mode : {0, 2})
    {
        TransList()->ChangeTldsParams(6, 9, mode);
        for (std::uint32_t id : plain)
            EXPECT_EQ(Update(*m_transList, id).Enabled(), mode != 2) << id;
        for (std::uint32_t id : tendency)
            EXPECT_EQ(Update(*m_transList, id).Enabled(), mode == 2) << id;
    }
}

TEST_F(ModuleCmdTargetsTest, SessionDateAndSynchronise)
{
    TransListWindow* window = TransList()->ActiveWindow();
    EXPECT_EQ(Update(*m_transList, 32908).Enabled(), true);
    EXPECT_EQ(Update(*m_transList, 33690).Enabled(), true);

    m_picked = QDate::currentDate().addDays(-3);
    Notify(*m_transList, 32908, 0xFFCD);
    EXPECT_EQ(window->SessionDate(), *m_picked);
    EXPECT_EQ(Update(*m_transList, 33690).Enabled(), false) << "no synchronising while history shows";

    m_picked.reset();
    Notify(*m_transList, 32908, 0xFFCD);
    EXPECT_EQ(window->SessionDate(), QDate::currentDate().addDays(-3)) << "no picker, no change";

    Notify(*m_transList, 32908, NotifyCodes::Execute);
    EXPECT_EQ(window->SessionDate(), QDate::currentDate());
    TransList()->SetActiveTransListSessionDate(QDate::currentDate().addDays(-1));
    m_transList->ExecuteCommand(33690);
    EXPECT_FALSE(window->ShowsHistory());
}

TEST_F(ModuleCmdTargetsTest, StyleEditingStyleGalleryAndRestore)
{
    const struct
    {
        CmdTarget* target;
        std::uint32_t edit;
        const char* title;
    } edits[] = {{m_details.get(), 33071, "Podgląd i edycja stylu okna informacji szczegółowych"},
                 {m_offers.get(), 33075, "Podgląd i edycja stylu okna ofert"},
                 {m_transList.get(), 33073, "Podgląd i edycja stylu okna transakcji"}};
    for (const auto& e : edits)
    {
        m_edited.reset();
        EXPECT_TRUE(e.target->ExecuteCommand(e.edit));
        EXPECT_TRUE(m_edited);
        EXPECT_EQ(m_editTitle, QString::fromUtf8(e.title));
    }

    GalleryControl styles(33074);
    EXPECT_EQ(Update(*m_transList, 33074, &styles).Enabled(), true);
    EXPECT_EQ(styles.GetCheckedItem(), static_cast<std::uint32_t>(TransList()->GetActiveTransListStyleID()));
    const std::intptr_t description = Notify(*m_transList, 33074, NotifyCodes::SpecialStylesRequest);
    ASSERT_EQ(description, reinterpret_cast<std::intptr_t>(m_transList->GalleryDescription().get()));
    EXPECT_TRUE(m_transList->GalleryDescription()->firstStyle);
    // A style the container does not hold is no preview; cancel and apply leave the window as it was.
    Notify(*m_transList, 33074, NotifyCodes::GalleryPreviewChange, Gallery(33074, 987654).get());
    Notify(*m_transList, 33074, NotifyCodes::GalleryPreviewCancel);
    Notify(*m_transList, 33074, NotifyCodes::GalleryPreviewApply);
    EXPECT_EQ(styles.GetCheckedItem(), static_cast<std::uint32_t>(TransList()->GetActiveTransListStyleID()));

    TransList()->ChangeTldsParams(0, 2, kRed);
    TransList()->ApplyTldsParams();
    m_transList->ExecuteCommand(33888);
    EXPECT_NE(TransList()->GetTldsParams(0, 2), kRed);
}

TEST_F(ModuleCmdTargetsTest, RowsLayoutAndLinks)
{
    const std::vector<ESeriesID> order = Details()->ActiveWindow()->RowOrder();
    m_details->ExecuteCommand(32954);
    EXPECT_EQ(Details()->ActiveWindow()->RowOrder()[1], order[0]);
    m_details->ExecuteCommand(32953);
    EXPECT_EQ(Details()->ActiveWindow()->RowOrder(), order);

    EXPECT_FALSE(Offers()->ActiveWindow()->IsStacked());
    m_offers->ExecuteCommand(33689);
    EXPECT_TRUE(Offers()->ActiveWindow()->IsStacked());

    for (bool open : {false, true})
    {
        m_tableOpen = open;
        EXPECT_EQ(Update(*m_details, 33678).Enabled(), open);
        EXPECT_EQ(Update(*m_offers, 33679).Enabled(), open);
        EXPECT_EQ(Update(*m_transList, 33680).Enabled(), open);
    }
    for (auto [target, id] : {std::pair<CmdTarget*, std::uint32_t>{m_transList.get(), 33037},
                              {m_transList.get(), 33038}, {m_transList.get(), 33886}, {m_details.get(), 33848},
                              {m_offers.get(), 33860}})
        EXPECT_EQ(Update(*target, id).Enabled(), true) << id;
}

TEST_F(ModuleCmdTargetsTest, WithoutAWindowTheCommandsDoNothing)
{
    m_view.reset();
    for (std::uint32_t id : {32942u, 32953u, 33845u, 33850u})
        EXPECT_TRUE(m_details->ExecuteCommand(id));
    EXPECT_EQ(Update(*m_transList, 32908).Enabled(), false);
    EXPECT_EQ(Details()->GetDdsParams(0, 2), 0);
}
