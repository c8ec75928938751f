#include "cloud/ui/CloudAlertNotificationPopup.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

namespace
{
// Ten pixels a character, lines ten pixels high, at the standard size; a smaller pixel size
// narrows the characters in proportion (the title font's own size is 21).
QSize Measure(const QString& text, CloudAlertPopupData::Font, int pixelSize = 0)
{
    const int size = pixelSize > 0 ? pixelSize : CloudAlertPopupData::kTitlePixelSize;
    return QSize(10 * static_cast<int>(text.size()) * size / CloudAlertPopupData::kTitlePixelSize, 10);
}

// The share of the arrow's pixels that are mostly of the colour's channel.
double ArrowShare(const QImage& image, bool green)
{
    const QRect box = CloudAlertNotificationPopup::SideArrowRect();
    int hits = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
        {
            const QColor pixel = image.pixelColor(x, y);
            const int main = green ? pixel.green() : pixel.red();
            const int other = green ? pixel.red() : pixel.green();
            if (main > 150 && other < 100)
                ++hits;
        }
    return static_cast<double>(hits) / (box.width() * box.height());
}

QStringList Lines(const CloudAlertPopupData::TextData& text)
{
    QStringList lines;
    for (const auto& line : text.lines)
        lines << line->text;
    return lines;
}

void Flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs the slide to its end.
void Slide(CloudAlertNotificationPopup& popup)
{
    while (popup.FireTimer(CloudAlertNotificationPopup::kSlideTimer))
    {
    }
}
}

class CloudAlertNotificationPopupTest : public ::testing::Test
{
protected:
    CloudAlertNotificationPopupTest() { TestApplication::Ensure(); }
    ~CloudAlertNotificationPopupTest() override
    {
        CloudAlertNotificationPopup::CloseAll();
        Flush();
    }

    CloudAlertNotificationPopup* Open(int displayTimeMs, int isBuy = 1)
    {
        auto* popup = new CloudAlertNotificationPopup(
            std::make_shared<CloudAlertPopupData>(true, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("KGHM"),
                                                  isBuy),
            displayTimeMs);
        popup->Start(QPoint(1600, 1000));
        Slide(*popup);
        return popup;
    }
};

TEST_F(CloudAlertNotificationPopupTest, OnlyTheLatestRequestIsShown)
{
    std::thread other([] {
        CloudAlertNotificationPopup::ShowNotification(QStringLiteral("pierwszy"), QStringLiteral("KGHM"),
                                                      QStringLiteral("1"), 1, true);
    });
    other.join();
    CloudAlertNotificationPopup::ShowNotification(QStringLiteral("drugi"), QStringLiteral("PKOBP"), QStringLiteral("2"), 0,
                                                  false);
    // Without a main frame the request waits for the main thread's next turn.
    CloudAlertNotificationPopup* popup = CloudAlertNotificationPopup::ShowLatestNotification();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Data().name->text, QStringLiteral("drugi"));
    EXPECT_EQ(popup->Data().instrument.text, QStringLiteral("PKOBP"));
    EXPECT_EQ(CloudAlertNotificationPopup::ShowLatestNotification(), nullptr);
    EXPECT_EQ(CloudAlertNotificationPopup::OpenCount(), 1U);
}

TEST_F(CloudAlertNotificationPopupTest, SlidesUpBesideTheAnchorBuyLeftOfSell)
{
    CloudAlertNotificationPopup* buy = Open(0, 1);
    CloudAlertNotificationPopup* sell = Open(0, 0);
    EXPECT_EQ(sell->StepsLeft(), 0);
    // Ten steps of 19 pixels up from the anchor.
    EXPECT_EQ(sell->pos(), QPoint(1600 - 131 - 20, 1000 - 190));
    EXPECT_EQ(buy->pos(), QPoint(1600 - 131 - 20 - 131 - 16, 1000 - 190));
    EXPECT_EQ(sell->size(), QSize(131, 192));
}

TEST_F(CloudAlertNotificationPopupTest, DisplayTimeZeroWaitsForAClick)
{
    QPointer<CloudAlertNotificationPopup> popup = Open(0);
    EXPECT_FALSE(popup->HasTimer(CloudAlertNotificationPopup::kDisplayTimer));
    QTest::mouseClick(popup.data(), Qt::LeftButton, {}, QPoint(60, 60));
    Flush();
    EXPECT_TRUE(popup.isNull());
    EXPECT_EQ(CloudAlertNotificationPopup::OpenCount(), 0U);
}

TEST_F(CloudAlertNotificationPopupTest, TheMouseOverThePopupKeepsItOpen)
{
    QPointer<CloudAlertNotificationPopup> popup = Open(3000);
    bool underMouse = true;
    popup->SetUnderMouseCheck([&underMouse] { return underMouse; });
    ASSERT_TRUE(popup->FireTimer(CloudAlertNotificationPopup::kDisplayTimer));
    Flush();
    ASSERT_FALSE(popup.isNull());
    underMouse = false;
    ASSERT_TRUE(popup->FireTimer(CloudAlertNotificationPopup::kDisplayTimer));
    Flush();
    EXPECT_TRUE(popup.isNull());
}

TEST_F(CloudAlertNotificationPopupTest, CloseAllClosesEveryPopup)
{
    QPointer<CloudAlertNotificationPopup> first = Open(0);
    QPointer<CloudAlertNotificationPopup> second = Open(0, 0);
    CloudAlertNotificationPopup::CloseAll();
    Flush();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(CloudAlertNotificationPopup::OpenCount(), 0U);
}

