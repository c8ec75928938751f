#include "orderssheet/engine/OSDlgsCollection.h"

OSDlgsCollection::~OSDlgsCollection()
{
    for (IOrdersSheetWindow* window : m_windows)
        delete window;
    m_windows.clear();
}

bool OSDlgsCollection::Insert(IOrdersSheetWindow* window)
{
    return window && m_windows.insert(window).second;
}

bool OSDlgsCollection::Remove(IOrdersSheetWindow* window)
{
    if (!Detach(window))
        return false;
    delete window;
    return true;
}

bool OSDlgsCollection::Detach(IOrdersSheetWindow* window)
{
    return m_windows.erase(window) > 0;
}
