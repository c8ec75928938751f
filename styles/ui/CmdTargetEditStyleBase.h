#pragma once
// The base of every style kind's command target in the style edit mode. It keeps the edited
// style (the stored style itself: edits go to it directly and the windows that draw with it
// show them), the undo point of the edit session, the working copy that a gallery preview
// falls back to, and the working copies of the related styles.
//
// A kind's target declares its commands as a table and its "Zmiany" commands:
//
//   class CmdTargetEditFooStyle : public CmdTargetEditStyleBase
//   {
//   public:
//       CmdTargetEditFooStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler)
//           : CmdTargetEditStyleBase(std::move(style), handler)
//       {
//           static const Command commands[] = {
//               {ID_GRID_COLOUR, Edit::Colour, 5},    // colour popup: value 5
//               {ID_GRID_PEN, Edit::PenType, 6},      // line-type combo: pen 6
//               {ID_FONT_SIZE, Edit::FontSize, 9},    // font-size combo: font 9
//               {ID_STYLE_NAME, Edit::Name},
//           };
//           AddCommands(commands);
//           AddChangeCommands(ID_DISCARD, ID_SAVE);
//       }
//   };
//
// and the edition registers it: handler.RegisterCmdTarget(StyleFoo::Type, [](auto style, auto& handler) {
//     return std::make_shared<CmdTargetEditFooStyle>(style, handler); });
// Each command then gets its update-UI handler (the control shows the style's value, enabled),
// its preview handlers for galleries (hovering previews the item in the window, leaving the
// gallery puts the value back) and its execute handler (the value is written, the session's
// new state taken, the window redrawn). A kind adds its own handlers through CmdTarget's table.
//
// Undo: the first state of every style in the session is kept, so "Odrzuć" puts back the
// styles as they were when the mode began, however many changes were made. Main thread only.

#include "platform/ui/CmdTarget.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/StyleEditCmdHelper.h"

#include <cstdint>
#include <memory>
#include <span>

class StyleEditModeHandler;

class CmdTargetEditStyleBase : public CmdTarget, public StyleEditCmdHelper::ICmdHelper
{
public:
    // What a command edits, and with which control.
    enum class Edit
    {
        Colour,          // colour gallery: a value parameter; "Więcej kolorów" asks for a colour
        Value,           // gallery of values: the item id is the value
        PenColour,       // colour gallery: the pen's colour
        PenType,         // line-type combo: the pen's style
        PenWidth,        // line-width combo: the pen's width 1..7
        FontName,        // font-name combo: the font's face
        FontSize,        // font-size combo: the font's size in points
        TextFieldStyle,  // style gallery: the related text-field style of the relation id
        Parameter1,      // edit: parameter 1, a whole number of at least 1
        Name,            // edit: the style's name, refused when blank or borne by another style
        CopyFrom,        // style gallery: the settings of the chosen style
    };

    struct Command
    {
        std::uint32_t id;
        Edit edit;
        // The parameter id, or the relation id for TextFieldStyle.
        int parameter = 0;
        // The relation id of the related style the command edits (a row style...); 0 for the
        // edited style itself.
        int relation = 0;
    };

    // Takes the style's state as the session's first state.
    CmdTargetEditStyleBase(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler);

    // The edited style took new settings: the working copies follow it and its state is
    // recorded unless the session holds one already.
    void OnStyleCopied() override;

    const std::shared_ptr<StyleBase>& GetEditedStyle() const { return m_editedStyle; }
    const std::shared_ptr<StyleBase>& GetWorkingCopy() const { return m_workingCopy; }
    const StyleBase::RelatedStylesMap& GetRelatedStyles() const { return m_relatedStyles; }
    const StylesContainer::UndoPoint& GetUndoPoint() const { return m_undoPoint; }

protected:
    void AddCommands(std::span<const Command> commands);
    // "Odrzuć" puts the session's first state back and leaves; redrawActiveWindow also redraws
    // the edited window (kinds whose window redraws on leaving need not). "Zapisz" leaves and
    // saves every style.
    void AddChangeCommands(std::uint32_t discardId, std::uint32_t saveId, bool redrawActiveWindow = true);

    void Discard(bool redrawActiveWindow);
    void Save();
    void RedrawActiveModuleWindow();
    StyleEditModeHandler& GetHandler() const { return m_handler; }
    // The style a command of the relation edits, and its state before the change (what a
    // preview falls back to); null for a relation the style lacks.
    StyleBase* EditedStyle(int relation) const;
    const StyleBase* WorkingStyle(int relation) const;

private:
    // The helpers of an edit: update-UI, preview (none for edits without a gallery), execute.
    struct Handlers
    {
        void (*update)(const StyleBase&, int, CmdUI&) = nullptr;
        void (*preview)(StyleBase&, int, const NotifyInfo&, const StyleBase&) = nullptr;
        void (*execute)(StyleBase&, int, const NotifyInfo&, ICmdHelper&) = nullptr;
    };

    void AddCommand(const Command& command);
    static Handlers HandlersOf(Edit edit);

    std::shared_ptr<StyleBase> m_editedStyle;
    StylesContainer::UndoPoint m_undoPoint;
    std::shared_ptr<StyleBase> m_workingCopy;
    StyleBase::RelatedStylesMap m_relatedStyles;
    StyleEditModeHandler& m_handler;
};
