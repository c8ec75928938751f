#pragma once
// The style edit mode as the application reaches it: while a window's style is edited, the
// ribbon's commands go to the edited style's command target only, the workspace tabs are
// frozen, and the edited window stays centred in its panel. The styles' part of the program
// gives it; without it no style is ever edited. Main thread only.

#include <QString>

#include <memory>

class CmdTarget;
class QWidget;
class StyleBase;

class IStyleEditModeHandler
{
public:
    // The message a module window gets before its style is edited.
    static inline const QString kBeforeEnteringEditModeMessage =
        QStringLiteral("StyleEditModeHandler_BeforeEnteringEditMode_Message");

    virtual ~IStyleEditModeHandler() = default;

    virtual bool IsInEditMode() const = 0;
    // Non-null exactly while a style is edited.
    virtual CmdTarget* GetEditedCmdTarget() const = 0;
    // The window whose style is edited; null when none.
    virtual QWidget* GetEditedWindow() const = 0;
    // What the edited window's panel shows as its title.
    virtual QString GetEditModeTitle() const = 0;
    virtual void BeginEditStyle(const std::shared_ptr<StyleBase>& style, const QString& title) = 0;
    // Harmless when no style is edited.
    virtual void LeaveEditStyleMode() = 0;
    // Centres the edited window in its parent.
    virtual void UpdateEditedWindowLayout() = 0;
};
