#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/details/DetailsModuleConsumer.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/offers/OffersModuleConsumer.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/translist/TransListModuleConsumer.h"
#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Settings.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/engine/StyleTransactionsMonitor.h"
#include "tests/support/ui/TestApplication.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
auto* Details() { return static_cast<DetailsModuleConsumer*>(GetDetailsConsumer()); }
auto* Offers() { return static_cast<OffersModuleConsumer*>(GetOffersConsumer()); }
auto* TransList() { return static_cast<TransListModuleConsumer*>(GetTransListConsumer()); }
auto* Monitor() { return static_cast<TransMonitorModuleConsumer*>(GetTransactionsMonitorConsumer()); }

class FeedWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_view = std::make_unique<QWidget>();
        PluginBase::Init(&m_mediator);
    }
    void TearDown() override
    {
        m_view.reset();  // the windows go before the provider they follow
        PluginBase::NullifyAppMediator();
    }
    QString FilePath(const QString& name) const { return QDir(m_home.Path()).filePath(name); }

    TempHome m_home;
    SimFeedProvider m_provider;
    SimFeedMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
};
}

TEST_F(FeedWindowsTest, WindowsShowTheLiveFeedOfTheirInstrument)
{
    const Asset second = m_provider.GetAllAssets().at(1);
    ASSERT_TRUE(Details()->ShowDetailsDlg(m_view.get(), &second, 0));
    ASSERT_TRUE(Offers()->ShowNewOffersDlg(m_view.get(), &second, 0));
    ASSERT_TRUE(TransList()->ShowNewTransList(m_view.get(), &second, 0));
    DetailsWindow* details = Details()->ActiveWindow();
    OffersWindow* offers = Offers()->ActiveWindow();
    TransListWindow* transList = TransList()->ActiveWindow();
    EXPECT_EQ(details->parentWidget(), m_view.get());
    EXPECT_EQ(transList->GetAsset(), second);

    m_provider.Step(200);
    details->Pump();
    offers->Pump();
    transList->Pump();

    EXPECT_GT(details->Value(SeriesIds::kPrice), 0.0);
    ASSERT_FALSE(offers->Book().bids.empty());
    ASSERT_FALSE(offers->Book().asks.empty());
    EXPECT_LT(offers->Book().bids.front().price, offers->Book().asks.front().price);
    ASSERT_GT(transList->ShownCount(), 1);
    // Newest first, and the newest is the price the details show.
    EXPECT_GT(transList->Shown(0).id, transList->Shown(1).id);
    EXPECT_DOUBLE_EQ(transList->Shown(0).price, details->Value(SeriesIds::kPrice));
}

TEST_F(FeedWindowsTest, WithoutAProviderNoWindowOpens)
{
    PluginBase::NullifyAppMediator();
    EXPECT_FALSE(Details()->ShowDetailsDlg(m_view.get(), nullptr, 0));
    EXPECT_TRUE(m_view->findChildren<DetailsWindow*>().isEmpty());
}

TEST_F(FeedWindowsTest, APastSessionDateShowsHistoryUntilSynchronised)
{
    ASSERT_TRUE(TransList()->ShowNewTransList(m_view.get(), nullptr, 0));
    TransListWindow* window = TransList()->ActiveWindow();
    m_provider.Step(50);
    window->Pump();
    const int today = window->ShownCount();
    ASSERT_GT(today, 0);

    TransList()->SetActiveTransListSessionDate(QDate::currentDate().addDays(-1));
    EXPECT_TRUE(TransList()->ActiveTranslistShowsHistory());
    EXPECT_EQ(window->ShownCount(), 0);

    TransList()->SynchroniseActiveTransListData();
    EXPECT_FALSE(TransList()->ActiveTranslistShowsHistory());
    EXPECT_EQ(window->ShownCount(), today);
}

