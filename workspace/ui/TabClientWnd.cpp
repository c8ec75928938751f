#include "workspace/ui/TabClientWnd.h"

#include "workspace/ui/ITabClientOwner.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QBoxLayout>
#include <QStackedWidget>

#include <algorithm>

namespace
{
const QString kNewWindowTabText = QStringLiteral("+");

QObject* PanelOfData(const QVariant& data)
{
    return data.value<QObject*>();
}

// Keeps the flag set for the scope, as it was before afterwards.
class ScopedFlag
{
public:
    explicit ScopedFlag(bool& flag)
        : m_flag(flag)
        , m_previous(flag)
    {
        m_flag = true;
    }
    ~ScopedFlag() { m_flag = m_previous; }

private:
    bool& m_flag;
    bool m_previous;
};
}

TabClientWnd::TabClientWnd(QWidget* parent)
    : QWidget(parent)
    , m_workspace(new SingleWorkspaceEx(*this))
    , m_stack(new QStackedWidget(this))
    , m_layout(new QBoxLayout(QBoxLayout::TopToBottom, this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_workspace);
    m_layout->addWidget(m_stack, 1);
    connect(m_workspace, &QTabBar::currentChanged, this, &TabClientWnd::OnCurrentChanged);
    connect(m_workspace, &QTabBar::tabCloseRequested, this, [this](int index) {
        if (PanelFrame* panel = GetItemWindow(index))
            panel->close();
    });
}

TabClientWnd::~TabClientWnd()
{
    // The strip and the panels go with this client's widgets, the panels whose tabs went
    // already too: nothing may reach this client from their destruction.
    m_workspace->disconnect(this);
    for (PanelFrame* panel : m_stack->findChildren<PanelFrame*>(Qt::FindDirectChildrenOnly))
    {
        panel->DetachTabClient();
        panel->disconnect(this);
    }
}

QWidget* TabClientWnd::GetClientArea() const
{
    return m_stack;
}

void TabClientWnd::SetFlags(std::uint32_t flags)
{
    m_flags = flags;
    ApplyCloseButtons();
}

void TabClientWnd::ApplyCloseButtons()
{
    m_workspace->setTabsClosable((m_flags & WorkspaceIds::kNoCloseButtonFlag) == 0);
    if (m_newWindowTab && m_workspace->tabsClosable())
    {
        const int last = m_workspace->count() - 1;
        for (const QTabBar::ButtonPosition side : {QTabBar::LeftSide, QTabBar::RightSide})
        {
            if (QWidget* button = m_workspace->tabButton(last, side))
            {
                m_workspace->setTabButton(last, side, nullptr);
                button->deleteLater();
            }
        }
    }
}

void TabClientWnd::ShowNewWindowTab(bool show, std::uint32_t commandId)
{
    ScopedFlag changing(m_changingTabs);
    m_newWindowCommand = commandId;
    if (show == m_newWindowTab)
        return;
    m_newWindowTab = show;
    if (show)
    {
        const int index = m_workspace->addTab(kNewWindowTabText);
        m_workspace->setTabToolTip(index, m_workspace->NewWindowTabToolTip());
    }
    else
        m_workspace->removeTab(m_workspace->count() - 1);
    ApplyCloseButtons();
    ApplyNewWindowTabState();
}

void TabClientWnd::ApplyNewWindowTabState()
{
    if (m_newWindowTab)
        m_workspace->setTabEnabled(m_workspace->count() - 1, CanAddScreen());
}

void TabClientWnd::SetTabPosition(int position)
{
    static constexpr QTabBar::Shape kShapes[] = {QTabBar::RoundedNorth, QTabBar::RoundedWest, QTabBar::RoundedSouth,
                                                 QTabBar::RoundedEast};
    static constexpr QBoxLayout::Direction kDirections[] = {QBoxLayout::TopToBottom, QBoxLayout::LeftToRight,
                                                            QBoxLayout::BottomToTop, QBoxLayout::RightToLeft};
    m_tabPosition = position >= 0 && position <= 3 ? position : 0;
    m_workspace->setShape(kShapes[m_tabPosition]);
    m_layout->setDirection(kDirections[m_tabPosition]);
}

void TabClientWnd::ShowWorkspace(bool show)
{
    m_workspace->setVisible(show);
}

void TabClientWnd::EnableWorkspaces(bool enable)
{
    m_workspace->setEnabled(enable);
}

int TabClientWnd::ScreenCount() const
{
    return m_workspace->count() - (m_newWindowTab ? 1 : 0);
}

bool TabClientWnd::CanAddScreen() const
{
    return m_owner == nullptr || ScreenCount() < m_owner->GetScreensLimit();
}

bool TabClientWnd::AddItem(PanelFrame* panel)
{
    if (panel == nullptr || !IsTabActionAllowed())
        return false;
    {
        ScopedFlag changing(m_changingTabs);
        m_stack->addWidget(panel);
        const int index = m_workspace->insertTab(ScreenCount(), panel->windowTitle());
        m_workspace->setTabData(index, QVariant::fromValue<QObject*>(panel));
        ApplyCloseButtons();
        ApplyNewWindowTabState();
    }
    panel->AttachTabClient(this);
    connect(panel, &QWidget::windowTitleChanged, this, [this, panel] { OnPanelTitleChanged(panel); });
    connect(panel, &QObject::destroyed, this, [this](QObject* gone) { RemoveTabOf(gone); });
    return true;
}

