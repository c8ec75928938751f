#pragma once
// The base of the sixteen contextual tabs of the drawing tools: offered while a formation of one
// of its kinds is the active object of the active chart, captioned with that kind's name, with
// the id of its "Ustawienia" group, where the parameter targets find their edits.

#include "platform/modules/FormationParam.h"
#include "ribbon/QuorvantaTab.h"

#include <functional>
#include <vector>

class ChartConsumer;

class FormationTab : public QuorvantaTab
{
public:
    using GroupsBuilder = std::function<bool(FormationTab& tab)>;

    FormationTab(RibbonTabsCreator& creator, ChartConsumer* charts, FormationType type, GroupsBuilder builder);

    // 0 and a kind already in the list are not appended.
    void AddType(FormationType type);
    const std::vector<FormationType>& Types() const { return m_types; }
    std::uint32_t GetSettingsGroupId() const { return m_settingsGroupId; }
    void SetSettingsGroupId(std::uint32_t id) { m_settingsGroupId = id; }

    bool IsAvailable() override;
    bool Prepare() override;

protected:
    bool CreateGroups() override;

private:
    ChartConsumer* m_charts;
    std::vector<FormationType> m_types;
    std::uint32_t m_settingsGroupId = 0;
    GroupsBuilder m_builder;
};