TEST_F(FeedWindowsTest, ATransactionListDrawsTheGridLinesItsStyleSwitchesOn)
{
    ASSERT_TRUE(TransList()->ShowNewTransList(m_view.get(), nullptr, 0));
    TransListWindow* window = TransList()->ActiveWindow();
    window->resize(400, 300);
    m_provider.Step(200);
    window->Pump();
    ASSERT_GT(window->ShownCount(), 3);

    const QColor penColour(1, 254, 3);
    const auto pixelsOfPen = [&](int horizontal, int vertical) {
        std::shared_ptr<StyleBase> style = window->StyleParams().Current().Copy();
        LogPen pen;
        pen.lopnColor = ColorRef::FromRgb(1, 254, 3);
        style->SetGdiObject(StyleTransactionList::ParamGridPen, GdiObject(pen));
        style->SetValue(StyleTransactionList::ParamHorizontalGrid, horizontal);
        style->SetValue(StyleTransactionList::ParamVerticalGrid, vertical);
        window->ShowEditedStyle(style);
        const QImage image = window->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == penColour ? 1 : 0;
        return count;
    };
    EXPECT_EQ(pixelsOfPen(0, 0), 0);
    const int horizontal = pixelsOfPen(1, 0);
    const int vertical = pixelsOfPen(0, 1);
    EXPECT_GT(horizontal, 3 * 300);  // a line under each row
    EXPECT_GT(vertical, 100);
    EXPECT_GE(pixelsOfPen(1, 1), horizontal + vertical - 400);
}

TEST_F(FeedWindowsTest, DetailsRowsMoveWithinTheList)
{
    ASSERT_TRUE(Details()->ShowDetailsDlg(m_view.get(), nullptr, 0));
    DetailsWindow* window = Details()->ActiveWindow();
    const std::vector<ESeriesID> before = window->RowOrder();
    Details()->MoveActiveDetailsRow(-1);  // the first row cannot go up
    EXPECT_EQ(window->RowOrder(), before);
    Details()->MoveActiveDetailsRow(1);
    EXPECT_EQ(window->RowOrder()[1], before[0]);
    EXPECT_EQ(window->RowOrder()[0], before[1]);
}

