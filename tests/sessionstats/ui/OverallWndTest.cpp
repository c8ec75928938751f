// The overall-statistics bar: segment lengths, the items' places, and the drag of an argument.

#include "StatisticsUiFixture.h"

#include "platform/modules/DDBaseDataObject.h"
#include "sessionstats/ui/OverallWnd.h"
#include "sessionstats/ui/StyleSessionStatistics.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace
{
class OverallWndTest : public testing::Test, public StatisticsUiFixture
{
protected:
    void SetUp() override
    {
        bar.SetModule(module.get());
        bar.resize(600, 80);
        bar.SetArgumentDragStarter([this](QWidget&, const DDBaseDataObject& object) { dragged.push_back(object); });
    }

    void Paint()
    {
        QImage image(bar.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        bar.Painter().Draw(bar.GetOverallStyle(), painter, bar.rect(), bar.Items());
    }

    void Mouse(QEvent::Type type, const QPoint& point, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, point, bar.mapToGlobal(point), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(&bar, &event);
    }

    OverallWnd bar;
    std::vector<DDBaseDataObject> dragged;
};
}

TEST_F(OverallWndTest, SegmentsShareTheBarAndTruncationGoesToTheFallingOne)
{
    struct Case
    {
        double rising, unchanged, total;
        int width;
        int wantRising, wantUnchanged, wantFalling;
    };
    const Case cases[] = {
        {3, 6, 10, 100, 30, 60, 10}, {1, 1, 3, 100, 33, 33, 34}, {0, 0, 0, 100, 0, 0, 0},
        {5, 0, 5, 7, 7, 0, 0},       {1, 1, 3, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        const OverallWindowPainter::Segments s = OverallWindowPainter::SegmentLengths(c.rising, c.unchanged, c.total, c.width);
        EXPECT_EQ(s.rising, c.wantRising);
        EXPECT_EQ(s.unchanged, c.wantUnchanged);
        EXPECT_EQ(s.falling, c.wantFalling);
    }
    OverallWindowPainter painter;
    EXPECT_EQ(painter.ItemRect(QRect(0, 0, 2, 80), 2).width(), 0);
    EXPECT_EQ(painter.ItemRect(QRect(0, 0, 600, 80), 1), QRect(200, 24, 200, 56));
}

TEST_F(OverallWndTest, ASegmentDragsItsArgumentOnlyPastTheThresholdAndOncePerPress)
{
    bar.Items()[1]->SetValues(2, 5, 3, 10);
    Paint();
    const QRect falling = bar.Items()[1]->SegmentRect(OverallWindowItemBase::eFalling);
    ASSERT_FALSE(falling.isEmpty());
    const QPoint start = falling.center();
    const int threshold = (2 * QApplication::startDragDistance()) / 4;

    Mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
    Mouse(QEvent::MouseMove, start + QPoint(threshold, 0), Qt::LeftButton);
    EXPECT_TRUE(dragged.empty());
    Mouse(QEvent::MouseMove, start + QPoint(threshold + 1, 0), Qt::LeftButton);
    Mouse(QEvent::MouseMove, start + QPoint(threshold + 9, 0), Qt::LeftButton);
    ASSERT_EQ(dragged.size(), 1u);
    const AlertExprArgDesc& argument = dragged[0].GetAlertArgDescription();
    EXPECT_EQ(argument.GetSourceModuleName(), QStringLiteral("SessionStatistics"));
    EXPECT_EQ(argument.GetBaseArgumentSourceID(), 12u);
    EXPECT_EQ(argument.GetArgumentName(), QStringLiteral("Obroty instrumentów malejących"));
    EXPECT_EQ(argument.GetArgumentDescription(), QStringLiteral("statystyka sesji"));

    Mouse(QEvent::MouseButtonRelease, start, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
    Mouse(QEvent::MouseMove, start + QPoint(threshold + 9, 0), Qt::LeftButton);
    EXPECT_EQ(dragged.size(), 2u);
}

TEST_F(OverallWndTest, WithoutFiguresNoSegmentIsThereToDrag)
{
    bar.UpdateItems(OverallStatisticsWrapper());
    Paint();
    for (OverallWindowItemBase* item : bar.Items())
        for (int segment = 0; segment < 3; ++segment)
            EXPECT_TRUE(item->SegmentRect(segment).isEmpty());
    DDBaseDataObject object;
    EXPECT_FALSE(bar.ArgumentAt(QPoint(300, 40), object));
}
