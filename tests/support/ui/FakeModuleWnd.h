#pragma once
// A module window for tests: of the module and with the command target a test gives, counting
// what the panels and the frame tell it.

#include "platform/modules/ModuleWndBase.h"

class FakeModuleWnd : public ModuleWndBase
{
public:
    explicit FakeModuleWnd(IGenericModule* module = nullptr, CmdTarget* target = nullptr, QWidget* parent = nullptr)
        : ModuleWndBase(parent)
        , m_module(module)
        , m_target(target)
    {
    }

    IGenericModule* GetModule() const override { return m_module; }
    CmdTarget* GetCmdTarger() const override { return m_target; }
    bool IsContextRibbonAvailable() const override { return contextRibbon; }
    bool ShowHideMechanismOn() const override { return showHideMechanism; }
    bool Visible() const override { return showHideMechanism ? shownByModule : ModuleWndBase::Visible(); }
    bool IsOwnCaptionButtonAt(const QPoint& point) const override { return captionButton.contains(point); }
    void OnCurrentView() override { ++currentCount; }
    void OnCurrentViewGoingBackground() override { ++backgroundCount; }
    void RedrawAfterLayoutMayChanged() override { ++redrawCount; }
    void ActivateNamedObject(QObject* object) override { activatedObject = object; }
    Asset GetWindowInstrument() const override { return instrument; }

    bool contextRibbon = true;
    bool showHideMechanism = false;
    bool shownByModule = false;
    QRect captionButton;
    int currentCount = 0;
    int backgroundCount = 0;
    int redrawCount = 0;
    QObject* activatedObject = nullptr;
    Asset instrument;

private:
    IGenericModule* m_module;
    CmdTarget* m_target;
};
