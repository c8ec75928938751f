#pragma once
// The windows of the panels that a module window's "Przenieś na" menu lists, as the application
// mediator names them, and the move to one of them. Main thread only.

#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace PanelWindows
{
// Empty without a mediator.
inline std::vector<QString> Names()
{
    std::vector<QString> names;
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->CollectPanelWindows(names);
    return names;
}

inline void MoveTo(const QString& name)
{
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->ActivateNamedWindowObject(name);
}

// The name a menu id stands for when the menu listed names from firstId on; empty outside the list.
inline QString NameForMenuId(std::uint32_t id, std::uint32_t firstId, const std::vector<QString>& names)
{
    if (id < firstId)
        return {};
    const std::size_t index = id - firstId;
    return index < names.size() ? names[index] : QString();
}
}
