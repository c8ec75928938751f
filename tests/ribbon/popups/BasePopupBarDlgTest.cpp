#include "platform/toolkit/ToolkitColors.h"
#include "ribbon/popups/BasePopupBarDlg.h"
#include "ribbon/popups/PopupBarBackground.h"
#include "tests/support/ui/TestApplication.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace
{
bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1 && std::abs(a.blue() - b.blue()) <= 1;
}

// A strong gradient, so that a band taken from the wrong height shows.
class ContrastColors : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        ToolkitColors::SetSource([](int index) {
            return index == ToolkitColors::PopupBackground ? QColor(255, 255, 255) : QColor(0, 0, 0);
        });
    }
    void TearDown() override { ToolkitColors::SetSource({}); }
};

using BasePopupBarDlgTest = ContrastColors;
using PopupBarBackgroundTest = ContrastColors;
}

TEST(MixColorTest, MixesByPercentOfTheFirstColour)
{
    EXPECT_EQ(MixColor(QColor(200, 100, 0), QColor(0, 0, 100), 50), QColor(100, 50, 50));
    EXPECT_EQ(MixColor(QColor(200, 100, 0), QColor(0, 0, 100), 100), QColor(200, 100, 0));
    EXPECT_EQ(MixColor(QColor(200, 100, 0), QColor(0, 0, 100), 0), QColor(0, 0, 100));
    EXPECT_EQ(MixColor(QColor(200, 100, 0), QColor(0, 0, 100), 150), QColor(200, 100, 0)) << "clamped";
}

TEST_F(PopupBarBackgroundTest, RunsFromThePopupColourToItsMixWithTheShadow)
{
    QImage image(10, 101, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawPopupBarBackground(image.rect(), painter);
    painter.end();
    EXPECT_TRUE(Near(image.pixelColor(5, 0), QColor(255, 255, 255)));
    EXPECT_TRUE(Near(image.pixelColor(5, 100), QColor(128, 128, 128)));
}

TEST_F(BasePopupBarDlgTest, AChildsBandContinuesTheDialogsGradient)
{
    BasePopupBarDlg dialog;
    dialog.resize(100, 200);
    QWidget child(&dialog);
    child.setGeometry(10, 100, 50, 40);
    QWidget grandchild(&child);

    EXPECT_EQ(dialog.ChildGradientRect(&child), QRect(0, -100, 50, 200));
    EXPECT_TRUE(dialog.ChildGradientRect(&grandchild).isEmpty()) << "only direct children";
    EXPECT_TRUE(dialog.ChildGradientRect(nullptr).isEmpty());

    QImage whole(100, 200, QImage::Format_RGB32);
    QPainter wholePainter(&whole);
    DrawPopupBarBackground(whole.rect(), wholePainter);
    wholePainter.end();
    QImage band(50, 40, QImage::Format_RGB32);
    band.fill(Qt::red);
    QPainter bandPainter(&band);
    EXPECT_TRUE(dialog.DrawChildBackground(&child, bandPainter));
    EXPECT_FALSE(dialog.DrawChildBackground(&grandchild, bandPainter));
    bandPainter.end();
    EXPECT_TRUE(Near(band.pixelColor(5, 0), whole.pixelColor(15, 100)));
    EXPECT_TRUE(Near(band.pixelColor(5, 39), whole.pixelColor(15, 139)));
}

TEST_F(BasePopupBarDlgTest, AChildThatFillsItsBackgroundShowsTheBandInstead)
{
    BasePopupBarDlg dialog;
    dialog.resize(100, 200);
    QWidget child(&dialog);
    child.setGeometry(10, 100, 50, 40);
    child.setAutoFillBackground(true);
    QPalette red = child.palette();
    red.setColor(QPalette::Window, Qt::red);
    child.setPalette(red);

    const QImage shown = dialog.grab().toImage();
    EXPECT_TRUE(Near(shown.pixelColor(20, 120), shown.pixelColor(80, 120))) << "no red block in the dialog";
}
