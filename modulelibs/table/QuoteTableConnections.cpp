#include "modulelibs/table/QuoteTableConnections.h"

#include "platform/modules/IInstrumentFollower.h"

#include <algorithm>

bool QuoteTableConnections::Connect(QWidget* window, const Asset& selected)
{
    if (!window || IsConnected(window))
        return false;
    Follow(selected);
    DropClosed();
    m_windows.emplace_back(window);
    if (!selected.IsEmpty())
        Tell(window, selected);
    return true;
}

bool QuoteTableConnections::Disconnect(const QWidget* window)
{
    const auto found = std::find(m_windows.begin(), m_windows.end(), window);
    if (!window || found == m_windows.end())
        return false;
    m_windows.erase(found);
    return true;
}

bool QuoteTableConnections::IsConnected(const QWidget* window) const
{
    return window && std::find(m_windows.begin(), m_windows.end(), window) != m_windows.end();
}

std::vector<QWidget*> QuoteTableConnections::Windows() const
{
    std::vector<QWidget*> windows;
    for (const QPointer<QWidget>& window : m_windows)
        if (window)
            windows.push_back(window);
    return windows;
}

void QuoteTableConnections::Follow(const Asset& selected)
{
    if (selected == m_told)
        return;
    m_told = selected;
    if (selected.IsEmpty())
        return;
    DropClosed();
    for (const QPointer<QWidget>& window : m_windows)
        Tell(window, selected);
}

void QuoteTableConnections::Tell(QWidget* window, const Asset& asset)
{
    if (auto* follower = dynamic_cast<IInstrumentFollower*>(window))
        follower->FollowInstrument(asset);
}

void QuoteTableConnections::DropClosed()
{
    m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(), [](const auto& window) { return !window; }),
                    m_windows.end());
}
