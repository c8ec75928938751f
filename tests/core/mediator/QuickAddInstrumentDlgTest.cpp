#include "core/engine/AssetNameMatches.h"
#include "core/mediator/MovementBarDlg.h"
#include "core/mediator/QuickAddInstrumentDlg.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

// A window that counts the quick-add message.
class ReceiverWindow : public QWidget, public Wnd
{
public:
    ReceiverWindow()
        : Wnd(this)
    {
    }
    int chosen = 0;

protected:
    LResult WindowProc(const WindowMessage& message) override
    {
        if (message.message == WM_QUICK_ADD_ASSET_CHOSEN)
            ++chosen;
        return Wnd::WindowProc(message);
    }
};

// A provider whose instrument list the test sets and whose reads it counts.
class ListProvider : public FakeProvider
{
public:
    ListProvider()
        : FakeProvider(QStringLiteral("Lista"))
    {
    }
    std::vector<Asset> GetAllAssets() const override
    {
        ++reads;
        return assets;
    }
    std::vector<Asset> assets;
    mutable std::atomic<int> reads{0};
};

Asset MakeAsset(ProviderBase* provider, const QString& shortName, const QString& longName, const QString& market = QStringLiteral("GPW"))
{
    return Asset(provider, QString(), shortName, longName, market, AssetParams(AssetParams::kAll));
}

class QuickAddInstrumentDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }

    std::unique_ptr<QuickAddInstrumentDlg> Make(ProviderBase* provider)
    {
        QuickAddInstrumentDlg::Services services;
        services.providers = [provider] { return std::vector<ProviderBase*>{provider}; };
        services.defaultProvider = [provider] { return provider; };
        services.setDefaultProvider = [this](ProviderBase* p) { defaults.push_back(p); };
        services.setOpacity = [this](double opacity) { alphas.push_back(static_cast<int>(opacity * 255.0 + 0.5)); };
        services.setBarOpacity = [this](double opacity) { barAlphas.push_back(static_cast<int>(opacity * 255.0 + 0.5)); };
        services.sleep = [](int) {};
        return std::make_unique<QuickAddInstrumentDlg>(services);
    }

    // Polish letters have no key code: each character goes as the text of a key press.
    static void Type(QuickAddInstrumentDlg& popup, const QString& text)
    {
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::KeyAction::Click, popup.NameEdit(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    static void Key(QuickAddInstrumentDlg& popup, Qt::Key key) { QTest::keyClick(popup.NameEdit(), key); }

    SimFeedProvider m_feed;
    std::vector<ProviderBase*> defaults;
    std::vector<int> alphas;
    std::vector<int> barAlphas;
};

TEST(AssetNameMatchesTest, MatchesFoldCaseDropDuplicatesAndKeepKeyOrder)
{
    ListProvider p;
    const std::vector<Asset> assets = {MakeAsset(&p, QStringLiteral("ABC"), QStringLiteral("Abc")),
                                       MakeAsset(&p, QStringLiteral("ŁDZ"), QStringLiteral("Łódź Kolej")),
                                       MakeAsset(&p, QStringLiteral("ZET"), QStringLiteral("Zetka")),
                                       MakeAsset(&p, QStringLiteral("abc"), QStringLiteral("Inny"))};
    struct Case
    {
        QString typed;
        QStringList displays;
    };
    const Case cases[] = {
        // Short equal to long gives one entry; a later equal key replaces the earlier instrument.
        {QStringLiteral("a"), {QStringLiteral("abc\nGPW")}},
        // "Ł" sorts after "Z" by code unit.
        {QStringLiteral("ł"), {QStringLiteral("ŁDZ\nGPW"), QStringLiteral("Łódź Kolej\nGPW")}},
        {QStringLiteral("q"), {}},
        {QString(),
         {QStringLiteral("abc\nGPW"), QStringLiteral("Inny\nGPW"), QStringLiteral("ZET\nGPW"), QStringLiteral("Zetka\nGPW"),
          QStringLiteral("ŁDZ\nGPW"), QStringLiteral("Łódź Kolej\nGPW")}},
    };
    for (const Case& c : cases)
    {
        QStringList displays;
        for (const AssetNameMatch& match : AssetNameMatches::Build(assets, c.typed))
            displays << match.display;
        EXPECT_EQ(displays, c.displays) << c.typed.toStdString();
    }
    EXPECT_EQ(AssetNameMatches::Build(assets, QStringLiteral("a")).front().assetIndex, 3u);
}

TEST_F(QuickAddInstrumentDlgTest, KeystrokesThatNoInstrumentContinuesAreRefused)
{
    auto popup = Make(&m_feed);
    popup->ShowAt(QPoint(100, 100), true, {}, nullptr);
    Type(*popup, QStringLiteral("śląskiq"));
    EXPECT_EQ(popup->NameEdit()->text(), QStringLiteral("śląski"));
    ASSERT_EQ(popup->Matches().size(), 2u);
    EXPECT_EQ(popup->Matches()[0].display, QStringLiteral("Śląski Bank Rolniczy\nGPW"));
    EXPECT_EQ(popup->Matches()[1].display, QStringLiteral("Śląski Bank Rolniczy obligacje 03/28\nCatalyst"));

    ListProvider empty;
    auto open = Make(&empty);
    open->ShowAt(QPoint(100, 100), true, {}, nullptr);
    Type(*open, QStringLiteral("xyz"));
    EXPECT_EQ(open->NameEdit()->text(), QStringLiteral("xyz"));
}

TEST_F(QuickAddInstrumentDlgTest, KeysExpandMoveAndPageTheList)
{
    auto popup = Make(&m_feed);
    popup->ShowAt(QPoint(100, 100), false, {}, nullptr);
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_PageDown})
    {
        Key(*popup, key);
        EXPECT_FALSE(popup->IsExpanded());
        EXPECT_EQ(popup->GetSelected(), 0);
    }
    Key(*popup, Qt::Key_Down);
    ASSERT_TRUE(popup->IsExpanded());
    ASSERT_GT(popup->Matches().size(), 20u);
    EXPECT_FALSE(popup->ScrollBar()->isHidden());
    Key(*popup, Qt::Key_Up);
    EXPECT_EQ(popup->GetSelected(), 0);
    Key(*popup, Qt::Key_PageDown);
    EXPECT_EQ(popup->GetSelected(), 10);
    EXPECT_EQ(popup->GetFirstVisible(), 1);
    for (int i = 0; i < 20; ++i)
        Key(*popup, Qt::Key_PageDown);
    EXPECT_EQ(popup->GetSelected(), static_cast<int>(popup->Matches().size()) - 1);

    // Escape on an open list only closes the list.
    Key(*popup, Qt::Key_Escape);
    EXPECT_FALSE(popup->IsExpanded());
    EXPECT_TRUE(popup->isVisible());
    Key(*popup, Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(QuickAddInstrumentDlgTest, ChoiceGoesToTheRecordedWindowOrTheReceiver)
{
    auto popup = Make(&m_feed);
    ReceiverWindow window;
    popup->RecordReceiverWindow(&window);
    popup->ShowAt(QPoint(10, 10), true, {}, &window);
    Type(*popup, QStringLiteral("kra"));
    Key(*popup, Qt::Key_Return);
    EXPECT_EQ(window.chosen, 1);
    EXPECT_EQ(popup->GetChosenAsset().GetShortName(), QStringLiteral("KRK"));
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(defaults, std::vector<ProviderBase*>{&m_feed});

    // A receiver object is called; the chosen asset of the popup stays.
    std::vector<QString> told;
    popup->ShowAt(QPoint(10, 10), true, [&told](QWidget*, const Asset& asset) { told.push_back(asset.GetShortName()); },
                  &window);
    Type(*popup, QStringLiteral("ekw"));
    popup->OnOk();
    EXPECT_EQ(told, std::vector<QString>{QStringLiteral("EKW")});
    EXPECT_EQ(popup->GetChosenAsset().GetShortName(), QStringLiteral("KRK"));
    EXPECT_EQ(window.chosen, 1);

    // Without a receiver window handle nobody is told.
    popup->ShowAt(QPoint(10, 10), true, [&told](QWidget*, const Asset& asset) { told.push_back(asset.GetShortName()); },
                  nullptr);
    popup->OnOk();
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(QuickAddInstrumentDlgTest, TextThatMatchesNothingMakesAnInstrumentOfTheProvider)
{
    ListProvider empty;
    auto popup = Make(&empty);
    ReceiverWindow window;
    popup->RecordReceiverWindow(&window);
    popup->ShowAt(QPoint(10, 10), true, {}, &window);
    Type(*popup, QStringLiteral("NOWY"));
    popup->OnOk();
    EXPECT_EQ(window.chosen, 1);
    const Asset chosen = popup->GetChosenAsset();
    EXPECT_EQ(chosen.GetShortName(), QStringLiteral("NOWY"));
    EXPECT_EQ(chosen.GetProvider(), &empty);
    ASSERT_TRUE(chosen.GetAssetParams());
    EXPECT_EQ(chosen.GetAssetParams()->Kinds(), 7u);

    // No provider: nothing is chosen and the default provider is left alone.
    auto none = Make(nullptr);
    defaults.clear();
    ReceiverWindow other;
    none->RecordReceiverWindow(&other);
    none->ShowAt(QPoint(10, 10), true, {}, &other);
    none->OnOk();
    EXPECT_EQ(other.chosen, 0);
    EXPECT_TRUE(defaults.empty());
}

TEST_F(QuickAddInstrumentDlgTest, FadesInToTwoHundredFiftyAndOutToZero)
{
    auto popup = Make(&m_feed);
    alphas.clear();
    popup->ShowAt(QPoint(10, 10), true, {}, nullptr);
    const std::vector<int> fadeIn = {0, 0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250};
    EXPECT_EQ(alphas, fadeIn);
    EXPECT_TRUE(popup->HasTimer(QuickAddInstrumentDlg::kFocusTimer));
    alphas.clear();
    popup->OnCancel();
    const std::vector<int> fadeOut = {250, 225, 200, 175, 150, 125, 100, 75, 50, 25, 0};
    EXPECT_EQ(alphas, fadeOut);
    EXPECT_FALSE(popup->HasTimer(QuickAddInstrumentDlg::kFocusTimer));
}

TEST_F(QuickAddInstrumentDlgTest, ProviderUpdatesFromAnotherThreadRefillTheListOnce)
{
    ListProvider provider;
    provider.assets = {MakeAsset(&provider, QStringLiteral("AAA"), QStringLiteral("Alfa"))};
    auto popup = Make(&provider);
    popup->ShowAt(QPoint(10, 10), true, {}, nullptr);
    const int readsBefore = provider.reads;
    provider.assets.push_back(MakeAsset(&provider, QStringLiteral("BBB"), QStringLiteral("Beta")));
    std::thread feed([&popup, &provider] {
        for (int i = 0; i < 3; ++i)
            popup->UpdateProvidersAssetsList(&provider);
    });
    feed.join();
    QCoreApplication::processEvents();
    ASSERT_TRUE(popup->HasTimer(QuickAddInstrumentDlg::kListTimer));
    popup->FireTimer(QuickAddInstrumentDlg::kListTimer);
    EXPECT_EQ(provider.reads, readsBefore + 1);
    EXPECT_FALSE(popup->HasTimer(QuickAddInstrumentDlg::kListTimer));
    Type(*popup, QStringLiteral("b"));
    EXPECT_EQ(popup->NameEdit()->text(), QStringLiteral("b"));
}

TEST_F(QuickAddInstrumentDlgTest, FocusInAnotherWindowCancelsAtTheNextTick)
{
    auto popup = Make(&m_feed);
    QLineEdit elsewhere;
    elsewhere.show();
    popup->ShowAt(QPoint(10, 10), true, {}, nullptr);
    ASSERT_TRUE(popup->isVisible());
    popup->FireTimer(QuickAddInstrumentDlg::kFocusTimer);
    EXPECT_TRUE(popup->isVisible());
    elsewhere.activateWindow();
    elsewhere.setFocus();
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&elsewhere] { return QApplication::focusWidget() == &elsewhere; }));
    popup->FireTimer(QuickAddInstrumentDlg::kFocusTimer);
    EXPECT_FALSE(popup->isVisible());
}

}