void TabClientWnd::RemoveItem(PanelFrame* panel)
{
    if (m_owner)
        m_owner->OnBeforePanelDestroyed();
    RemoveTabOf(panel);
}

void TabClientWnd::RemoveTabOf(const QObject* panel)
{
    for (int index = 0; index < ScreenCount(); ++index)
    {
        if (PanelOfData(m_workspace->tabData(index)) != panel)
            continue;
        const bool wasSelected = m_workspace->currentIndex() == index;
        {
            ScopedFlag changing(m_changingTabs);
            m_workspace->removeTab(index);
            ApplyNewWindowTabState();
        }
        if (m_activePanel.data() == panel || m_activePanel.isNull())
            m_activePanel = nullptr;
        // The screen before the one that went takes its place, as the tabs show it.
        if (wasSelected && ScreenCount() > 0)
        {
            const int next = std::min(index, ScreenCount() - 1);
            if (m_workspace->currentIndex() == next)
                OnCurrentChanged(next);
            else
                m_workspace->setCurrentIndex(next);
        }
        return;
    }
}

bool TabClientWnd::ActivateItem(PanelFrame* panel)
{
    if (!IsTabActionAllowed())
        return false;
    for (int index = 0; index < ScreenCount(); ++index)
    {
        if (GetItemWindow(index) != panel)
            continue;
        if (m_workspace->currentIndex() == index && m_activePanel != panel)
            OnCurrentChanged(index);
        else
            m_workspace->setCurrentIndex(index);
        return true;
    }
    return false;
}

bool TabClientWnd::ActivateNext()
{
    const int count = ScreenCount();
    if (!IsTabActionAllowed() || count == 0)
        return false;
    const int current = m_workspace->currentIndex();
    return ActivateItem(GetItemWindow(current >= 0 && current + 1 < count ? current + 1 : 0));
}

int TabClientWnd::GetItemCount() const
{
    return m_workspace->count();
}

int TabClientWnd::HitTest(const QPoint& point) const
{
    return m_workspace->tabAt(point);
}

QRect TabClientWnd::GetItemRect(int index) const
{
    return m_workspace->tabRect(index);
}

QString TabClientWnd::GetItemCaption(int index) const
{
    return m_workspace->tabText(index);
}

PanelFrame* TabClientWnd::GetItemWindow(int index) const
{
    if (index < 0 || index >= ScreenCount())
        return nullptr;
    return qobject_cast<PanelFrame*>(PanelOfData(m_workspace->tabData(index)));
}

int TabClientWnd::GetSelectedItem() const
{
    return m_workspace->currentIndex();
}

bool TabClientWnd::IsNewWindowTab(int index) const
{
    return m_newWindowTab && index >= 0 && index == m_workspace->count() - 1;
}

bool TabClientWnd::Move(int from, int to)
{
    const int count = ScreenCount();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return false;
    ScopedFlag changing(m_changingTabs);
    m_workspace->moveTab(from, to);
    return true;
}

std::vector<PanelFrame*> TabClientWnd::GetPanels() const
{
    std::vector<PanelFrame*> panels;
    for (int index = 0; index < ScreenCount(); ++index)
    {
        if (PanelFrame* panel = GetItemWindow(index))
            panels.push_back(panel);
    }
    return panels;
}

PanelFrame* TabClientWnd::GetActivePanel() const
{
    return m_activePanel.data();
}

PanelView* TabClientWnd::FindPanelViewByName(const QString& name) const
{
    for (PanelFrame* panel : GetPanels())
    {
        if (PanelView* view = panel->GetPanelView(); view && view->windowTitle() == name)
            return view;
    }
    return nullptr;
}

std::vector<ModuleWndBase*> TabClientWnd::GetModuleWindows(bool shownScreensOnly) const
{
    std::vector<ModuleWndBase*> windows;
    for (PanelFrame* panel : GetPanels())
    {
        PanelView* view = panel->GetPanelView();
        if (view == nullptr || (shownScreensOnly && !panel->isVisible()))
            continue;
        const std::vector<ModuleWndBase*> own = view->GetModuleWindows();
        windows.insert(windows.end(), own.begin(), own.end());
    }
    return windows;
}

void TabClientWnd::UpdateFrameTitles()
{
    for (PanelFrame* panel : GetPanels())
        panel->UpdateFrameTitle();
}

QRect TabClientWnd::GetClientScreenRect() const
{
    return QRect(m_stack->mapToGlobal(QPoint(0, 0)), m_stack->size());
}

void TabClientWnd::OnCurrentChanged(int index)
{
    // Tabs added, moved or removed move the selection on their own; the screen is chosen after.
    if (m_changingTabs)
        return;
    if (IsNewWindowTab(index))
    {
        // The new-screen tab is never a screen: the selection goes back to the last screen.
        if (ScreenCount() > 0)
            m_workspace->setCurrentIndex(ScreenCount() - 1);
        return;
    }
    PanelFrame* activated = GetItemWindow(index);
    if (activated == m_activePanel.data())
        return;
    PanelFrame* deactivated = m_activePanel.data();
    m_activePanel = activated;
    if (activated)
        m_stack->setCurrentWidget(activated);
    emit itemActivated(activated, deactivated);
}

void TabClientWnd::OnPanelTitleChanged(PanelFrame* panel)
{
    for (int index = 0; index < ScreenCount(); ++index)
    {
        if (GetItemWindow(index) == panel)
            m_workspace->setTabText(index, panel->windowTitle());
    }
}
