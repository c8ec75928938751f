#include "platform/toolkit/DockingPaneManager.h"

#include "platform/toolkit/DockingPane.h"
#include "platform/toolkit/DockingSplitter.h"
#include "platform/toolkit/DockingTabGroup.h"

#include <QResizeEvent>

#include <algorithm>
#include <numeric>

namespace
{
// The size a place asks for; a splitter shares its length out in the proportions its places
// ask for, so sizes given to panes that fit the window come out exactly.
const char* const kHintProperty = "dockingSizeHint";
constexpr int kDefaultExtent = 100;

Qt::Orientation OrientationOf(DockingPaneManager::DockDirection direction)
{
    return direction == DockingPaneManager::DockLeftOf || direction == DockingPaneManager::DockRightOf
               ? Qt::Horizontal
               : Qt::Vertical;
}

bool GoesBefore(DockingPaneManager::DockDirection direction)
{
    return direction == DockingPaneManager::DockLeftOf || direction == DockingPaneManager::DockTopOf;
}
}

DockingPaneManager::DockingPaneManager(QWidget* parent) : QWidget(parent)
{
    m_root = new DockingSplitter(Qt::Horizontal, *this);
    m_root->setParent(this);
}

DockingPaneManager::~DockingPaneManager() = default;

DockingPane* DockingPaneManager::CreatePane(int id, const QString& title, const QSize& size,
                                            DockDirection direction, DockingPane* neighbour)
{
    if (FindPane(id) || (neighbour && std::find(m_panes.begin(), m_panes.end(), neighbour) == m_panes.end()))
        return nullptr;
    const Qt::Orientation orientation = OrientationOf(direction);
    DockingSplitter* splitter = m_root;
    int index = 0;
    if (QWidget* target = neighbour ? PlaceOf(neighbour) : nullptr)
    {
        splitter = SplitterOf(target);
        index = splitter->indexOf(target);
        if (splitter->count() > 1 && splitter->orientation() != orientation)
        {
            // The neighbour's place is split the other way: it becomes a splitter of its own.
            auto* inner = new DockingSplitter(orientation, *this);
            SetHint(inner, HintOf(target));
            const QList<int> sizes = splitter->sizes();
            splitter->replaceWidget(index, inner);
            splitter->setSizes(sizes);
            inner->addWidget(target);
            splitter = inner;
            index = 0;
        }
        index += GoesBefore(direction) ? 0 : 1;
    }
    else
    {
        if (m_root->count() > 1 && m_root->orientation() != orientation)
            WrapRootContent(orientation);
        index = GoesBefore(direction) ? 0 : m_root->count();
    }
    splitter->setOrientation(orientation);

    auto* pane = new DockingPane(id, title);
    connect(pane, &DockingPane::CloseRequested, this, [this](DockingPane* closing) { ShowPane(closing->GetId(), false); });
    m_panes.push_back(pane);
    SetHint(pane, size.expandedTo(QSize(0, 0)));
    splitter->insertWidget(index, pane);
    ApplyPaneState(pane);
    TakeExcessFrom(*splitter, index + 1 < splitter->count() ? index + 1 : index - 1);
    ApplyHints(*splitter);
    return pane;
}

DockingPane* DockingPaneManager::FindPane(int id) const
{
    const auto found = std::find_if(m_panes.begin(), m_panes.end(), [id](DockingPane* pane) { return pane->GetId() == id; });
    return found == m_panes.end() ? nullptr : *found;
}

bool DockingPaneManager::AttachToTab(DockingPane* pane, DockingPane* target)
{
    const auto owned = [this](DockingPane* candidate) {
        return std::find(m_panes.begin(), m_panes.end(), candidate) != m_panes.end();
    };
    if (!pane || !target || pane == target || !owned(pane) || !owned(target))
        return false;
    TakeOut(pane);
    DockingTabGroup* group = TabGroupOf(target);
    if (!group)
    {
        group = new DockingTabGroup();
        DockingSplitter* splitter = SplitterOf(target);
        const QList<int> sizes = splitter->sizes();
        splitter->replaceWidget(splitter->indexOf(target), group);
        splitter->setSizes(sizes);
        group->AddPane(target);
        ApplyPaneState(target);
    }
    group->AddPane(pane);
    ApplyPaneState(pane);
    Tidy();
    return true;
}

DockingTabGroup* DockingPaneManager::TabGroupOf(const DockingPane* pane) const
{
    // A tab's page sits in the tab widget's stack.
    for (QWidget* parent = pane ? pane->parentWidget() : nullptr; parent; parent = parent->parentWidget())
    {
        if (auto* group = qobject_cast<DockingTabGroup*>(parent))
            return group;
        if (qobject_cast<DockingSplitter*>(parent))
            return nullptr;
    }
    return nullptr;
}

void DockingPaneManager::ShowPane(int id, bool show)
{
    DockingPane* pane = FindPane(id);
    if (!pane || IsPaneHidden(id) == !show)
        return;
    if (show)
        m_hidden.erase(std::remove(m_hidden.begin(), m_hidden.end(), id), m_hidden.end());
    else
        m_hidden.push_back(id);
    ApplyPaneState(pane);
    emit PaneVisibilityChanged(id, show);
}

