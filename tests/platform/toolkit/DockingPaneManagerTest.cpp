#include "platform/settings/Settings.h"
#include "platform/toolkit/DockingPane.h"
#include "platform/toolkit/DockingPaneManager.h"
#include "platform/toolkit/DockingSplitter.h"
#include "platform/toolkit/DockingTabGroup.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace
{
constexpr int kWidth = 600;
constexpr int kHeight = 400;

// A shown manager with the sheet-like arrangement: two panes on the left (1 over 2), three
// on the right (3, 4, 5 from the top), a thin spacer (6) between the columns.
class DockingPaneManagerTest : public ::testing::Test
{
protected:
    DockingPaneManagerTest()
    {
        manager.resize(kWidth, kHeight);
        manager.show();
        Arrange(manager);
    }

    static void Arrange(DockingPaneManager& target)
    {
        using M = DockingPaneManager;
        target.SetCaptionsVisible(false);
        DockingPane* spacer = target.CreatePane(6, QStringLiteral("Odstęp"), QSize(10, kHeight), M::DockTopOf);
        DockingPane* top = target.CreatePane(3, QStringLiteral("Podaż"), QSize(128, 150), M::DockRightOf, spacer);
        DockingPane* middle = target.CreatePane(4, QStringLiteral("Wykres"), QSize(128, 92), M::DockBottomOf, top);
        target.CreatePane(5, QStringLiteral("Popyt"), QSize(128, 150), M::DockBottomOf, middle);
        DockingPane* left = target.CreatePane(1, QStringLiteral("Zlecenia"), QSize(454, 198), M::DockLeftOf, spacer);
        target.CreatePane(2, QStringLiteral("Druga tabela"), QSize(454, 198), M::DockBottomOf, left);
        for (DockingPane* pane : target.GetPanes())
        {
            auto* content = new QWidget();
            content->setObjectName(pane->GetTitle());
            pane->Attach(content);
        }
    }

    QRect Rect(int id) { return manager.GetPaneRect(id); }

    DockingSplitterHandle* HandleBelow(int id)
    {
        DockingPane* pane = manager.FindPane(id);
        auto* splitter = static_cast<QSplitter*>(pane->parentWidget());
        return static_cast<DockingSplitterHandle*>(splitter->handle(splitter->indexOf(pane) + 1));
    }

    void Drag(QWidget* handle, int dy)
    {
        const QPoint start(handle->width() / 2, handle->height() / 2);
        const auto send = [handle](QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(at), QPointF(handle->mapToGlobal(at)), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(handle, &event);
        };
        send(QEvent::MouseMove, start, Qt::NoButton);
        send(QEvent::MouseButtonPress, start, Qt::LeftButton);
        send(QEvent::MouseMove, start + QPoint(0, dy), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, start + QPoint(0, dy), Qt::NoButton);
    }

    QApplication& application = TestApplication::Ensure();
    DockingPaneManager manager;
};

// Kind, id, orientation and hidden flag of every place, in order: the arrangement without sizes.
QStringList Shape(const Settings& node)
{
    QStringList shape{node["Kind"].ToString() + node["Orientation"].ToString() + node["Id"].ToString()
                      + (node["Hidden"].ToBool() ? QStringLiteral("h") : QString())};
    ConstSettingsIterator children = node.IteratorUnnamed(1);
    while (children.Iterate())
        shape += Shape(children.Node());
    return shape;
}
}

TEST_F(DockingPaneManagerTest, PanesAreDockedBesideTheirNeighbours)
{
    EXPECT_EQ(manager.CreatePane(3, QStringLiteral("Drugi"), QSize(10, 10), DockingPaneManager::DockTopOf), nullptr);
    EXPECT_EQ(Rect(1).left(), 0);
    // The sizes asked for fit the window with the splitters, so they are given exactly.
    EXPECT_EQ(Rect(1).size(), QSize(454, 198));
    EXPECT_EQ(Rect(4).size(), QSize(128, 92));
    EXPECT_EQ(Rect(5).height(), 150);
    EXPECT_EQ(Rect(2).left(), 0);
    EXPECT_GT(Rect(2).top(), Rect(1).bottom());
    EXPECT_EQ(Rect(1).height() + Rect(2).height() + manager.GetSplitterWidth(), kHeight);
    EXPECT_GT(Rect(6).left(), Rect(1).right());
    EXPECT_GT(Rect(3).left(), Rect(6).right());
    EXPECT_EQ(Rect(3).width(), 128);
    EXPECT_EQ(Rect(4).left(), Rect(3).left());
    EXPECT_GT(Rect(4).top(), Rect(3).bottom());
    EXPECT_GT(Rect(5).top(), Rect(4).bottom());
    EXPECT_EQ(Rect(5).bottom(), kHeight - 1);
    EXPECT_EQ(manager.PaneAt(Rect(4).center()), 4);
    EXPECT_EQ(manager.FindPane(4)->GetContent()->objectName(), QStringLiteral("Wykres"));

    // A pane at a side of the whole area spans it.
    manager.CreatePane(7, QStringLiteral("Pasek"), QSize(kWidth, 40), DockingPaneManager::DockTopOf);
    EXPECT_EQ(Rect(7), QRect(0, 0, kWidth, 40));
    EXPECT_GT(Rect(1).top(), 40);
    manager.CreatePane(8, QStringLiteral("Boczny"), QSize(50, kHeight), DockingPaneManager::DockRightOf);
    EXPECT_EQ(Rect(8).right(), kWidth - 1);
    EXPECT_EQ(Rect(8).height(), kHeight);
}