TEST_F(FeedWindowsTest, WindowFilesKeepTheWindowsState)
{
    const Asset third = m_provider.GetAllAssets().at(2);
    struct Case
    {
        ConsumerBase* consumer;
        std::function<bool()> open;
        std::function<FeedWindow*()> active;
        std::function<void()> change;
        std::function<QString(FeedWindow*)> own;
    };
    const Case cases[] = {
        {Details(), [&] { return Details()->ShowDetailsDlg(m_view.get(), &third, 0); },
         [] { return Details()->ActiveWindow(); }, [] { Details()->MoveActiveDetailsRow(1); },
         [](FeedWindow* w) { return QString::number(static_cast<DetailsWindow*>(w)->RowOrder()[0]); }},
        {Offers(), [&] { return Offers()->ShowNewOffersDlg(m_view.get(), &third, 0); },
         [] { return Offers()->ActiveWindow(); }, [] { Offers()->ToggleActiveOffersView(); },
         [](FeedWindow* w) { return QString::number(static_cast<OffersWindow*>(w)->IsStacked()); }},
        {TransList(), [&] { return TransList()->ShowNewTransList(m_view.get(), &third, 0); },
         [] { return TransList()->ActiveWindow(); }, [] { TransList()->HideActiveTranslistScroll(true); },
         [](FeedWindow* w) { return QString::number(w->IsScrollHidden()); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.consumer->GetModuleName().toStdString());
        ASSERT_TRUE(c.open());
        FeedWindow* original = c.active();
        c.change();
        original->LockColumns(true);
        original->StyleParams().ChangeParam(1, 3, 0x00123456);
        original->StyleParams().ChangeParam(0, 12, 21);
        original->StyleParams().Apply();

        const QString path = FilePath(QStringLiteral("okno") + c.consumer->GetFileExtension());
        ASSERT_TRUE(c.consumer->SaveWindowToFile(original, path, 1, false));
        ASSERT_TRUE(c.consumer->OpenWindowFromFile(m_view.get(), path, false));
        FeedWindow* reopened = c.active();
        ASSERT_NE(reopened, original);
        EXPECT_EQ(reopened->GetAsset(), third);
        EXPECT_TRUE(reopened->AreColumnsLocked());
        EXPECT_EQ(reopened->StyleParams().GetParam(1, 3), 0x00123456);
        EXPECT_EQ(reopened->StyleParams().GetParam(0, 12), 21);
        EXPECT_EQ(c.own(reopened), c.own(original));

        const QString q5 = FilePath(QStringLiteral("okno") + c.consumer->GetQ5FileExtension());
        EXPECT_TRUE(c.consumer->SaveWindowToQ5Format(original, q5, 0, 0));
        Settings exported;
        ASSERT_TRUE(exported.LoadFromFile(q5, QStringLiteral("Settings")));
        EXPECT_EQ(exported["Ticker"].ToString(), third.GetShortName());
    }
}

TEST_F(FeedWindowsTest, AFileThatNamesNoKnownInstrumentOpensNothing)
{
    const QString unknown = FilePath(QStringLiteral("nieznany.q4d"));
    Settings root;
    root["Asset"]["Provider"] = QStringLiteral("Kelvora OnLine");
    root["Asset"]["Ticker"] = QStringLiteral("NIEMA");
    ASSERT_TRUE(root.SaveToFile(unknown, QStringLiteral("Settings")));
    const QString broken = FilePath(QStringLiteral("zepsuty.q4d"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Settings><nie");
    file.close();

    for (const QString& path : {unknown, broken, FilePath(QStringLiteral("brak.q4d"))})
    {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(Details()->OpenWindowFromFile(m_view.get(), path, false));
    }
    EXPECT_TRUE(m_view->findChildren<DetailsWindow*>().isEmpty());
}

TEST_F(FeedWindowsTest, TheFeedsThreadDeliversWhileWindowsRepaintAndClose)
{
    ASSERT_TRUE(TransList()->ShowNewTransList(m_view.get(), nullptr, 0));
    ASSERT_TRUE(Details()->ShowDetailsDlg(m_view.get(), nullptr, 0));
    TransListWindow* transList = TransList()->ActiveWindow();
    DetailsWindow* details = Details()->ActiveWindow();
    std::atomic<bool> stop{false};
    std::thread feed([&] {
        while (!stop.load())
            m_provider.Step(1);
    });
    const auto pumpUntil = [&](int count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (transList->ShownCount() < count && std::chrono::steady_clock::now() < deadline)
        {
            transList->Pump();
            if (details)
                details->Pump();
            std::this_thread::yield();
        }
    };
    pumpUntil(20);
    delete details;  // unsubscribes while the feed runs
    details = nullptr;
    pumpUntil(40);
    stop.store(true);
    feed.join();
    transList->Pump();

    ASSERT_GT(transList->ShownCount(), 1);
    for (int i = 1; i < transList->ShownCount(); ++i)
        ASSERT_GT(transList->Shown(i - 1).id, transList->Shown(i).id) << "each transaction once, newest first";
}

TEST_F(FeedWindowsTest, ColouringByColumnsGivesNeighbouringColumnsTheOddAndEvenLooks)
{
    struct Case
    {
        std::function<FeedWindow*()> open;
        int styleGroup;
        int colouringParam;
        int columns;
    };
    const Case cases[] = {
        {[] {
             EXPECT_TRUE(Monitor()->ShowNewTransactionsMonitorWindow(nullptr, 0));
             return Monitor()->ActiveWindow();
         },
         TransMonitorWindow::kStyleGroup, StyleTransactionsMonitor::ParamColouring, 5},
        {[] {
             EXPECT_TRUE(TransList()->ShowNewTransList(nullptr, nullptr, 0));
             return TransList()->ActiveWindow();
         },
         TransListWindow::kStyleGroup, StyleTransactionList::ParamColouringMode, 4},
    };
    const QColor odd(3, 250, 7);
    const QColor even(250, 3, 9);
    for (const Case& c : cases)
    {
        m_view = std::make_unique<QWidget>();
        PluginBase::Init(&m_mediator);
        FeedWindow* window = c.open();
        ASSERT_NE(window, nullptr);
        window->setParent(m_view.get());
        window->resize(500, 300);
        m_provider.Step(300);
        window->Pump();
        WindowStyleParams& params = window->StyleParams();
        for (const int param : {StyleTextField::ParamBkColor, StyleTextField::ParamBkColorRise, StyleTextField::ParamBkColorFall})
        {
            params.ChangeParam(0, param, 0x0007FA03);
            params.ChangeParam(1, param, 0x000903FA);
        }
        const int columnWidth = 500 / c.columns;
        // The two looks of the first row's first two columns.
        const auto firstRowLooks = [&](int mode) {
            params.ChangeParam(c.styleGroup, c.colouringParam, mode);
            const QImage image = window->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
            {
                if (image.pixelColor(2, y) == odd)
                    return std::pair{image.pixelColor(2, y), image.pixelColor(columnWidth + 2, y)};
            }
            return std::pair{QColor(), QColor()};
        };
        EXPECT_EQ(firstRowLooks(0), std::pair(odd, odd)) << c.styleGroup;
        EXPECT_EQ(firstRowLooks(1), std::pair(odd, even)) << c.styleGroup;
        m_view.reset();
    }
}