bool DockingPaneManager::IsPaneHidden(int id) const
{
    return std::find(m_hidden.begin(), m_hidden.end(), id) != m_hidden.end();
}

QRect DockingPaneManager::GetPaneRect(int id) const
{
    DockingPane* pane = FindPane(id);
    if (!pane || IsPaneHidden(id))
        return {};
    return QRect(pane->mapTo(this, QPoint(0, 0)), pane->size());
}

void DockingPaneManager::SetPaneSize(int id, const QSize& size)
{
    DockingPane* pane = FindPane(id);
    if (!pane)
        return;
    QWidget* place = PlaceOf(pane);
    bool widthSet = false;
    bool heightSet = false;
    for (DockingSplitter* splitter = SplitterOf(place); splitter && !(widthSet && heightSet);
         place = splitter, splitter = SplitterOf(splitter))
    {
        const bool horizontal = splitter->orientation() == Qt::Horizontal;
        if ((horizontal && widthSet) || (!horizontal && heightSet) || splitter->count() < 2)
            continue;
        SetExtent(*splitter, place, horizontal ? size.width() : size.height());
        RememberSizes(*splitter);
        (horizontal ? widthSet : heightSet) = true;
    }
}

int DockingPaneManager::PaneAt(const QPoint& point) const
{
    for (DockingPane* pane : m_panes)
    {
        if (GetPaneRect(pane->GetId()).contains(point))
            return pane->GetId();
    }
    return -1;
}

void DockingPaneManager::SetCaptionsVisible(bool visible)
{
    m_captionsVisible = visible;
    for (DockingPane* pane : m_panes)
        ApplyPaneState(pane);
}

void DockingPaneManager::SetSplitterColor(const QColor& color)
{
    m_splitterColor = color;
    ApplySplitterLook(m_root);
}

void DockingPaneManager::SetSplitterWidth(int width)
{
    m_splitterWidth = std::max(0, width);
    ApplySplitterLook(m_root);
}

bool DockingPaneManager::CanDragSplitter(int paneId) const
{
    return paneId >= 0 && (!m_dragFilter || m_dragFilter(paneId));
}

void DockingPaneManager::NotifySplitterDrag(int paneId, bool started)
{
    if (started)
        emit SplitterDragStarted(paneId);
    else
        emit SplitterDragEnded(paneId);
}

std::vector<DockingPane*> DockingPaneManager::PanesIn(QWidget* place)
{
    if (auto* pane = qobject_cast<DockingPane*>(place))
        return {pane};
    if (auto* group = qobject_cast<DockingTabGroup*>(place))
        return group->Panes();
    std::vector<DockingPane*> panes;
    if (auto* splitter = qobject_cast<QSplitter*>(place))
    {
        for (int index = 0; index < splitter->count(); ++index)
        {
            const std::vector<DockingPane*> inner = PanesIn(splitter->widget(index));
            panes.insert(panes.end(), inner.begin(), inner.end());
        }
    }
    return panes;
}

void DockingPaneManager::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_root->setGeometry(rect());
}

QWidget* DockingPaneManager::PlaceOf(DockingPane* pane) const
{
    if (DockingTabGroup* group = TabGroupOf(pane))
        return group;
    return pane;
}

DockingSplitter* DockingPaneManager::SplitterOf(QWidget* place) const
{
    return place ? qobject_cast<DockingSplitter*>(place->parentWidget()) : nullptr;
}

void DockingPaneManager::WrapRootContent(Qt::Orientation orientation)
{
    // What the root holds moves one level down, so that the root can split the other way.
    auto* inner = new DockingSplitter(m_root->orientation(), *this);
    SetHint(inner, m_root->size());
    const QList<int> sizes = m_root->sizes();
    while (m_root->count() > 0)
        inner->addWidget(m_root->widget(0));
    inner->setSizes(sizes);
    m_root->addWidget(inner);
    m_root->setOrientation(orientation);
}

void DockingPaneManager::SetExtent(DockingSplitter& splitter, QWidget* place, int extent)
{
    const int index = splitter.indexOf(place);
    if (index < 0)
        return;
    extent = std::max(0, extent);
    RefreshUpwards(splitter);
    QList<int> sizes = splitter.sizes();
    if (std::accumulate(sizes.begin(), sizes.end(), 0) <= 0)
    {
        // Not laid out yet: the place asks for the extent.
        QSize hint = HintOf(place);
        (splitter.orientation() == Qt::Horizontal ? hint.rwidth() : hint.rheight()) = extent;
        SetHint(place, hint);
        ApplyHints(splitter);
        return;
    }
    if (splitter.count() < 2)
        return;
    // The neighbour after the place (before it when it is last) gives or takes the difference.
    const int neighbour = index + 1 < splitter.count() ? index + 1 : index - 1;
    sizes[neighbour] = std::max(0, sizes[neighbour] + sizes[index] - extent);
    sizes[index] = extent;
    splitter.setSizes(sizes);
}

