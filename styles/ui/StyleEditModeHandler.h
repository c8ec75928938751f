#pragma once
// The style edit mode: one module window's display style is previewed and edited. While the
// mode lasts the window stands alone and centred in its panel, clipped to its client area and
// disabled for input; its visible siblings are hidden; the ribbon shows only the style tabs of
// its style kind; and every ribbon command goes first to the command target of that kind,
// which edits the stored style itself until the user saves ("Zapisz") or discards ("Odrzuć").
//
// The edition makes one handler and hands it to the application mediator; the main frame, the
// panels and the mediator reach it there. Each style kind's command target is registered by
// kind (RegisterCmdTarget); a kind without a target, or without tabs, is not edited. Leaving
// puts everything back: the hidden siblings (only those it hid), the window's place, its
// input, the frame's titles and system menu, and the main tabs.
//
// A window or sibling that is closed while the mode lasts is let go: a closed edited window
// ends the mode. Main thread only.

#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/StyleType.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CmdTarget;
class IStyleEditHost;
class ModuleWndBase;
class QuorvantaTab;
class StyleBase;

class StyleEditModeHandler : public IStyleEditModeHandler
{
public:
    // Makes the command target that edits the style; the handler is the one that made it.
    using CmdTargetMaker =
        std::function<std::shared_ptr<CmdTarget>(const std::shared_ptr<StyleBase>& style, StyleEditModeHandler& handler)>;

    // The window class the system registered for the mode; it has no meaning here and is kept
    // as its name only.
    static inline const QString kWindowClassName = QStringLiteral("Kelvora_StyleHandlerWindows");

    explicit StyleEditModeHandler(std::shared_ptr<IStyleEditHost> host);
    ~StyleEditModeHandler() override;

    StyleEditModeHandler(const StyleEditModeHandler&) = delete;
    StyleEditModeHandler& operator=(const StyleEditModeHandler&) = delete;

    void RegisterCmdTarget(StyleType kind, CmdTargetMaker maker);

    // IStyleEditModeHandler
    bool IsInEditMode() const override { return m_inEditMode; }
    CmdTarget* GetEditedCmdTarget() const override { return m_cmdTarget.get(); }
    QWidget* GetEditedWindow() const override;
    QString GetEditModeTitle() const override { return m_title; }
    // Enters the mode for the active module window, unless the mode is on already, the style's
    // kind has no target or tabs, the ribbon cannot make the style tabs, or no module window is
    // active: then nothing changes.
    void BeginEditStyle(const std::shared_ptr<StyleBase>& style, const QString& title) override;
    void LeaveEditStyleMode() override;
    void UpdateEditedWindowLayout() override;

    const std::vector<QuorvantaTab*>& GetStyleTabs() const { return m_styleTabs; }
    IStyleEditHost& GetHost() const { return *m_host; }

    // The edited window's top-left corner that centres a window of the size in the parent's area.
    static QPoint CentredPosition(const QRect& parentArea, const QSize& windowSize);

private:
    bool EnterEditStyleMode(std::shared_ptr<CmdTarget> target, const QString& title, std::vector<QuorvantaTab*> tabs);
    void HideSiblings(QWidget& window);
    void RestoreEditedWindow(ModuleWndBase& window);

    std::shared_ptr<IStyleEditHost> m_host;
    std::map<StyleType, CmdTargetMaker> m_makers;
    bool m_inEditMode = false;
    std::shared_ptr<CmdTarget> m_cmdTarget;
    // The target of the mode that ended: the save and discard commands leave the mode from
    // inside the target's own handler, which must outlive that call.
    std::shared_ptr<CmdTarget> m_leftTarget;
    std::vector<QuorvantaTab*> m_styleTabs;
    std::vector<QPointer<QWidget>> m_hiddenWindows;
    QPoint m_savedPosition;
    QPointer<ModuleWndBase> m_editedWindow;
    QMetaObject::Connection m_windowGone;
    QString m_title;
};
