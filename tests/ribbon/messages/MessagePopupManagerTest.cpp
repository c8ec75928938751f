#include "ribbon/messages/MessagePopup.h"
#include "ribbon/messages/MessagePopupManager.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

namespace
{
// What a reader sees of the popup's text: line breaks as line feeds.
QString ShownText(const QString& richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n'));
}

class MessagePopupManagerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TestApplication::Ensure(); }

    void SetUp() override
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        anchor = area.bottomRight() - QPoint(20, 20);
    }

    QPoint anchor;
    MessagePopupManager manager;
};

TEST(MessagePopupTest, CaptionAndTextAreShownAsWritten)
{
    const struct
    {
        const char* caption;
        const char* text;
        const char* shown;
    } cases[] = {
        {"Alert", "Kurs przekroczył 12,50", "Alert\nKurs przekroczył 12,50"},
        {"Dwie linie", "pierwsza\ndruga\r\ntrzecia", "Dwie linie\npierwsza\ndruga\ntrzecia"},
        {"<i>Tytuł</i>", "<b>nie pogrubione</b> & <br> {\\par} &amp;",
         "<i>Tytuł</i>\n<b>nie pogrubione</b> & <br> {\\par} &amp;"},
        {"Spacje", "  wcięcie  zachowane", "Spacje\n  wcięcie  zachowane"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ShownText(MessagePopup::MakeRichText(QString::fromUtf8(c.caption), QString::fromUtf8(c.text))),
                  QString::fromUtf8(c.shown))
            << c.text;
    }
}

TEST(MessagePopupTest, CaptionIsBoldAndTextIsNot)
{
    QTextDocument document;
    document.setHtml(MessagePopup::MakeRichText(QStringLiteral("Tytuł"), QStringLiteral("treść")));
    const QTextBlock caption = document.firstBlock();
    EXPECT_EQ(caption.text(), QStringLiteral("Tytuł"));
    EXPECT_EQ(caption.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_NE(caption.next().begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_GT(caption.next().blockFormat().leftMargin(), 0);
}

TEST_F(MessagePopupManagerTest, APopupShowsWithItsBottomRightCornerAtTheAnchor)
{
    manager.ShowMessagePopup(nullptr, anchor, QStringLiteral("Quorvanta 4"), QStringLiteral("Zapisano pulpit."));
    ASSERT_EQ(manager.GetOpenPopups().size(), 1u);
    const MessagePopup* popup = manager.GetOpenPopups().front();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->GetTargetRect().bottomRight(), anchor);
    EXPECT_EQ(popup->GetTargetRect().size(), MessagePopup::kSize);
    EXPECT_TRUE(popup->HasTimer(MessagePopup::kShowTimerId));
    EXPECT_TRUE(popup->testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST_F(MessagePopupManagerTest, APopupNearTheScreensEdgeOrOffItStaysOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    manager.ShowMessagePopup(nullptr, area.topLeft() + QPoint(10, 10), QStringLiteral("Quorvanta 4"), QStringLiteral("x"));
    manager.ShowMessagePopup(nullptr, area.bottomRight() + QPoint(5000, 5000), QStringLiteral("Quorvanta 4"),
                             QStringLiteral("y"));
    const std::vector<MessagePopup*> popups = manager.GetOpenPopups();
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[0]->GetTargetRect().topLeft(), area.topLeft());
    EXPECT_EQ(popups[1]->GetTargetRect().bottomRight(), area.bottomRight());
}

TEST_F(MessagePopupManagerTest, PopupsAtOnePlaceStackUpwards)
{
    manager.ShowMessagePopup(nullptr, anchor, QStringLiteral("Pierwszy"), QStringLiteral("1"));
    manager.ShowMessagePopup(nullptr, anchor, QStringLiteral("Drugi"), QStringLiteral("2"));
    const std::vector<MessagePopup*> popups = manager.GetOpenPopups();
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[1]->GetTargetRect().bottom(), popups[0]->GetTargetRect().top() - MessagePopupManager::kStackGap);
    EXPECT_FALSE(popups[1]->GetTargetRect().intersects(popups[0]->GetTargetRect()));
}

TEST_F(MessagePopupManagerTest, CloseAllPopupsClosesAndForgetsThemAll)
{
    QWidget panel;
    manager.ShowMessagePopup(&panel, anchor, QStringLiteral("Pierwszy"), QStringLiteral("1"));
    manager.ShowMessagePopup(nullptr, anchor, QStringLiteral("Drugi"), QStringLiteral("2"));
    const std::vector<MessagePopup*> shown = manager.GetOpenPopups();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0]->parentWidget(), &panel);
    const QPointer<MessagePopup> first = shown[0];
    const QPointer<MessagePopup> second = shown[1];

    manager.CloseAllPopups();

    EXPECT_TRUE(manager.GetOpenPopups().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
}

TEST_F(MessagePopupManagerTest, APopupClosedByItsTimerLeavesTheList)
{
    manager.ShowMessagePopup(nullptr, anchor, QStringLiteral("Pierwszy"), QStringLiteral("1"));
    manager.ShowMessagePopup(nullptr, anchor, QStringLiteral("Drugi"), QStringLiteral("2"));
    MessagePopup* expiring = manager.GetOpenPopups().front();
    MessagePopup* staying = manager.GetOpenPopups().back();

    ASSERT_TRUE(expiring->FireTimer(MessagePopup::kShowTimerId));

    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return manager.GetOpenPopups().size() == 1; }));
    EXPECT_EQ(manager.GetOpenPopups().front(), staying);
}

TEST_F(MessagePopupManagerTest, AClickClosesAPopup)
{
    manager.ShowMessagePopup(nullptr, anchor, QStringLiteral("Quorvanta 4"), QStringLiteral("1"));
    MessagePopup* popup = manager.GetOpenPopups().front();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(20, 20), popup->mapToGlobal(QPointF(20, 20)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &click);
    EXPECT_TRUE(manager.GetOpenPopups().empty());
}

TEST(MessagePopupManagerLifetimeTest, TheManagerClosesItsPopupsWhenItGoes)
{
    TestApplication::Ensure();
    auto manager = std::make_unique<MessagePopupManager>();
    manager->ShowMessagePopup(nullptr, QPoint(400, 400), QStringLiteral("Quorvanta 4"), QStringLiteral("1"));
    const QPointer<MessagePopup> popup = manager->GetOpenPopups().front();
    manager.reset();
    ASSERT_FALSE(popup.isNull());
    EXPECT_FALSE(popup->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popup.isNull());
}
}