int DockingPaneManager::Along(const QSize& size, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? size.width() : size.height();
}

QSize DockingPaneManager::HintOf(const QWidget* place)
{
    const QVariant hint = place->property(kHintProperty);
    if (hint.isValid())
        return hint.toSize();
    return place->size().isEmpty() ? QSize(kDefaultExtent, kDefaultExtent) : place->size();
}

void DockingPaneManager::SetHint(QWidget* place, const QSize& hint)
{
    place->setProperty(kHintProperty, hint);
}

void DockingPaneManager::RefreshUpwards(DockingSplitter& splitter)
{
    // A place just put in has no size until its splitters lay out again; they do so now.
    for (QSplitter* outer = &splitter; outer; outer = qobject_cast<QSplitter*>(outer->parentWidget()))
        outer->refresh();
}

void DockingPaneManager::TakeExcessFrom(DockingSplitter& splitter, int donor)
{
    const int available = Along(splitter.size(), splitter.orientation());
    if (donor < 0 || available <= 0)
        return;
    // What the places ask for beyond the splitter's length comes off the donor's request.
    int asked = -splitter.handleWidth();
    for (int index = 0; index < splitter.count(); ++index)
    {
        if (!splitter.widget(index)->isHidden())
            asked += Along(HintOf(splitter.widget(index)), splitter.orientation()) + splitter.handleWidth();
    }
    const int excess = asked - available;
    if (excess <= 0)
        return;
    QWidget* place = splitter.widget(donor);
    QSize hint = HintOf(place);
    int& along = splitter.orientation() == Qt::Horizontal ? hint.rwidth() : hint.rheight();
    along = std::max(0, along - excess);
    SetHint(place, hint);
}

void DockingPaneManager::ApplyHints(DockingSplitter& splitter)
{
    RefreshUpwards(splitter);
    QList<int> sizes;
    for (int index = 0; index < splitter.count(); ++index)
        sizes.append(Along(HintOf(splitter.widget(index)), splitter.orientation()));
    splitter.setSizes(sizes);
}

void DockingPaneManager::RememberSizes(DockingSplitter& splitter)
{
    const QList<int> sizes = splitter.sizes();
    for (int index = 0; index < splitter.count(); ++index)
    {
        QWidget* place = splitter.widget(index);
        // A hidden place keeps asking for what it had.
        if (place->isHidden() || sizes.value(index) <= 0)
            continue;
        QSize hint = HintOf(place);
        (splitter.orientation() == Qt::Horizontal ? hint.rwidth() : hint.rheight()) = sizes.value(index);
        SetHint(place, hint);
    }
}

void DockingPaneManager::TakeOut(DockingPane* pane)
{
    if (DockingTabGroup* group = TabGroupOf(pane))
        group->RemovePane(pane);
    else
        pane->setParent(nullptr);
}

void DockingPaneManager::Tidy()
{
    bool changed = true;
    while (changed)
    {
        changed = false;
        for (DockingTabGroup* group : m_root->findChildren<DockingTabGroup*>())
        {
            // A group of one pane gives its place back to the pane (groups of panes' own
            // content are not this manager's).
            DockingSplitter* splitter = SplitterOf(group);
            if (group->count() > 1 || !splitter || &splitter->Manager() != this)
                continue;
            const std::vector<DockingPane*> panes = group->Panes();
            if (!panes.empty())
            {
                group->RemovePane(panes.front());
                splitter->replaceWidget(splitter->indexOf(group), panes.front());
                ApplyPaneState(panes.front());
            }
            delete group;
            changed = true;
            break;
        }
        for (DockingSplitter* splitter : m_root->findChildren<DockingSplitter*>())
        {
            DockingSplitter* parent = SplitterOf(splitter);
            if (splitter->count() > 1 || !parent || &splitter->Manager() != this)
                continue;
            if (splitter->count() == 1)
            {
                const QList<int> sizes = parent->sizes();
                QWidget* only = splitter->widget(0);
                parent->replaceWidget(parent->indexOf(splitter), only);
                parent->setSizes(sizes);
            }
            delete splitter;
            changed = true;
            break;
        }
    }
}

void DockingPaneManager::ApplyPaneState(DockingPane* pane)
{
    const bool hidden = IsPaneHidden(pane->GetId());
    DockingTabGroup* group = TabGroupOf(pane);
    pane->SetCaptionVisible(m_captionsVisible && !group);
    if (group)
        group->ShowPane(pane, !hidden);
    else
        pane->setVisible(!hidden);
}

void DockingPaneManager::ApplySplitterLook(QWidget* place)
{
    if (auto* splitter = qobject_cast<DockingSplitter*>(place))
    {
        splitter->setHandleWidth(m_splitterWidth);
        for (int index = 0; index < splitter->count(); ++index)
        {
            splitter->handle(index)->update();
            ApplySplitterLook(splitter->widget(index));
        }
    }
}
