#include "workspace/ui/SingleWorkspaceEx.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/ui/Document.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StringTable.h"
#include "workspace/engine/TabMoveRules.h"
#include "workspace/engine/UniqueTabCaption.h"
#include "workspace/engine/WindowNameValidator.h"
#include "workspace/ui/ITabClientOwner.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"
#include "workspace/ui/WorkspaceMenus.h"

#include <QMouseEvent>

using namespace WorkspaceIds;

namespace
{
// The tab menu's popups: up and down moves for tabs stacked at the left or right.
constexpr int kTopBottomPopup = 0;
constexpr int kLeftRightPopup = 1;

bool VerticalTabs(int position)
{
    return position == 1 || position == 3;
}

// Both popups hold the same first entries: each is looked up in the popup shown.
void EnableIn(const QMenu& popup, std::uint32_t id, bool enable)
{
    const QList<QAction*> actions = popup.actions();
    for (QAction* action : actions)
    {
        if (Menu::CommandId(action) == id)
            action->setEnabled(enable);
    }
}
}

SingleWorkspaceEx::TabNameTextReciever::TabNameTextReciever(SingleWorkspaceEx& workspace)
    : m_workspace(workspace)
{
}

void SingleWorkspaceEx::TabNameTextReciever::Remember(PanelFrame* panel)
{
    m_item = panel;
}

PanelFrame* SingleWorkspaceEx::TabNameTextReciever::GetItem() const
{
    return m_item.data();
}

void SingleWorkspaceEx::TabNameTextReciever::ReceiveText(const QString& text, bool accepted)
{
    if (!accepted || m_item.isNull())
        return;
    Document* document = m_item->GetActiveDocument();
    if (document == nullptr)
        return;
    document->SetTitle(m_workspace.MakeUniqueTabCaption(UniqueTabCaption::TrimTrailingBlanks(text), m_item.data()));
}

bool SingleWorkspaceEx::TabNameTextReciever::ValidateText(const QString& text)
{
    const WindowNameValidator::ParameterStatus status =
        WindowNameValidator::IsAppropriateWindowText(UniqueTabCaption::TrimTrailingBlanks(text));
    if (status.id != 1)
        return true;
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->ShowError(QString(), status.text);
    else
        Log::WriteWarning(status.text, QString::fromUtf8(AppPaths::kProductName),
                          QStringLiteral("SingleWorkspaceEx::TabNameTextReciever::ValidateText"), __LINE__);
    return false;
}

SingleWorkspaceEx::SingleWorkspaceEx(TabClientWnd& client)
    : QTabBar(&client)
    , m_client(client)
    , m_tabNameReceiver(*this)
{
    setFocusPolicy(Qt::NoFocus);
    setExpanding(false);
    setDocumentMode(true);
    setUsesScrollButtons(true);
    m_noteCtrl.setParent(this);
}

QString SingleWorkspaceEx::NewWindowTabToolTip() const
{
    return StringTable::Instance().Description(m_client.GetNewWindowCommand());
}

int SingleWorkspaceEx::HitTestScreenTab(const QPoint& point) const
{
    if (m_client.IsStyleEditLocked() || count() == 0)
        return -1;
    const int index = tabAt(point);
    if (index < 0 || m_client.IsNewWindowTab(index))
        return -1;
    return index;
}

bool SingleWorkspaceEx::StartRename(int index)
{
    PanelFrame* panel = m_client.GetItemWindow(index);
    if (panel == nullptr)
        return false;
    m_tabNameReceiver.Remember(panel);
    const QRect rect = tabRect(index);
    return ShowNote(rect.topLeft(), tabText(index), rect);
}

bool SingleWorkspaceEx::ShowNote(const QPoint& point, const QString& caption, const QRect& itemRect)
{
    if (m_noteCtrl.ShowNote(point, caption, itemRect, true, &m_tabNameReceiver, this))
        return true;
    Log::WriteError(QStringLiteral("Nie utworzono kontrolki notatki"), QString::fromUtf8(AppPaths::kProductName),
                    QStringLiteral("SingleWorkspaceEx::ShowNote"), __LINE__);
    return false;
}