TEST_F(QuickAddInstrumentDlgTest, DragBarLiesAboveThePopupAndFadesOutWithIt)
{
    auto popup = Make(&m_feed);
    popup->ShowAt(QPoint(40, 60), true, {}, nullptr);
    ASSERT_NE(popup->Bar(), nullptr);
    EXPECT_TRUE(popup->Bar()->isVisible());
    EXPECT_EQ(popup->Bar()->geometry().bottom() + 1, popup->y());
    EXPECT_EQ(popup->Bar()->height(), MovementBarDlg::kHeight);
    EXPECT_EQ(popup->Bar()->width(), popup->width());
    popup->Bar()->SetAlpha(150);
    barAlphas.clear();
    popup->OnCancel();
    const std::vector<int> fadeOut = {147, 132, 117, 102, 88, 73, 58, 44, 29, 14, 0};
    EXPECT_EQ(barAlphas, fadeOut);
    EXPECT_FALSE(popup->Bar()->isVisible());

    // The bar gives the focus back into the name field, where Enter still chooses.
    popup->ShowAt(QPoint(40, 60), true, {}, nullptr);
    popup->Bar()->activateWindow();
    popup->Bar()->setFocus();
    QTest::mouseRelease(popup->Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&popup] { return popup->NameEdit()->hasFocus(); }));
}

TEST_F(QuickAddInstrumentDlgTest, WheelOverTheFrameScrollsTheOpenList)
{
    auto popup = Make(&m_feed);
    QWidget frame;
    popup->ForwardWheelFrom(&frame);
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    popup->ShowAt(QPoint(100, 100), false, {}, nullptr);
    Key(*popup, Qt::Key_Down);
    ASSERT_FALSE(popup->ScrollBar()->isHidden());
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&popup] { return popup->isActiveWindow(); }));
    QApplication::sendEvent(&frame, &down);
    EXPECT_EQ(popup->ScrollBar()->value(), 1);
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(&frame, &up);
    QApplication::sendEvent(&frame, &up);
    EXPECT_EQ(popup->ScrollBar()->value(), 0);
}