TEST_F(DockingPaneManagerTest, PanesAreSizedWithinTheirTrackSizes)
{
    manager.SetPaneSize(1, QSize(300, 150));
    EXPECT_EQ(Rect(1).size(), QSize(300, 150));
    EXPECT_EQ(Rect(2).height(), kHeight - 150 - manager.GetSplitterWidth());

    DockingPane* chart = manager.FindPane(4);
    chart->SetMinTrackSize(QSize(0, 120));
    manager.SetPaneSize(4, QSize(128, 20));
    EXPECT_EQ(Rect(4).height(), 120);
    chart->SetMinTrackSize(QSize(0, 0));
    chart->SetMaxTrackSize(QSize(DockingPane::kMaxTrack, 0));
    manager.SetPaneSize(4, QSize(128, 200));
    EXPECT_EQ(Rect(4).height(), 0);
    EXPECT_EQ(chart->GetMaxTrackSize().height(), 0);
}

TEST_F(DockingPaneManagerTest, PanesShareAPlaceAsTabsAndAreHiddenAndShown)
{
    QSignalSpy visibility(&manager, &DockingPaneManager::PaneVisibilityChanged);
    ASSERT_TRUE(manager.AttachToTab(manager.FindPane(5), manager.FindPane(3)));
    EXPECT_FALSE(manager.AttachToTab(manager.FindPane(3), manager.FindPane(3)));
    DockingTabGroup* group = manager.TabGroupOf(manager.FindPane(3));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(manager.TabGroupOf(manager.FindPane(5)), group);
    EXPECT_EQ(group->tabText(1), QStringLiteral("Popyt"));
    EXPECT_FALSE(manager.FindPane(5)->IsCaptionVisible());
    manager.FindPane(5)->SetTitle(QStringLiteral("Kupno"));
    EXPECT_EQ(group->tabText(1), QStringLiteral("Kupno"));

    manager.ShowPane(5, false);
    EXPECT_TRUE(manager.IsPaneHidden(5));
    EXPECT_FALSE(group->isTabVisible(1));
    manager.ShowPane(3, false);
    EXPECT_TRUE(group->isHidden());
    EXPECT_TRUE(Rect(3).isEmpty());
    manager.ShowPane(5, true);
    EXPECT_FALSE(group->isHidden());
    EXPECT_EQ(group->currentIndex(), 1);
    EXPECT_EQ(visibility.count(), 3);

    // A pane alone again leaves the tabs; its caption's button hides it.
    ASSERT_TRUE(manager.AttachToTab(manager.FindPane(5), manager.FindPane(1)));
    EXPECT_EQ(manager.TabGroupOf(manager.FindPane(3)), nullptr);
    manager.SetCaptionsVisible(true);
    DockingPane* chart = manager.FindPane(4);
    EXPECT_TRUE(chart->IsCaptionVisible());
    chart->findChild<QToolButton*>()->click();
    EXPECT_TRUE(manager.IsPaneHidden(4));
    EXPECT_TRUE(chart->isHidden());
    manager.SetCaptionsVisible(false);
    EXPECT_FALSE(manager.FindPane(2)->IsCaptionVisible());

    // No splitter is left with fewer than two places.
    for (QSplitter* splitter : manager.findChildren<DockingSplitter*>())
    {
        if (splitter->parentWidget() != &manager)
        {
            EXPECT_GE(splitter->count(), 2);
        }
    }
}

