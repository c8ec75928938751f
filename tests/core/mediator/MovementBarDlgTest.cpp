#include "core/mediator/MovementBarDlg.h"
#include "tests/support/ui/TestApplication.h"

#include <QTest>

#include <gtest/gtest.h>

namespace
{

class MovementBarDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_owner = std::make_unique<QWidget>();
        m_owner->setGeometry(100, 100, 200, 60);
        MovementBarDlg::Services services;
        services.setOpacity = [this](double opacity) { alphas.push_back(static_cast<int>(opacity * 255.0 + 0.5)); };
        services.cursorPos = [this] { return cursor; };
        services.leftButtonDown = [] { return false; };
        services.ok = [this] { ++oks; };
        services.cancel = [this] { ++cancels; };
        m_bar = std::make_unique<MovementBarDlg>(m_owner.get(), services);
        m_bar->PlaceAbove(QRect(100, 100, 200, 20));
        m_bar->show();
    }

    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<MovementBarDlg> m_bar;
    QPoint cursor{0, 0};
    std::vector<int> alphas;
    int oks = 0;
    int cancels = 0;
};

TEST_F(MovementBarDlgTest, LiesTwelvePixelsHighAboveTheTopRow)
{
    EXPECT_EQ(m_bar->geometry(), QRect(100, 88, 200, 12));
    EXPECT_EQ(m_owner->pos(), QPoint(100, 100));
}

TEST_F(MovementBarDlgTest, RisesToOneHundredFiftyUnderTheCursorAndFallsToZeroAway)
{
    cursor = m_bar->geometry().center();
    for (int tick = 0; tick < 8; ++tick)
        m_bar->FireTimer(MovementBarDlg::kFadeTimer);
    EXPECT_EQ(m_bar->GetAlpha(), 150);
    cursor = QPoint(0, 0);
    m_bar->FireTimer(MovementBarDlg::kFadeTimer);
    EXPECT_EQ(m_bar->GetAlpha(), 125);
    for (int tick = 0; tick < 8; ++tick)
        m_bar->FireTimer(MovementBarDlg::kFadeTimer);
    EXPECT_EQ(m_bar->GetAlpha(), 0);
    EXPECT_EQ(alphas.back(), 0);
}

TEST_F(MovementBarDlgTest, DraggingMovesTheBarAndThePopupBelowIt)
{
    cursor = QPoint(150, 94);
    QTest::mousePress(m_bar.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 6));
    EXPECT_TRUE(m_bar->IsDragging());
    cursor = QPoint(180, 134);
    QMouseEvent move(QEvent::MouseMove, QPointF(80, 46), QPointF(180, 134), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_bar.get(), &move);
    EXPECT_EQ(m_bar->pos(), QPoint(130, 128));
    EXPECT_EQ(m_owner->pos(), QPoint(130, 140));
    QMouseEvent up(QEvent::MouseMove, QPointF(80, 46), QPointF(180, 134), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_bar.get(), &up);
    EXPECT_FALSE(m_bar->IsDragging());
}

TEST_F(MovementBarDlgTest, EnterAndEscapeAnswerForThePopup)
{
    QTest::keyClick(m_bar.get(), Qt::Key_Return);
    QTest::keyClick(m_bar.get(), Qt::Key_Escape);
    EXPECT_EQ(oks, 1);
    EXPECT_EQ(cancels, 1);
}

} // namespace
