#pragma once
// The windows of one orders-sheet instance, ordered by address. The collection owns them:
// it deletes what it removes and what it still holds when it goes. Main thread only.

#include "orderssheet/engine/IOrdersSheetWindow.h"

#include <set>

class OSDlgsCollection
{
public:
    OSDlgsCollection() = default;
    ~OSDlgsCollection();
    OSDlgsCollection(const OSDlgsCollection&) = delete;
    OSDlgsCollection& operator=(const OSDlgsCollection&) = delete;

    // False for a null window and for one already held.
    bool Insert(IOrdersSheetWindow* window);
    // Deletes the window; false when it was not held.
    bool Remove(IOrdersSheetWindow* window);
    // Gives the window up without deleting it; false when it was not held.
    bool Detach(IOrdersSheetWindow* window);
    bool Contains(IOrdersSheetWindow* window) const { return m_windows.contains(window); }
    bool IsEmpty() const { return m_windows.empty(); }
    const std::set<IOrdersSheetWindow*>& Windows() const { return m_windows; }

private:
    std::set<IOrdersSheetWindow*> m_windows;
};
