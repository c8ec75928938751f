#pragma once
// The base of every tab of the program's ribbon: its level and the creator that made it. A tab
// builds its groups and controls on its first preparation, and never again, even when that
// failed, so a half-built tab is not built twice. Preparation runs when the ribbon shows the
// tab and when the context update shows it for the active window.

#include "platform/toolkit/RibbonTabBase.h"
#include "ribbon/ERibbonTabLevel.h"

class RibbonTabsCreator;

class QuorvantaTab : public RibbonTabBase
{
public:
    QuorvantaTab(ERibbonTabLevel level, RibbonTabsCreator* creator);

    ERibbonTabLevel GetLevel() const { return m_level; }
    void SetLevel(ERibbonTabLevel level) { m_level = level; }
    RibbonTabsCreator* GetCreator() const { return m_creator; }
    bool AreGroupsCreated() const { return m_groupsCreated; }

    // Whether the tab applies to the active window now.
    virtual bool IsAvailable();
    // Builds the groups once; true when they are (or were) built.
    virtual bool Prepare();

    void OnBeforeShow() override;

protected:
    // Builds the tab's groups and controls; false on failure.
    virtual bool CreateGroups() = 0;

private:
    ERibbonTabLevel m_level;
    bool m_groupsCreated = false;
    bool m_groupsBuilt = false;
    RibbonTabsCreator* m_creator;
};
