#pragma once
// The base of every window a module opens in a panel (quote tables, charts, details, the alerts
// window, orders sheets...): the module it belongs to, the command target of its ribbon
// commands, the caption of its contextual tabs, and what the panels and the main frame ask of
// it: activation, redraw after a layout change, the panel becoming current or going to the
// background, closing on command. It lives in this shared library so that the executable and
// every module library share one class. Main thread only.

#include "platform/modules/Asset.h"

#include <QIcon>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>

class CmdTarget;
class IGenericModule;
class StyleBase;

class ModuleWndBase : public QWidget
{
    Q_OBJECT

public:
    // An object of the window that the user can pick by name (a chart's series...).
    struct NamedObject
    {
        QObject* object = nullptr;
        QString name;
    };

    explicit ModuleWndBase(QWidget* parent = nullptr);
    ~ModuleWndBase() override;

    // The module whose window this is; null for a window of no module.
    virtual IGenericModule* GetModule() const = 0;
    // The target of the window's ribbon commands; null when it has none. The name is the one
    // every module library knows.
    virtual CmdTarget* GetCmdTarger() const = 0;
    // The caption of the module's contextual tabs while this window is active.
    virtual QString GetRibbonCaptionString() const { return m_ribbonCaption; }
    void SetRibbonCaptionString(const QString& caption) { m_ribbonCaption = caption; }
    // Whether the window's module tabs follow it on the ribbon.
    virtual bool IsContextRibbonAvailable() const { return true; }

    // Makes this the application's active module window: raised, focused, and the application
    // told through its mediator (nothing more without one).
    void ForceActivate();
    // The instrument the window shows; the application's active instrument becomes it when the
    // window is activated. Empty for a window of no one instrument.
    virtual Asset GetWindowInstrument() const { return Asset(); }

    // Whether "close all windows" and the windows gallery may close it.
    virtual bool CanBeCloseOnCommand() const { return true; }
    // Its picture in the windows gallery; none when the window has no icon of its own (Qt would
    // answer the application's).
    virtual QIcon GetImage() const { return testAttribute(Qt::WA_SetWindowIcon) ? windowIcon() : QIcon(); }
    // The panel's size or the theme changed.
    virtual void RedrawAfterLayoutMayChanged() { update(); }
    // Its panel became the current one, or stopped being it.
    virtual void OnCurrentView() {}
    virtual void OnCurrentViewGoingBackground() {}
    // A window under the show/hide mechanism keeps its own visibility (Visible) while its
    // module feeds it; only such a window that is visible is activated with its panel.
    virtual bool ShowHideMechanismOn() const { return false; }
    virtual bool Visible() const { return !isHidden(); }
    // The user picked one of its named objects.
    virtual void ActivateNamedObject(QObject* object) {}
    // True where the window draws a caption button of its own (window coordinates): a click
    // there presses the button and does not activate the window.
    virtual bool IsOwnCaptionButtonAt(const QPoint& point) const { return false; }

    // The style edit mode shows the window alone in its panel while its style is edited; these
    // tell it in the mode's order: before entering, on entering, on leaving and just after.
    virtual void OnBeforeEnteringEditStyleMode() {}
    virtual void EnterEditStyleMode() {}
    virtual void LeaveEditStyleMode() {}
    virtual void OnBeforeLeavingStyleEditMode() {}
    // Just after entering: the style being edited, which the window shows until it leaves, so
    // that every change is seen at once.
    virtual void ShowEditedStyle(const std::shared_ptr<StyleBase>& style) {}

    // The module window the widget is, or lies in; null when none.
    static ModuleWndBase* Of(QWidget* widget);

private:
    QString m_ribbonCaption;
};
