#pragma once
// The tabs of a ribbon in their order and the selected one. Only a shown tab can be selected;
// hiding the selected tab selects the next shown tab (or the one before it), and showing a
// tab while none is selected selects it, so the ribbon never shows a hidden tab's groups.

#include "platform/toolkit/RibbonDefs.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class RibbonBarBase;
class RibbonTabBase;

class RibbonTabControl
{
public:
    explicit RibbonTabControl(RibbonBarBase& ribbon);
    virtual ~RibbonTabControl();

    RibbonTabControl(const RibbonTabControl&) = delete;
    RibbonTabControl& operator=(const RibbonTabControl&) = delete;

    std::uint32_t GetID() const { return RibbonIds::TabControl; }

    // Inserts the tab at the index (past the end: at the end) with the caption and id; null
    // when there is no tab.
    RibbonTabBase* InsertItem(int index, const QString& caption, std::uint32_t id, std::unique_ptr<RibbonTabBase> tab);
    int GetItemCount() const { return static_cast<int>(m_tabs.size()); }
    RibbonTabBase* GetItem(int index) const;
    int IndexOf(const RibbonTabBase* tab) const;
    RibbonTabBase* FindItem(std::uint32_t id) const;

    RibbonTabBase* GetSelectedItem() const { return m_selected; }
    // False, and the selection unchanged, for a hidden tab or one of another ribbon.
    bool SetSelectedItem(RibbonTabBase* tab);

    void OnItemVisibilityChanged(RibbonTabBase& tab);

protected:
    RibbonBarBase& GetRibbon() const { return m_ribbon; }

private:
    void Select(RibbonTabBase* tab);

    RibbonBarBase& m_ribbon;
    std::vector<std::unique_ptr<RibbonTabBase>> m_tabs;
    RibbonTabBase* m_selected = nullptr;
};
