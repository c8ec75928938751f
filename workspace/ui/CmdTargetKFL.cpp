#include "workspace/ui/CmdTargetKFL.h"

#include "platform/base/TextHelper.h"
#include "platform/modules/KFLFasade.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"

#include <utility>

CmdTargetKFL::CmdTargetKFL(std::function<KFLFasade*()> formulaLanguage, std::function<RibbonBarBase*()> ribbon)
    : m_formulaLanguage(std::move(formulaLanguage))
    , m_ribbon(std::move(ribbon))
{
    const auto explorer = [this]() -> KFLExplorer* {
        KFLFasade* language = m_formulaLanguage ? m_formulaLanguage() : nullptr;
        return language ? language->GetExplorer() : nullptr;
    };
    const auto editor = [this]() -> KFLEditor* {
        KFLFasade* language = m_formulaLanguage ? m_formulaLanguage() : nullptr;
        return language ? language->GetEditor() : nullptr;
    };

    const std::pair<std::uint32_t, bool (KFLExplorer::*)()> explorerCommands[] = {
        {ID_CREATE_FORMULA, &KFLExplorer::CreateFormula},
        {ID_ADD_FOLDER, &KFLExplorer::AddFolder},
        {ID_DELETE_FOLDER, &KFLExplorer::DeleteFolder},
        {ID_DELETE_FORMULA, &KFLExplorer::DeleteFormula},
    };
    for (const auto& [id, operation] : explorerCommands)
        OnCommand(id, [explorer, operation = operation] {
            if (KFLExplorer* tree = explorer())
                (tree->*operation)();
        });
    OnCommand(ID_SAVE_FORMULA, [editor] {
        if (KFLEditor* open = editor())
            open->SaveFormula();
    });

    OnUpdate(ID_CREATE_FORMULA, [explorer](CmdUI& cmdUI) {
        const KFLExplorer* tree = explorer();
        cmdUI.Enable(tree && (tree->IsFormulaSelected() || tree->IsFolderSelected()));
    });
    for (const std::uint32_t id : {ID_ADD_FOLDER, ID_DELETE_FOLDER})
        OnUpdate(id, [explorer](CmdUI& cmdUI) {
            const KFLExplorer* tree = explorer();
            cmdUI.Enable(tree && tree->IsFolderSelected());
        });
    OnUpdate(ID_DELETE_FORMULA, [explorer](CmdUI& cmdUI) {
        const KFLExplorer* tree = explorer();
        cmdUI.Enable(tree && tree->IsFormulaSelected());
    });
    OnUpdate(ID_SAVE_FORMULA, [editor](CmdUI& cmdUI) {
        const KFLEditor* open = editor();
        cmdUI.Enable(open && open->IsFormulaOpen());
    });

    // The names are changed in the library's own windows: what is typed here goes nowhere.
    OnNotify(ID_FOLDER_NAME, NotifyCodes::Execute, [](NotifyInfo&) {});
    OnNotify(ID_FORMULA_NAME, NotifyCodes::Execute, [](NotifyInfo&) {});
    OnNotify(ID_INITIAL_VALUE, NotifyCodes::Execute, [this](NotifyInfo&) { OnInitialValueEntered(); });

    OnUpdate(ID_FOLDER_NAME, [this, explorer](CmdUI& cmdUI) {
        const KFLExplorer* tree = explorer();
        RefreshEditBox(cmdUI, tree && tree->IsFolderSelected(), [tree] {
            QString name;
            tree->GetFolderName(name);
            return name;
        });
    });
    OnUpdate(ID_FORMULA_NAME, [this, editor](CmdUI& cmdUI) {
        const KFLEditor* open = editor();
        RefreshEditBox(cmdUI, open && open->IsFormulaOpen(), [open] { return open->GetFormulaName(); });
    });
    OnUpdate(ID_INITIAL_VALUE, [this, editor](CmdUI& cmdUI) {
        const KFLEditor* open = editor();
        RefreshEditBox(cmdUI, open && open->IsFormulaOpen(), [open] {
            return TextHelper::ToString(open->GetInitialValue(), kInitialValueDecimals, true);
        });
    });
}

RibbonEditControl* CmdTargetKFL::FindEditBox(std::uint32_t id) const
{
    const RibbonBarBase* ribbon = m_ribbon ? m_ribbon() : nullptr;
    for (int index = 0; ribbon && index < ribbon->GetTabCount(); ++index)
        if (const RibbonGroupBase* group = ribbon->GetTab(index)->FindGroup(ID_GROUP_FOLDER))
            return qobject_cast<RibbonEditControl*>(group->FindControl(id));
    return nullptr;
}

void CmdTargetKFL::RefreshEditBox(CmdUI& cmdUI, bool enabled, const std::function<QString()>& text) const
{
    RibbonEditControl* box = FindEditBox(cmdUI.Id());
    if (box == nullptr)
        return;
    cmdUI.Enable(enabled);
    // A disabled box keeps its last text.
    if (!enabled || box->HasFocus())
        return;
    const QString wanted = text();
    if (box->GetEditText() != wanted)
        box->SetEditText(wanted);
}

void CmdTargetKFL::OnInitialValueEntered()
{
    const RibbonEditControl* box = FindEditBox(ID_INITIAL_VALUE);
    KFLFasade* language = m_formulaLanguage ? m_formulaLanguage() : nullptr;
    KFLEditor* editor = language ? language->GetEditor() : nullptr;
    if (box == nullptr || editor == nullptr)
        return;
    bool ok = false;
    const double value = TextHelper::ToDouble(box->GetEditText(), &ok);
    // Text that is no number keeps the value; the next refresh shows it again.
    if (ok)
        editor->SetInitialValue(value);
}
