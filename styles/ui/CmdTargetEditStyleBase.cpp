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
    const int p = command.parameter;
    StyleBase& style = *m_editedStyle;
    std::function<void(CmdUI&)> update;
    std::function<void(const NotifyInfo&)> preview;
    std::function<void(const NotifyInfo&)> execute;
    switch (command.edit)
    {
    case Edit::Colour:
    case Edit::Value:
        update = [&style, p](CmdUI& ui) { UpdateCheckedGalleryValue(style, p, ui); };
        preview = [this, &style, p](const NotifyInfo& info) { SetValueFromGallery(style, p, info, *m_workingCopy); };
        execute = [this, &style, p](const NotifyInfo& info) { SetColourFromGallery(style, p, info, *this); };
        break;
    case Edit::PenColour:
        update = [&style, p](CmdUI& ui) { UpdateCheckedPenColour(style, p, ui); };
        preview = [this, &style, p](const NotifyInfo& info) { SetPenColourFromGallery(style, p, info, *m_workingCopy); };
        execute = [this, &style, p](const NotifyInfo& info) { ChoosePenColour(style, p, info, *this); };
        break;
    case Edit::PenType:
        update = [&style, p](CmdUI& ui) { UpdatePenTypeCombo(style, p, ui); };
        preview = [this, &style, p](const NotifyInfo& info) { SetPenTypeFromGallery(style, p, info, *m_workingCopy); };
        execute = [this, &style, p](const NotifyInfo& info) { SetPenTypeFromCombo(style, p, info, *this); };
        break;
    case Edit::PenWidth:
        update = [&style, p](CmdUI& ui) { UpdatePenWidthCombo(style, p, ui); };
        preview = [this, &style, p](const NotifyInfo& info) { SetPenWidthFromGallery(style, p, info, *m_workingCopy); };
        execute = [this, &style, p](const NotifyInfo& info) { SetPenWidthFromCombo(style, p, info, *this); };
        break;
    case Edit::FontName:
        update = [&style, p](CmdUI& ui) { UpdateFontNameCombo(style, p, ui); };
        preview = [this, &style, p](const NotifyInfo& info) { SetFontNameFromGallery(style, p, info, *m_workingCopy); };
        execute = [this, &style, p](const NotifyInfo& info) { SetFontNameFromCombo(style, p, info, *this); };
        break;
    case Edit::FontSize:
        update = [&style, p](CmdUI& ui) { UpdateFontSizeCombo(style, p, ui); };
        preview = [this, &style, p](const NotifyInfo& info) { SetFontSizeFromGallery(style, p, info, *m_workingCopy); };
        execute = [this, &style, p](const NotifyInfo& info) { SetFontSizeFromCombo(style, p, info, *this); };
        break;
    case Edit::TextFieldStyle:
        update = [&style, p](CmdUI& ui) { UpdateCheckedRelatedStyle(style, p, ui); };
        preview = [this, &style, p](const NotifyInfo& info) {
            SetRelatedStyleFromGallery(style, p, info, *m_workingCopy, StyleTextField::Type);
        };
        execute = [this, &style, p](const NotifyInfo& info) { SetTextFieldStyleFromGallery(style, p, info, *this); };
        break;
    case Edit::Parameter1:
        update = [&style](CmdUI& ui) { UpdateParameter1Edit(style, ui); };
        execute = [this, &style](const NotifyInfo& info) { SetParameter1FromEdit(style, info, *this); };
        break;
    case Edit::Name:
        update = [&style](CmdUI& ui) { UpdateNameEdit(style.GetName(), ui); };
        execute = [this](const NotifyInfo& info) { MakeUniqueStyleName(m_editedStyle, info); };
        break;
    case Edit::CopyFrom:
        update = [](CmdUI& ui) { ui.Enable(true); };
        execute = [this, &style](const NotifyInfo& info) { CopyFromSelectedStyle(style, info, *this); };
        break;
    }
    OnUpdate(command.id, std::move(update));
    if (preview)
    {
        // Hovering an item previews it; leaving the gallery (no item hovered) puts the value back.
        for (const int code : {NotifyCodes::GalleryPreviewChange, NotifyCodes::GalleryPreviewCancel})
        {
            OnNotify(command.id, code, [this, preview](NotifyInfo& info) {
                preview(info);
                m_editedStyle->InvalidatePreview();
                RedrawActiveModuleWindow();
            });
        }
    }
    OnNotify(command.id, NotifyCodes::Execute, [this, execute](NotifyInfo& info) {
        execute(info);
        RedrawActiveModuleWindow();
    });
}
