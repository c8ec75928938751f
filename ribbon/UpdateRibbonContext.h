#pragma once
// What the ribbon should show for the active window: the window's module (none: only the main
// tabs), the caption of its contextual tabs, or only a change of the selected tab to a level;
// and whether the level the user last chose is to be kept as it is.

#include "ribbon/ERibbonTabLevel.h"

#include <QString>

class IGenericModule;

class UpdateRibbonContext
{
public:
    explicit UpdateRibbonContext(IGenericModule* module = nullptr);
    // A request that only selects the module's first shown tab of the level.
    static UpdateRibbonContext JustChangeTabSelection(IGenericModule* module, ERibbonTabLevel level);

    IGenericModule* Module() const { return m_module; }
    void SetModule(IGenericModule* module) { m_module = module; }
    const QString& ContextText() const { return m_contextText; }
    void SetContextText(const QString& text) { m_contextText = text; }
    bool IsJustChangeTabSelectionRequest() const { return m_justChangeTabSelection; }
    ERibbonTabLevel LevelOfTabToSelect() const { return m_levelOfTabToSelect; }
    bool PreseveRibbonTabContext() const { return m_preserveTabContext; }
    void SetPreseveRibbonTabContext(bool preserve) { m_preserveTabContext = preserve; }

private:
    IGenericModule* m_module;
    QString m_contextText;
    bool m_justChangeTabSelection = false;
    ERibbonTabLevel m_levelOfTabToSelect = RibbonTabLevelNone;
    bool m_preserveTabContext = false;
};
