// Keeping and bringing back the arrangement of a DockingPaneManager. A place is a node with
// "Kind" ("Splitter", "Tabs" or "Pane") and "Size" (its extent along the splitter it is in); a
// splitter adds "Orientation" ("H" or "V") and its places as unnamed children in order, a tab
// group its current tab ("Current") and its panes, a pane its "Id" and "Hidden".

#include "platform/toolkit/DockingPaneManager.h"

#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/DockingPane.h"
#include "platform/toolkit/DockingSplitter.h"
#include "platform/toolkit/DockingTabGroup.h"

#include <algorithm>

namespace
{
const QString kRoot = QStringLiteral("Root");
const QString kKind = QStringLiteral("Kind");
const QString kSize = QStringLiteral("Size");
const QString kSplitter = QStringLiteral("Splitter");
const QString kTabs = QStringLiteral("Tabs");
const QString kPane = QStringLiteral("Pane");
// Deeper trees than this are not made by SaveState; such a node is damaged.
constexpr int kMaxDepth = 32;

QSize WithExtent(QSize size, Qt::Orientation orientation, int extent)
{
    (orientation == Qt::Horizontal ? size.rwidth() : size.rheight()) = extent;
    return size;
}
}

struct DockingPaneManager::PlaceState
{
    QString kind;
    int size = 0;
    Qt::Orientation orientation = Qt::Horizontal;
    int current = 0;
    int id = -1;
    bool hidden = false;
    std::vector<PlaceState> places;
};

void DockingPaneManager::SaveState(Settings& node) const
{
    Settings& root = node[kRoot];
    root.Clear();
    SavePlace(m_root, root, 0);
}

bool DockingPaneManager::LoadState(const Settings& node)
{
    if (!node.Exists(kRoot))
        return false;
    PlaceState root;
    std::vector<int> ids;
    if (!ReadPlace(node[kRoot], root, 0, ids) || root.kind != kSplitter)
    {
        Log::WriteWarning(QStringLiteral("Układ paneli jest uszkodzony."), QStringLiteral("Quorvanta 4"),
                          QStringLiteral("DockingPaneManager::LoadState"), __LINE__);
        return false;
    }
    std::vector<int> own;
    for (DockingPane* pane : m_panes)
        own.push_back(pane->GetId());
    std::sort(ids.begin(), ids.end());
    std::sort(own.begin(), own.end());
    if (ids != own)
    {
        Log::WriteWarning(QStringLiteral("Układ paneli opisuje inne panele, niż ma okno."), QStringLiteral("Quorvanta 4"),
                          QStringLiteral("DockingPaneManager::LoadState"), __LINE__);
        return false;
    }

    for (DockingPane* pane : m_panes)
        TakeOut(pane);
    while (m_root->count() > 0)
        delete m_root->widget(0);
    m_hidden.clear();
    m_root->setOrientation(root.orientation);
    for (const PlaceState& place : root.places)
    {
        QWidget* built = BuildPlace(place);
        SetHint(built, WithExtent(HintOf(built), root.orientation, place.size));
        m_root->addWidget(built);
    }
    ApplyHints(*m_root);
    for (DockingPane* pane : m_panes)
        ApplyPaneState(pane);
    ApplySplitterLook(m_root);
    return true;
}

void DockingPaneManager::SavePlace(QWidget* place, Settings& node, int extent) const
{
    node[kSize] = extent;
    if (auto* splitter = qobject_cast<DockingSplitter*>(place))
    {
        node[kKind] = kSplitter;
        node["Orientation"] = splitter->orientation() == Qt::Horizontal ? "H" : "V";
        const QList<int> sizes = splitter->sizes();
        for (int index = 0; index < splitter->count(); ++index)
        {
            // A hidden place is kept with the size it will ask for when shown.
            QWidget* place = splitter->widget(index);
            const int size = place->isHidden() ? Along(HintOf(place), splitter->orientation()) : sizes.value(index);
            SavePlace(place, node.AddUnnamed(), size);
        }
        return;
    }
    if (auto* group = qobject_cast<DockingTabGroup*>(place))
    {
        node[kKind] = kTabs;
        node["Current"] = group->currentIndex();
        for (DockingPane* pane : group->Panes())
            SavePlace(pane, node.AddUnnamed(), 0);
        return;
    }
    const auto* pane = static_cast<const DockingPane*>(place);
    node[kKind] = kPane;
    node["Id"] = pane->GetId();
    node["Hidden"] = IsPaneHidden(pane->GetId());
}

bool DockingPaneManager::ReadPlace(const Settings& node, PlaceState& state, int depth, std::vector<int>& ids) const
{
    if (depth > kMaxDepth || !node.IsValid())
        return false;
    state.kind = node[kKind].ToString();
    state.size = std::max(0, node[kSize].ToInt());
    if (state.kind == kPane)
    {
        if (!node.Exists(QStringLiteral("Id")))
            return false;
        state.id = node["Id"].ToInt();
        state.hidden = node["Hidden"].ToBool();
        ids.push_back(state.id);
        return true;
    }
    if (state.kind != kSplitter && state.kind != kTabs)
        return false;
    const QString orientation = node["Orientation"].ToString();
    if (state.kind == kSplitter && orientation != QLatin1String("H") && orientation != QLatin1String("V"))
        return false;
    state.orientation = orientation == QLatin1String("V") ? Qt::Vertical : Qt::Horizontal;
    state.current = node["Current"].ToInt();
    ConstSettingsIterator children = node.IteratorUnnamed(1);
    while (children.Iterate())
    {
        PlaceState child;
        if (!ReadPlace(children.Node(), child, depth + 1, ids))
            return false;
        if (state.kind == kTabs && child.kind != kPane)
            return false;
        state.places.push_back(std::move(child));
    }
    return !state.places.empty();
}

QWidget* DockingPaneManager::BuildPlace(const PlaceState& state)
{
    if (state.kind == kPane)
    {
        DockingPane* pane = FindPane(state.id);
        if (state.hidden)
            m_hidden.push_back(state.id);
        return pane;
    }
    if (state.kind == kTabs)
    {
        auto* group = new DockingTabGroup();
        for (const PlaceState& place : state.places)
            group->AddPane(static_cast<DockingPane*>(BuildPlace(place)));
        group->setCurrentIndex(std::clamp(state.current, 0, group->count() - 1));
        return group;
    }
    auto* splitter = new DockingSplitter(state.orientation, *this);
    for (const PlaceState& place : state.places)
    {
        QWidget* built = BuildPlace(place);
        SetHint(built, WithExtent(HintOf(built), state.orientation, place.size));
        splitter->addWidget(built);
    }
    ApplyHints(*splitter);
    return splitter;
}
