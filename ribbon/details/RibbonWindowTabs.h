#pragma once
// The base of the tab creators of the windows on one instrument (details, offers): one
// contextual tab under the green header, with the window's content group, which holds the
// "Powiąż" gallery of the quote tables the window can follow, and its display-options group.
// The tab builds its groups on its first preparation.

#include "ribbon/RibbonTabsCreator.h"

#include <QString>

#include <cstdint>
#include <memory>

class IGenericModule;
class QuorvantaTab;
class RibbonControl;
class RibbonGroupBase;
class TableConsumer;

class RibbonWindowTabs : public RibbonTabsCreator
{
public:
    struct TabInfo
    {
        std::uint32_t stringId;
        QString contextText;
    };

    // module: the library whose windows the tab follows; tables: the quote tables' consumer
    // that the "Powiąż" gallery asks.
    RibbonWindowTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, IGenericModule* module,
                     TableConsumer* tables, TabInfo info);

    // False without the module, or when the tab cannot be added.
    bool CreateTabs() override;
    virtual bool CreateMainTabGroups(QuorvantaTab& tab) = 0;

protected:
    virtual std::unique_ptr<QuorvantaTab> MakeTab() = 0;
    // Run at the end of the content group. It adds nothing in this edition, and the
    // display-options group after it must still be built, so it lets the build go on.
    virtual bool OnContentGroup(QuorvantaTab& tab) { return true; }

    // Shared steps of the builders; each null or false when the group or control cannot be made.
    RibbonGroupBase* AddGroup(QuorvantaTab& tab, std::uint32_t captionId, std::uint32_t icon);
    RibbonControl* AddControl(RibbonGroupBase* group, int type, std::uint32_t id, std::uint32_t icon16,
                              std::uint32_t icon32, bool newBlock = false);
    // The "Powiąż" popup with its gallery of tables, under the id.
    bool AddLinkGallery(RibbonGroupBase* group, std::uint32_t id);
    // The display-options group: one "Zmień" button that starts editing the window's style.
    bool AddStyleGroup(QuorvantaTab& tab, std::uint32_t captionId, std::uint32_t styleCommandId);

private:
    IGenericModule* m_module;
    TableConsumer* m_tables;
    TabInfo m_info;
};