QString SingleWorkspaceEx::MakeUniqueTabCaption(const QString& wanted, const PanelFrame* edited) const
{
    QStringList others;
    for (PanelFrame* panel : m_client.GetPanels())
    {
        if (panel != edited && panel->GetActiveDocument())
            others.append(panel->GetActiveDocument()->GetTitle());
    }
    return UniqueTabCaption::Make(others, wanted);
}

void SingleWorkspaceEx::ShowTabMenu(int index, const QPoint& globalPos)
{
    const Menu menu(WorkspaceMenus::TabMenu());
    QMenu* popup = menu.GetSubMenu(VerticalTabs(m_client.GetTabPosition()) ? kTopBottomPopup : kLeftRightPopup);
    if (popup == nullptr)
        return;
    const ITabClientOwner* owner = m_client.GetOwner();
    const bool hasNewTab = m_client.HasNewWindowTab();
    const std::optional<int> hit = index >= 0 ? std::optional<int>(index) : std::nullopt;
    EnableIn(*popup, ID_NEW_SCREEN, m_client.CanAddScreen());
    EnableIn(*popup, ID_SCREEN_CLOSE, owner == nullptr || owner->GetScreensLimit() > 1);
    for (const std::uint32_t id : {ID_SCREEN_MOVE_UP, ID_SCREEN_MOVE_LEFT})
        EnableIn(*popup, id, TabMoveRules::CanMoveTowardsStart(hit));
    for (const std::uint32_t id : {ID_SCREEN_MOVE_DOWN, ID_SCREEN_MOVE_RIGHT})
        EnableIn(*popup, id, TabMoveRules::CanMoveTowardsEnd(hit, count(), hasNewTab));
    RunTabMenuCommand(Menu::TrackPopupMenu(*popup, globalPos), index);
}

void SingleWorkspaceEx::RunTabMenuCommand(std::uint32_t id, int index)
{
    ITabClientOwner* owner = m_client.GetOwner();
    switch (id)
    {
    case ID_NEW_SCREEN:
        if (owner && m_client.CanAddScreen())
            owner->PostFrameCommand(ID_NEW_SCREEN);
        break;
    case ID_SCREEN_CLOSE:
        if (PanelFrame* panel = m_client.GetItemWindow(index))
            panel->close();
        break;
    case ID_SCREEN_RENAME:
        StartRename(index);
        break;
    case ID_SCREEN_MOVE_UP:
    case ID_SCREEN_MOVE_LEFT:
        if (index > 0)
            m_client.Move(index, index - 1);
        break;
    case ID_SCREEN_MOVE_DOWN:
    case ID_SCREEN_MOVE_RIGHT:
        if (const std::optional<int> limit = TabMoveRules::TowardsEndLimit(count(), m_client.HasNewWindowTab());
            limit && index < *limit)
            m_client.Move(index, index + 1);
        break;
    default:
        break;
    }
}

void SingleWorkspaceEx::mousePressEvent(QMouseEvent* event)
{
    if (m_noteCtrl.IsShown())
        m_noteCtrl.HideNote();
    if (m_client.IsStyleEditLocked())
        return;
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_client.IsNewWindowTab(index))
    {
        if (ITabClientOwner* owner = m_client.GetOwner(); owner && m_client.CanAddScreen())
            owner->PostFrameCommand(m_client.GetNewWindowCommand());
        return;
    }
    QTabBar::mousePressEvent(event);
}

void SingleWorkspaceEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_client.IsStyleEditLocked())
        return;
    QTabBar::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const int index = HitTestScreenTab(event->position().toPoint()); index >= 0)
        StartRename(index);
}

void SingleWorkspaceEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_client.IsStyleEditLocked())
        return;
    if (event->button() != Qt::RightButton)
    {
        QTabBar::mouseReleaseEvent(event);
        return;
    }
    if (const int index = HitTestScreenTab(event->position().toPoint()); index >= 0)
        ShowTabMenu(index, event->globalPosition().toPoint());
}

void SingleWorkspaceEx::contextMenuEvent(QContextMenuEvent* event)
{
    // The tab menu opens on the button's release, only over a screen's tab.
    event->accept();
}
