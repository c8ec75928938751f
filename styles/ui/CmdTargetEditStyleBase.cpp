#include "styles/ui/CmdTargetEditStyleBase.h"

#include "platform/modules/ModuleWndBase.h"
#include "platform/ui/NotifyCodes.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/IStyleEditHost.h"
#include "styles/ui/StyleEditModeHandler.h"

using namespace StyleEditCmdHelper;

CmdTargetEditStyleBase::CmdTargetEditStyleBase(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler)
    : m_editedStyle(std::move(style))
    , m_handler(handler)
{
    CmdTargetEditStyleBase::OnStyleCopied();
}

void CmdTargetEditStyleBase::OnStyleCopied()
{
    if (m_editedStyle == nullptr)
        return;
    m_relatedStyles.clear();
    m_workingCopy = m_editedStyle->Copy();
    if (m_workingCopy)
    {
        m_workingCopy->CopyAllRelatedStylesToMap(m_relatedStyles, true);
        m_workingCopy->CopyRelatedStyleSettingsToOwn();
    }
    StylesContainer::Instance().CreateUndoPoint(m_editedStyle, m_undoPoint);
    m_editedStyle->InvalidatePreview();
}

void CmdTargetEditStyleBase::AddCommands(std::span<const Command> commands)
{
    for (const Command& command : commands)
        AddCommand(command);
}

void CmdTargetEditStyleBase::AddChangeCommands(std::uint32_t discardId, std::uint32_t saveId, bool redrawActiveWindow)
{
    OnCommand(discardId, [this, redrawActiveWindow] { Discard(redrawActiveWindow); });
    OnCommand(saveId, [this] { Save(); });
    OnUpdate(discardId, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    OnUpdate(saveId, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
}

void CmdTargetEditStyleBase::Discard(bool redrawActiveWindow)
{
    StylesContainer::Instance().RestoreFromUndoPoint(m_undoPoint, m_editedStyle);
    if (redrawActiveWindow)
        RedrawActiveModuleWindow();
    m_handler.LeaveEditStyleMode();
}

void CmdTargetEditStyleBase::Save()
{
    StyleBase::InvalidatePreviewForRelatedStyles(m_editedStyle);
    m_handler.LeaveEditStyleMode();
    m_handler.GetHost().SaveApplicationStyles(true);
}

void CmdTargetEditStyleBase::RedrawActiveModuleWindow()
{
    if (ModuleWndBase* window = m_handler.GetHost().GetActiveModuleWnd())
        window->RedrawAfterLayoutMayChanged();
}

void CmdTargetEditStyleBase::AddCommand(const Command& command)
{
    if (m_editedStyle == nullptr)
        return;
    const Handlers handlers = HandlersOf(command.edit);
    const int parameter = command.parameter;
    const int relation = command.relation;
    OnUpdate(command.id, [this, update = handlers.update, parameter, relation](CmdUI& cmdUI) {
        if (StyleBase* style = EditedStyle(relation))
            update(*style, parameter, cmdUI);
    });
    if (handlers.preview)
    {
        // Hovering an item previews it; leaving the gallery (no item hovered) puts the value back.
        for (const int code : {NotifyCodes::GalleryPreviewChange, NotifyCodes::GalleryPreviewCancel})
        {
            OnNotify(command.id, code, [this, preview = handlers.preview, parameter, relation](NotifyInfo& info) {
                StyleBase* style = EditedStyle(relation);
                const StyleBase* source = WorkingStyle(relation);
                if (style == nullptr || source == nullptr)
                    return;
                preview(*style, parameter, info, *source);
                m_editedStyle->InvalidatePreview();
                RedrawActiveModuleWindow();
            });
        }
    }
    OnNotify(command.id, NotifyCodes::Execute,
             [this, edit = command.edit, execute = handlers.execute, parameter, relation](NotifyInfo& info) {
                 // A name is checked against every style the container keeps, the edited one among them.
                 if (edit == Edit::Name)
                     MakeUniqueStyleName(m_editedStyle, info);
                 else if (StyleBase* style = EditedStyle(relation))
                     execute(*style, parameter, info, *this);
                 RedrawActiveModuleWindow();
             });
}

StyleBase* CmdTargetEditStyleBase::EditedStyle(int relation) const
{
    if (relation == 0)
        return m_editedStyle.get();
    return m_editedStyle->GetRelatedStyle(relation).get();
}

const StyleBase* CmdTargetEditStyleBase::WorkingStyle(int relation) const
{
    if (relation == 0)
        return m_workingCopy.get();
    const auto found = m_relatedStyles.find(static_cast<quint32>(relation));
    return found == m_relatedStyles.end() ? nullptr : found->second.get();
}

CmdTargetEditStyleBase::Handlers CmdTargetEditStyleBase::HandlersOf(Edit edit)
{
    switch (edit)
    {
    case Edit::Colour:
    case Edit::Value:
        return {UpdateCheckedGalleryValue, SetValueFromGallery, SetColourFromGallery};
    case Edit::PenColour:
        return {UpdateCheckedPenColour, SetPenColourFromGallery, ChoosePenColour};
    case Edit::PenType:
        return {UpdatePenTypeCombo, SetPenTypeFromGallery, SetPenTypeFromCombo};
    case Edit::PenWidth:
        return {UpdatePenWidthCombo, SetPenWidthFromGallery, SetPenWidthFromCombo};
    case Edit::FontName:
        return {UpdateFontNameCombo, SetFontNameFromGallery, SetFontNameFromCombo};
    case Edit::FontSize:
        return {UpdateFontSizeCombo, SetFontSizeFromGallery, SetFontSizeFromCombo};
    case Edit::TextFieldStyle:
        return {UpdateCheckedRelatedStyle,
                [](StyleBase& style, int relation, const NotifyInfo& info, const StyleBase& source) {
                    SetRelatedStyleFromGallery(style, relation, info, source, StyleTextField::Type);
                },
                SetTextFieldStyleFromGallery};
    case Edit::Parameter1:
        return {[](const StyleBase& style, int, CmdUI& cmdUI) { UpdateParameter1Edit(style, cmdUI); }, nullptr,
                [](StyleBase& style, int, const NotifyInfo& info, ICmdHelper& helper) {
                    SetParameter1FromEdit(style, info, helper);
                }};
    case Edit::Name:
        return {[](const StyleBase& style, int, CmdUI& cmdUI) { UpdateNameEdit(style.GetName(), cmdUI); }, nullptr,
                nullptr};
    case Edit::CopyFrom:
        return {[](const StyleBase&, int, CmdUI& cmdUI) { cmdUI.Enable(true); }, nullptr,
                [](StyleBase& style, int, const NotifyInfo& info, ICmdHelper& helper) {
                    CopyFromSelectedStyle(style, info, helper);
                }};
    }
    return {};
}