TEST_F(DockingPaneManagerTest, RefusedSplittersIgnoreTheMouseAndOthersReportTheirDrags)
{
    std::vector<int> asked;
    manager.SetSplitterDragFilter([&asked](int paneId) {
        asked.push_back(paneId);
        return paneId != 1;
    });
    QSignalSpy started(&manager, &DockingPaneManager::SplitterDragStarted);
    QSignalSpy ended(&manager, &DockingPaneManager::SplitterDragEnded);
    const int leftTop = Rect(1).height();
    Drag(HandleBelow(1), 30);
    EXPECT_EQ(Rect(1).height(), leftTop);
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(HandleBelow(1)->cursor().shape(), Qt::ArrowCursor);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), 1);

    const int chartTop = Rect(3).height();
    Drag(HandleBelow(3), 30);
    EXPECT_EQ(Rect(3).height(), chartTop + 30);
    ASSERT_EQ(started.count(), 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(started.first().at(0).toInt(), 3);
    EXPECT_EQ(ended.first().at(0).toInt(), 3);
    EXPECT_EQ(HandleBelow(3)->cursor().shape(), Qt::SplitVCursor);

    manager.SetSplitterColor(QColor(100, 100, 100));
    const QImage handle = HandleBelow(3)->grab().toImage();
    EXPECT_EQ(handle.pixel(1, 1), QColor(100, 100, 100).rgb());
}

TEST_F(DockingPaneManagerTest, TheArrangementRoundTripsThroughASettingsFile)
{
    TempHome home;
    manager.AttachToTab(manager.FindPane(5), manager.FindPane(4));
    manager.ShowPane(2, false);
    manager.SetPaneSize(3, QSize(160, 90));
    QApplication::processEvents();
    Settings saved;
    manager.SaveState(saved["PanesLayout"]);
    const QString path = home.Path() + QStringLiteral("/panes.settings.xml");
    ASSERT_TRUE(saved.SaveToFile(path, QStringLiteral("Settings")));
    Settings read;
    ASSERT_TRUE(read.LoadFromFile(path, QStringLiteral("Settings")));

    // Where every place is: a pane alone, or the tab group that holds it.
    const auto places = [](const DockingPaneManager& target) {
        std::map<int, QRect> rects;
        for (DockingPane* pane : target.GetPanes())
        {
            const QWidget* place = target.TabGroupOf(pane) ? static_cast<QWidget*>(target.TabGroupOf(pane)) : pane;
            rects[pane->GetId()] = place->isVisible() ? QRect(place->mapTo(&target, QPoint()), place->size()) : QRect();
        }
        return rects;
    };
    const std::map<int, QRect> before = places(manager);

    DockingPaneManager other;
    other.resize(kWidth, kHeight);
    other.show();
    other.SetCaptionsVisible(false);
    for (int id = 1; id <= 6; ++id)
        other.CreatePane(id, QStringLiteral("Panel %1").arg(id), QSize(50, 50), DockingPaneManager::DockBottomOf);
    ASSERT_TRUE(other.LoadState(read["PanesLayout"]));
    QApplication::processEvents();
    Settings again;
    other.SaveState(again);
    EXPECT_EQ(Shape(again["Root"]), Shape(saved["PanesLayout"]["Root"]));
    EXPECT_TRUE(other.IsPaneHidden(2));
    ASSERT_NE(other.TabGroupOf(other.FindPane(5)), nullptr);
    EXPECT_EQ(other.TabGroupOf(other.FindPane(4)), other.TabGroupOf(other.FindPane(5)));
    EXPECT_EQ(places(other), before);
    EXPECT_EQ(other.GetPaneRect(3).height(), 90);
}

TEST_F(DockingPaneManagerTest, ANodeOfOtherPanesOrADamagedOneChangesNothing)
{
    Settings good;
    manager.SaveState(good);
    const auto layoutOf = [](const DockingPaneManager& target) {
        Settings node;
        target.SaveState(node);
        return Shape(node["Root"]);
    };
    const QStringList shape = layoutOf(manager);

    Settings empty;
    EXPECT_FALSE(manager.LoadState(empty));

    Settings withoutId = good;
    withoutId["Root"].AddUnnamed()["Kind"] = "Pane";
    EXPECT_FALSE(manager.LoadState(withoutId));
    Settings extra = good;
    Settings& added = extra["Root"].AddUnnamed();
    added["Kind"] = "Pane";
    added["Id"] = 99;
    EXPECT_FALSE(manager.LoadState(extra));

    Settings damaged = good;
    damaged["Root"]["Orientation"] = "X";
    EXPECT_FALSE(manager.LoadState(damaged));

    Settings fewer;
    fewer["Root"]["Kind"] = "Splitter";
    fewer["Root"]["Orientation"] = "H";
    Settings& only = fewer["Root"].AddUnnamed();
    only["Kind"] = "Pane";
    only["Id"] = 1;
    EXPECT_FALSE(manager.LoadState(fewer));

    EXPECT_EQ(layoutOf(manager), shape);
    EXPECT_TRUE(manager.LoadState(good));
    EXPECT_EQ(layoutOf(manager), shape);
}