TEST(CloudAlertNotificationPopupAnchor, FollowsTheTaskbarsEdge)
{
    const QRect screen(0, 0, 1600, 1000);
    struct Case
    {
        QRect work;
        QPoint anchor;
    };
    const Case cases[] = {
        {QRect(0, 0, 1600, 960), QPoint(1600, 960)},        // bottom
        {QRect(40, 0, 1560, 1000), QPoint(40 + 131, 1000)}, // left
        {QRect(0, 40, 1600, 960), QPoint(1600, 40 + 192)},  // top
        {QRect(0, 0, 1560, 1000), QPoint(1560, 1000)},      // right
        {screen, QPoint(1600, 1000)},                       // none
    };
    for (const Case& c : cases)
        EXPECT_EQ(CloudAlertNotificationPopup::AnchorPoint(CloudAlertNotificationPopup::TaskbarRect(screen, c.work), c.work),
                  c.anchor)
            << c.work.x() << "," << c.work.y();
}

TEST(CloudAlertPopupData, WrapsShortensLongWordsAndDropsWhatDoesNotFit)
{
    CloudAlertPopupData::TextData text;
    // 100 pixels wide: a line takes ten characters; two lines fit in the height.
    text.rect = QRect(0, 0, 100, 30);
    text.text = QStringLiteral("ab cd ef gh");
    CloudAlertPopupData::Wrap(text, CloudAlertPopupData::Font::Name, Measure);
    EXPECT_EQ(Lines(text), (QStringList{QStringLiteral("ab cd ef "), QStringLiteral("gh")}));

    text.text = QStringLiteral("Bardzodlugiewyrazenie");
    CloudAlertPopupData::Wrap(text, CloudAlertPopupData::Font::Name, Measure);
    ASSERT_FALSE(text.lines.empty());
    EXPECT_TRUE(Lines(text).first().endsWith(QStringLiteral("...")));
    EXPECT_LE(Measure(Lines(text).first(), CloudAlertPopupData::Font::Name).width(), 100);

    text.text = QStringLiteral("jeden dwa trzy cztery piec szesc siedem");
    CloudAlertPopupData::Wrap(text, CloudAlertPopupData::Font::Name, Measure);
    EXPECT_EQ(Lines(text), (QStringList{QStringLiteral("jeden dwa "), QStringLiteral("trzy ")}));
}

TEST_F(CloudAlertNotificationPopupTest, TheArrowShowsTheSideUpInGreenForBuyDownInRedForSell)
{
    for (const bool cloud : {true, false})
    {
        for (const int isBuy : {1, 0})
        {
            CloudAlertNotificationPopup popup(std::make_shared<CloudAlertPopupData>(cloud, QStringLiteral("A"),
                                                                                    QStringLiteral("48.10"),
                                                                                    QStringLiteral("KLV Kurs"), isBuy),
                                              0);
            const QImage image = popup.grab().toImage();
            const bool buy = isBuy == 1;
            EXPECT_GT(ArrowShare(image, buy), 0.2) << "cloud " << cloud << " buy " << isBuy;
            EXPECT_EQ(ArrowShare(image, !buy), 0.0) << "cloud " << cloud << " buy " << isBuy;
            // The arrow's point: the top middle holds the colour for buy, the bottom middle for sell.
            const QRect box = CloudAlertNotificationPopup::SideArrowRect();
            const QColor tip = image.pixelColor(box.center().x(), buy ? box.top() + 3 : box.bottom() - 3);
            const QColor base = image.pixelColor(box.left() + 1, buy ? box.bottom() - 1 : box.top() + 1);
            EXPECT_EQ(tip.rgb(), CloudAlertNotificationPopup::SideColour(isBuy).rgb());
            EXPECT_NE(base.rgb(), CloudAlertNotificationPopup::SideColour(isBuy).rgb());
        }
    }
}

TEST(CloudAlertPopupData, TheInstrumentAndValueShrinkToShowEveryWord)
{
    // 101 pixels wide, 28 high: at the standard size ten characters a line and two lines.
    struct Case
    {
        QString text;
        bool shrinks;
    };
    const Case cases[] = {
        {QStringLiteral("KLV Kurs"), false},
        {QStringLiteral("Kelvora Holding"), false},
        {QStringLiteral("Kelvotronika"), true},
        {QStringLiteral("KLV Liczba transakcji"), true},
    };
    for (const Case& c : cases)
    {
        CloudAlertPopupData data(true, QStringLiteral("Alert (1)"), QStringLiteral("48.34"), c.text, 0);
        data.Layout(131, 182, Measure);
        EXPECT_EQ(Lines(data.instrument).join(QString()), c.text) << c.text.toStdString();
        EXPECT_EQ(data.instrument.pixelSize < CloudAlertPopupData::kTitlePixelSize, c.shrinks) << c.text.toStdString();
        for (const QString& line : Lines(data.instrument))
            EXPECT_LE(Measure(line, CloudAlertPopupData::Font::Title, data.instrument.pixelSize).width(),
                      data.instrument.rect.width());
        EXPECT_EQ(Lines(data.value).join(QString()), QStringLiteral("48.34"));
    }
}

TEST(CloudAlertPopupData, LayoutPlacesTheThreeTexts)
{
    CloudAlertPopupData data(true, QStringLiteral("nazwa"), QStringLiteral("12.5"), QStringLiteral("KGHM"), 1);
    data.Layout(131, 182, Measure);
    EXPECT_EQ(data.instrument.rect, QRect(QPoint(15, 63), QPoint(115, 90)));
    EXPECT_EQ(data.value.rect.top(), 92);
    EXPECT_EQ(data.name->rect.top(), 132);
    EXPECT_EQ(data.name->rect.bottom(), 181);
}
