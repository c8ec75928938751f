#pragma once
// The frame's command target of the formula editor's tab: folders and formulas of the user's
// formula library, saving the open formula, and the initial value of expressions that use the
// function THIS. The formula language does the work; this target keeps nothing. The tab's three
// edit boxes (group "Folder") show the language's current names and value. Main thread only.

#include "platform/ui/CmdTarget.h"

#include <cstdint>
#include <functional>

class CmdUI;
class KFLFasade;
class RibbonBarBase;
class RibbonEditControl;

class CmdTargetKFL : public CmdTarget
{
public:
    static constexpr std::uint32_t ID_CREATE_FORMULA = 33942;
    static constexpr std::uint32_t ID_ADD_FOLDER = 33939;
    static constexpr std::uint32_t ID_DELETE_FOLDER = 33938;
    static constexpr std::uint32_t ID_DELETE_FORMULA = 33941;
    static constexpr std::uint32_t ID_SAVE_FORMULA = 33943;
    static constexpr std::uint32_t ID_FOLDER_NAME = 33937;
    static constexpr std::uint32_t ID_FORMULA_NAME = 33940;
    static constexpr std::uint32_t ID_INITIAL_VALUE = 33944;
    // The ribbon group of the edit boxes.
    static constexpr std::uint32_t ID_GROUP_FOLDER = 1482;
    static constexpr int kInitialValueDecimals = 3;

    // Both give null while there is no formula language or no ribbon.
    CmdTargetKFL(std::function<KFLFasade*()> formulaLanguage, std::function<RibbonBarBase*()> ribbon);

private:
    RibbonEditControl* FindEditBox(std::uint32_t id) const;
    // Enables the box by the condition and, while the user is not typing in it, shows the text.
    void RefreshEditBox(CmdUI& cmdUI, bool enabled, const std::function<QString()>& text) const;
    void OnInitialValueEntered();

    const std::function<KFLFasade*()> m_formulaLanguage;
    const std::function<RibbonBarBase*()> m_ribbon;
};
