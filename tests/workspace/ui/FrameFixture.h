#pragma once
// A main frame for one test over the mediator's fakes: the test factory and settings, the
// in-process modules and cloud fakes, recording popups, a style edit mode the test switches,
// an application object whose panel views and own commands the test reads, the test provider
// in the "Providers" folder, and a ribbon with one main tab and one contextual tab of a test
// module. Every command target the frame routes to records what it is offered in one list.

#include "core/mediator/AppMediator.h"
#include "tests/core/engine/PluginFolder.h"
#include "tests/core/mediator/MediatorFakes.h"
#include "tests/core/mediator/TestFactory.h"
#include "tests/support/TempHome.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/TestTabsCreator.h"
#include "tests/support/ui/FakeModuleWnd.h"
#include "workspace/ui/PulpitFrameQ4Classic.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

class PanelFrame;
class PanelView;

// Handles commands and update requests of its ids, each written to the log as "name:id" or
// "name:update:id".
class RecordingTarget : public CmdTarget
{
public:
    RecordingTarget(QString name, std::set<std::uint32_t> ids, QStringList& log);

    bool OnCmdMsg(std::uint32_t id, int code, void* extra) override;

    std::set<std::uint32_t> ids;

private:
    QString m_name;
    QStringList& m_log;
};

class TestApplicationObject : public IApplicationObject
{
public:
    explicit TestApplicationObject(QStringList& log);

    QWidget* GetActivePanelView() const override { return activeView; }
    QWidget* GetCurrentPanelView() const override { return currentView; }
    void SetActivePanelView(QWidget* view) override { activeView = view; }
    void SetCurrentPanelView(QWidget* view) override { currentView = view; }
    CmdTarget& GetAppCmdTarget() override { return commands; }
    bool IsExtendedMode() const override { return false; }
    bool SaveApplicationStyles(bool) override { return true; }
    bool IsHandOverInProgress() const override { return false; }
    void SetupCrashReporting(const QString&, const QString&) override {}

    QPointer<QWidget> activeView;
    QPointer<QWidget> currentView;
    RecordingTarget commands;
};

class TestFrame : public PulpitFrameQ4Classic
{
public:
    TestFrame(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators, CmdTargetMakers makers);

    int GetScreensLimit() const override { return screensLimit; }
    bool CanCreate() override;
    void BeforeCleanResources() override;
    bool SaveLastSession() override;
    void SaveWindowPosition() override { Tell(QStringLiteral("Frame"), QStringLiteral("SaveWindowPosition")); }
    void RestoreWindowPosition() override;

    int screensLimit = 1;
    bool canCreate = true;
    // Whether closing writes the last session as the program does, or only records the call.
    bool savesLastSession = false;
    // 0 nothing, 1 a narrow text, 2 a wide text, 3 an exception object, 4 anything else.
    int throwKind = 0;
    bool throwBeforeCleaning = false;
};

class FrameFixture : public ::testing::Test
{
protected:
    // The frame's own targets' names, in the routing order.
    static const QStringList kTargetNames;
    static constexpr std::uint32_t kContextTabId = 41001;

    FrameFixture();
    ~FrameFixture() override;

    AppMediator& MakeMediator();
    // The mediator, then the frame made and, with start, shown with its first screen; the
    // application is active.
    TestFrame& MakeFrame(bool start = true);
    // Closes and deletes the frame, as the application ends it.
    void CloseFrame();

    PanelFrame* ActivePanel() const;
    PanelView* ActiveView() const;
    // A module window of the test module in the view, routing to the "window" target.
    FakeModuleWnd* AddModuleWindow(PanelView& view);
    // The contextual tab of the test module shows.
    bool ContextTabShown() const;

    TempHome home;
    PluginFolder folder;
    QStringList routed;
    std::shared_ptr<TestFactory> factory = std::make_shared<TestFactory>();
    std::shared_ptr<FakeMediatorSettings> settings = std::make_shared<FakeMediatorSettings>();
    std::shared_ptr<RecordingPopups> popups = std::make_shared<RecordingPopups>();
    std::shared_ptr<FakeStyleEditModeHandler> styleEdit = std::make_shared<FakeStyleEditModeHandler>();
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> tabsCreators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    std::shared_ptr<FakeCloudModule> cloud;
    FakeModule<IGenericModule> module{QStringLiteral("TestWindows")};
    TestApplicationObject application{routed};
    RecordingTarget windowTarget{QStringLiteral("window"), {}, routed};
    PulpitFrame::CmdTargetMakers makers;
    std::unique_ptr<TestFrame> frame;
    AppMediator* mediator = nullptr;
};
