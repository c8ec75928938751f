#include "core/about/AboutDlg.h"
#include "core/about/AboutDlgData.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
class AboutDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        data = AboutDlgData::ForProductKind(1);
    }

    std::shared_ptr<AboutDlgData> data;
};

// Pixels of the rectangle that are nearly black.
int DarkPixels(const QImage& image, const QRect& rect)
{
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                ++dark;
    return dark;
}
}

TEST_F(AboutDlgTest, ThisEditionWritesAtItsPositionInTheDefaultFontInBlack)
{
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetTextPosition(), QPoint(163, 72));
    EXPECT_EQ(data->GetFont(), QApplication::font());
    EXPECT_EQ(data->GetColor(), ColorRef(0));
    EXPECT_EQ(AboutDlgData::ForProductKind(0), nullptr);
}

TEST_F(AboutDlgTest, TheWindowIsExactlyThePictureWithoutFrame)
{
    const QPixmap image = AboutDlg::LoadImage();
    ASSERT_FALSE(image.isNull()) << "the picture is compiled in";
    AboutDlg about(data, QStringLiteral("4.2.210.1"), nullptr, image);
    EXPECT_EQ(about.size(), image.size());
    EXPECT_EQ(about.mask(), QRegion(QRect(QPoint(0, 0), image.size())));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(about.isModal());

    AboutDlg withoutPicture(data, QStringLiteral("4.2.210.1"), nullptr, QPixmap());
    EXPECT_EQ(withoutPicture.size(), QSize(AboutDlg::kDefaultWidth, AboutDlg::kDefaultHeight));
    EXPECT_EQ(withoutPicture.mask(), QRegion(withoutPicture.rect()));
}

TEST_F(AboutDlgTest, TheVersionIsWrittenFromTheDataPosition)
{
    AboutDlg about(data, QStringLiteral("4.2.210.1"), nullptr);
    EXPECT_EQ(about.GetVersionText(), QStringLiteral("Wersja: 4.2.210.1"));
    const QRect textRect = about.GetVersionTextRect();
    EXPECT_EQ(textRect.topLeft(), QPoint(163, 72));

    const QImage picture = AboutDlg::LoadImage().toImage();
    const QImage shown = about.grab().toImage();
    EXPECT_EQ(DarkPixels(picture, textRect), 0) << "the picture leaves the place of the version empty";
    EXPECT_GT(DarkPixels(shown, textRect), 20) << "the version is written there";
    EXPECT_EQ(DarkPixels(shown, QRect(0, 200, 100, 20)), DarkPixels(picture, QRect(0, 200, 100, 20)));
}

TEST_F(AboutDlgTest, ShownCentredOverItsParentAndHiddenByAClick)
{
    QWidget parent;
    parent.setGeometry(100, 120, 1001, 800);
    parent.show();
    AboutDlg about(data, QStringLiteral("4.2.210.1"), &parent);
    about.ShowAbout();
    EXPECT_TRUE(about.isVisible());
    const QPoint parentTopLeft = parent.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(about.pos(), parentTopLeft + QPoint((1001 - about.width()) / 2, (800 - about.height()) / 2));

    QMouseEvent rightClick(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::RightButton, Qt::RightButton,
                           Qt::NoModifier);
    QApplication::sendEvent(&about, &rightClick);
    EXPECT_TRUE(about.isVisible());
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&about, &click);
    EXPECT_FALSE(about.isVisible()) << "hidden, not destroyed";

    // Shown again where the user left it, not centred anew.
    about.move(about.pos() + QPoint(30, 0));
    const QPoint moved = about.pos();
    about.ShowAbout();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.pos(), moved);
}

TEST_F(AboutDlgTest, LosingTheFocusHidesIt)
{
    QWidget other;
    other.show();
    AboutDlg about(data, QStringLiteral("4.2.210.1"), nullptr);
    about.ShowAbout();
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return about.isActiveWindow(); }));

    other.activateWindow();
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return !about.isVisible(); }));
}
