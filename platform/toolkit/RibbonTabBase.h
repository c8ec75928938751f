#pragma once
// A tab of the ribbon: caption, tooltip and key tip, its groups, whether it shows, and for a
// contextual tab the colour and caption of the header above it. Consecutive shown tabs of the
// same colour and caption share one header. OnBeforeShow runs each time the tab is selected,
// before its groups are shown, so a tab can build its content late.

#include "platform/toolkit/RibbonDefs.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class RibbonBarBase;
class RibbonControl;
class RibbonGroupBase;

class RibbonTabBase
{
public:
    RibbonTabBase();
    virtual ~RibbonTabBase();

    RibbonTabBase(const RibbonTabBase&) = delete;
    RibbonTabBase& operator=(const RibbonTabBase&) = delete;

    std::uint32_t GetID() const { return m_id; }
    void SetID(std::uint32_t id) { m_id = id; }
    const QString& GetCaption() const { return m_caption; }
    void SetCaption(const QString& caption);
    const QString& GetTooltip() const { return m_tooltip; }
    void SetTooltip(const QString& tooltip) { m_tooltip = tooltip; }
    const QString& GetKeyboardTip() const { return m_keyboardTip; }
    void SetKeyboardTip(const QString& tip) { m_keyboardTip = tip; }

    int GetContextColor() const { return m_contextColor; }
    void SetContextColor(int color);
    const QString& GetContextCaption() const { return m_contextCaption; }
    void SetContextCaption(const QString& caption);
    bool IsContextTab() const { return m_contextColor != RibbonContextColorNone; }

    bool IsVisible() const { return m_visible; }
    // Hiding the selected tab moves the ribbon's selection to another shown tab.
    void SetVisible(bool visible);
    bool IsSelected() const;

    RibbonGroupBase* AddGroup(const QString& caption, std::uint32_t id = 0);
    // Adds a group made by the caller at the end; null when there is no group.
    RibbonGroupBase* AddGroup(std::unique_ptr<RibbonGroupBase> group);
    const std::vector<std::unique_ptr<RibbonGroupBase>>& GetGroups() const { return m_groups; }
    RibbonGroupBase* FindGroup(std::uint32_t id) const;
    RibbonControl* FindControl(std::uint32_t id) const;

    RibbonBarBase* GetRibbon() const { return m_ribbon; }
    void AttachRibbon(RibbonBarBase* ribbon);

    virtual void OnBeforeShow();

private:
    void Changed();

    std::uint32_t m_id = 0;
    QString m_caption;
    QString m_tooltip;
    QString m_keyboardTip;
    int m_contextColor = RibbonContextColorNone;
    QString m_contextCaption;
    bool m_visible = true;
    std::vector<std::unique_ptr<RibbonGroupBase>> m_groups;
    RibbonBarBase* m_ribbon = nullptr;
};
