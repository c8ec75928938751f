#pragma once
// A group of a ribbon tab: a caption under a row of controls. Large controls take a column
// each; small ones stack three to a column; a control's begin-group flag starts a new column.

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class RibbonBarBase;
class RibbonControl;
class RibbonTabBase;

class RibbonGroupBase
{
public:
    RibbonGroupBase(std::uint32_t id, const QString& caption);
    virtual ~RibbonGroupBase();

    RibbonGroupBase(const RibbonGroupBase&) = delete;
    RibbonGroupBase& operator=(const RibbonGroupBase&) = delete;

    std::uint32_t GetID() const { return m_id; }
    const QString& GetCaption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible);

    // A control of the type (the right class for edits, combo boxes and galleries) at the end;
    // the caption is the given one or, when empty, the id's string entry.
    RibbonControl* Add(int type, std::uint32_t id, const QString& caption = QString());
    // Adds a control made by the caller under the id; null when there is no control.
    RibbonControl* Add(std::unique_ptr<RibbonControl> control, std::uint32_t id);

    const std::vector<std::unique_ptr<RibbonControl>>& GetControls() const { return m_controls; }
    int GetCount() const { return static_cast<int>(m_controls.size()); }
    // Searched through the controls' popups too; null when absent.
    RibbonControl* FindControl(std::uint32_t id) const;

    RibbonTabBase* GetParentTab() const { return m_tab; }
    RibbonBarBase* GetRibbon() const { return m_ribbon; }
    void AttachTab(RibbonTabBase* tab, RibbonBarBase* ribbon);

private:
    void Changed();

    std::uint32_t m_id;
    QString m_caption;
    bool m_visible = true;
    std::vector<std::unique_ptr<RibbonControl>> m_controls;
    RibbonTabBase* m_tab = nullptr;
    RibbonBarBase* m_ribbon = nullptr;
};
