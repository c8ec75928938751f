#include "platform/toolkit/TaskPanel.h"
#include "platform/toolkit/TaskPanelGroup.h"
#include "platform/toolkit/TaskPanelItem.h"
#include "platform/toolkit/TaskPanelView.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
// A panel of two groups, the first with two links, recording what it tells its owner.
class TaskPanelTest : public ::testing::Test
{
protected:
    TaskPanelTest()
    {
        QObject::connect(&panel, &TaskPanel::Notify,
                         [this](int code, TaskPanelItem* item) { notified.emplace_back(code, item); });
        general = panel.AddGroupEx(0);
        general->SetCaption(QStringLiteral("Ogólne"));
        first = general->AddLinkItem(0);
        first->SetCaption(QStringLiteral("Serwer"));
        second = general->AddLinkItem(1);
        second->SetCaption(QStringLiteral("Konto"));
        alerts = panel.AddGroupEx(1);
        alerts->SetCaption(QStringLiteral("Alerty lokalne"));
    }

    TaskPanel panel;
    TaskPanelGroup* general = nullptr;
    TaskPanelGroup* alerts = nullptr;
    TaskPanelItem* first = nullptr;
    TaskPanelItem* second = nullptr;
    std::vector<std::pair<int, TaskPanelItem*>> notified;
};

void Click(QWidget* widget, const QPoint& position)
{
    const QPointF local(position);
    const QPointF global(widget->mapToGlobal(position));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}
}

TEST_F(TaskPanelTest, UsersActionsAreNotifiedAndTheProgramsAreNot)
{
    using Notice = std::pair<int, TaskPanelItem*>;
    panel.SetFocusedItem(alerts);
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(panel.GetCurrentGroup(), alerts);

    panel.ClickItem(second);
    panel.FocusItem(first);
    panel.FocusItem(first);
    EXPECT_EQ(notified, (std::vector<Notice>{{TaskPanel::kNotifyClick, second}, {TaskPanel::kNotifyFocusedItemChanged, first}}));
    EXPECT_EQ(panel.GetFocusedItem(), first);
    EXPECT_EQ(panel.GetCurrentGroup(), general);
    EXPECT_EQ(first->GetItemGroup(), general);
    EXPECT_EQ(general->GetItemGroup(), general);
}

TEST_F(TaskPanelTest, GroupsAndLinksAreFoundAndRemoved)
{
    EXPECT_EQ(panel.GetGroupCount(), 2);
    EXPECT_EQ(panel.IndexOf(alerts), 1);
    EXPECT_EQ(panel.GetAt(2), nullptr);
    EXPECT_EQ(general->FindItem(1), second);
    EXPECT_EQ(general->FindItem(2), nullptr);
    EXPECT_EQ(general->GetItemAt(0), first);
    EXPECT_EQ(first->GetIconIndex(), -1);

    panel.SetFocusedItem(second);
    general->RemoveAllItems();
    EXPECT_EQ(general->GetItemCount(), 0);
    EXPECT_EQ(panel.GetFocusedItem(), nullptr) << "a removed link loses the focus";

    panel.SetFocusedItem(alerts);
    panel.RemoveAllGroups();
    EXPECT_EQ(panel.GetGroupCount(), 0);
    EXPECT_EQ(panel.GetFocusedItem(), nullptr);
}

TEST_F(TaskPanelTest, ViewShowsThePanelAndReportsWhatTheUserDid)
{
    TestApplication::Ensure();
    alerts->SetExpandable(false);
    TaskPanelView view(panel);
    view.resize(200, 300);
    view.show();

    ASSERT_EQ(view.topLevelItemCount(), 2);
    QTreeWidgetItem* generalRow = view.RowOf(general);
    EXPECT_EQ(generalRow->text(0), QStringLiteral("Ogólne"));
    EXPECT_EQ(generalRow->childCount(), 2);
    EXPECT_TRUE(generalRow->isExpanded());
    EXPECT_TRUE(generalRow->font(0).bold());
    EXPECT_EQ(TaskPanelView::ItemOf(view.RowOf(second)), second);

    // A click moves the focus there and is a click.
    using Notice = std::pair<int, TaskPanelItem*>;
    const QRect linkRect = view.visualItemRect(view.RowOf(second));
    Click(view.viewport(), linkRect.center());
    EXPECT_EQ(notified, (std::vector<Notice>{{TaskPanel::kNotifyFocusedItemChanged, second}, {TaskPanel::kNotifyClick, second}}));
    EXPECT_EQ(panel.GetFocusedItem(), second);

    // The keyboard moves the focus.
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&view, &up);
    ASSERT_EQ(notified.size(), 3u);
    EXPECT_EQ(notified[2], Notice(TaskPanel::kNotifyFocusedItemChanged, first));

    // The program's focus and captions show without notices.
    panel.SetFocusedItem(alerts);
    EXPECT_EQ(view.currentItem(), view.RowOf(alerts));
    general->SetCaption(QStringLiteral("Globalne"));
    EXPECT_EQ(generalRow->text(0), QStringLiteral("Globalne"));
    general->SetExpanded(false);
    EXPECT_FALSE(generalRow->isExpanded());
    EXPECT_EQ(notified.size(), 3u);

    general->AddLinkItem(2)->SetCaption(QStringLiteral("Nowy"));
    EXPECT_EQ(view.RowOf(general)->childCount(), 3);
}
