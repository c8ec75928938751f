#pragma once
// A main frame, modules and module windows for the desktop files' suites, with no widgets: a
// screen's view and a module window are addresses of plain objects, handed to the engine as
// the opaque QWidget pointers it passes on and never touches. A window's file holds its name
// and its state, so a restore shows what was saved.

#include "platform/base/AtomicFile.h"
#include "platform/modules/IGenericModule.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "workspace/engine/IDesktopHost.h"
#include "workspace/engine/IDesktopModules.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

struct FakeWindow
{
    QString name;
    QString state;
};

struct FakeScreen
{
    QString caption;
    bool versionInfo = false;
    std::vector<IDesktopHost::ModuleWindow> windows;
};

class FakeDesktopHost : public IDesktopHost
{
public:
    static QWidget* Handle(const void* object) { return reinterpret_cast<QWidget*>(const_cast<void*>(object)); }

    FakeScreen& AddScreen(const QString& caption, bool versionInfo = false)
    {
        m_screens.push_back(std::make_unique<FakeScreen>(FakeScreen{caption, versionInfo, {}}));
        return *m_screens.back();
    }
    QWidget* ViewOf(const FakeScreen& screen) const { return Handle(&screen); }
    FakeScreen* ScreenOf(QWidget* view) const
    {
        for (const auto& screen : m_screens)
            if (Handle(screen.get()) == view)
                return screen.get();
        return nullptr;
    }
    void Activate(const FakeScreen& screen) { active = ViewOf(screen); }
    FakeScreen* ActiveScreen() const { return ScreenOf(active); }

    QWidget* AddWindow(FakeScreen& screen, IGenericModule* module, const QString& name, const QString& state)
    {
        m_windows.push_back(std::make_unique<FakeWindow>(FakeWindow{name, state}));
        QWidget* window = Handle(m_windows.back().get());
        screen.windows.push_back({window, module, name});
        return window;
    }
    static const FakeWindow& WindowOf(QWidget* window) { return *reinterpret_cast<FakeWindow*>(window); }

    QStringList Captions() const
    {
        QStringList captions;
        for (const auto& screen : m_screens)
            captions << screen->caption;
        return captions;
    }
    // "caption: window=state, ..." for every screen, in order.
    QStringList Contents() const
    {
        QStringList contents;
        for (const auto& screen : m_screens)
        {
            QStringList windows;
            for (const ModuleWindow& window : screen->windows)
                windows << WindowOf(window.window).name + QLatin1Char('=') + WindowOf(window.window).state;
            contents << screen->caption + QStringLiteral(": ") + windows.join(QStringLiteral(", "));
        }
        return contents;
    }
    std::size_t ScreenCount() const { return m_screens.size(); }

    int GetScreensLimit() const override { return screensLimit; }
    std::vector<Screen> GetScreens() const override
    {
        std::vector<Screen> screens;
        for (const auto& screen : m_screens)
            screens.push_back({ViewOf(*screen), screen->caption, screen->versionInfo});
        for (int i = 0; i < tabsWithoutPanel; ++i)
            screens.push_back({nullptr, QStringLiteral("bez panelu"), false});
        return screens;
    }
    QWidget* GetActiveView() const override { return active; }
    std::vector<ModuleWindow> GetModuleWindows(QWidget* view) const override
    {
        const FakeScreen* screen = ScreenOf(view);
        return screen ? screen->windows : std::vector<ModuleWindow>{};
    }
    std::optional<bool> IsRibbonMinimized() const override { return ribbonMinimized; }
    void SetRibbonMinimized(bool minimized) override { ribbonMinimized = minimized; }
    bool IsSessionLoaded() const override { return sessionLoaded; }
    void SetSessionLoaded(bool loaded) override
    {
        sessionLoaded = loaded;
        sessionLoadedHistory.push_back(loaded);
    }
    bool IsHandOverInProgress() const override { return handOver; }
    bool HasPanelArea() const override { return panelArea; }
    void CloseAllPanels() override
    {
        ++closeAllCalls;
        m_screens.clear();
        active = nullptr;
    }
    QWidget* OpenPanel(const QString& title) override
    {
        if (refusePanels)
            return nullptr;
        return ViewOf(AddScreen(title));
    }
    QWidget* OpenVersionInfoPanel() override { return ViewOf(AddScreen(QStringLiteral("Informacje o wersji"), true)); }
    void FitModuleWindows(QWidget* view) override { fitted.push_back(view); }
    void ShowPanels(const std::vector<QWidget*>& views, QWidget* activeView) override
    {
        shownViews = views;
        active = activeView ? activeView : (views.empty() ? active : views.back());
    }
    QWidget* CreateNewPanel() override
    {
        ++newPanelCalls;
        active = ViewOf(AddScreen(QStringLiteral("Ekran")));
        return active;
    }
    void ShowMessage(const QString& text) override { shownMessages << text; }
    void ShowLoadProblem(const QString& text) override { shownMessages << text; }
    void ShowSaveProblem(const QString& text) override { shownMessages << text; }

    int screensLimit = 1;
    int tabsWithoutPanel = 0;
    QWidget* active = nullptr;
    std::optional<bool> ribbonMinimized = false;
    bool sessionLoaded = false;
    std::vector<bool> sessionLoadedHistory;
    bool handOver = false;
    bool panelArea = true;
    bool refusePanels = false;
    int closeAllCalls = 0;
    int newPanelCalls = 0;
    std::vector<QWidget*> fitted;
    std::vector<QWidget*> shownViews;
    QStringList shownMessages;

private:
    std::vector<std::unique_ptr<FakeScreen>> m_screens;
    std::vector<std::unique_ptr<FakeWindow>> m_windows;
};

// A module whose windows' files hold "name\nstate"; opening one adds the window to the screen
// of the view it opens in.
class FakeModule : public IGenericModule
{
public:
    FakeModule(FakeDesktopHost& host, QString name, QString extension, QString q5Name = {})
        : m_host(host)
        , m_name(std::move(name))
        , m_extension(std::move(extension))
    {
        SetQ5ModuleName(q5Name);
    }

    QString GetFileExtension() const override { return m_extension; }
    QString GetFileFilter() const override { return {}; }
    QString GetModuleName() const override { return m_name; }
    QString GetDefaultFileName() const override { return {}; }
    bool CanSaveWindowToFile() const override { return true; }
    bool SaveWindowToFile(QWidget* window, const QString& path, int, bool) override
    {
        savedFiles << path;
        if (beforeSave)
            beforeSave(path);
        if (failingWindows.count(FakeDesktopHost::WindowOf(window).name) != 0)
            return false;
        const FakeWindow& fake = FakeDesktopHost::WindowOf(window);
        return AtomicFile::Write(path, (fake.name + QLatin1Char('\n') + fake.state).toUtf8());
    }
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int, int) override
    {
        const FakeWindow& fake = FakeDesktopHost::WindowOf(window);
        return AtomicFile::Write(path, (QStringLiteral("q5 ") + fake.name + QLatin1Char('\n') + fake.state).toUtf8());
    }
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override
    {
        openedFiles << path;
        QFile file(path);
        FakeScreen* screen = m_host.ScreenOf(parent);
        if (!screen || !file.open(QIODevice::ReadOnly))
            return false;
        // A window file of this module holds the window's name and state on two lines.
        if (strictFiles && !file.peek(4096).contains('\n'))
            return false;
        const QStringList parts = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        m_host.AddWindow(*screen, this, parts.value(0), parts.value(1));
        return true;
    }
    void SerialisePanelStateToQ5Format(Q5Settings&) override {}
    void SerialisePanelState(Settings&) override {}
    void UnserialisePanelState(const Settings&) override {}
    void PostUnserialisePanelState(const Settings&, QWidget*) override {}
    bool SerialiseInLastSession(QWidget* window) const override
    {
        return declinedWindows.count(FakeDesktopHost::WindowOf(window).name) == 0;
    }
    void OnSessionLoaded(QWidget*) override {}
    int GetFirstNamedWindowStyleId() const override { return -2; }
    void FindWindowStyle(int) override {}

    std::set<QString> declinedWindows;
    bool strictFiles = false;
    std::set<QString> failingWindows;
    std::function<void(const QString& path)> beforeSave;
    QStringList savedFiles;
    QStringList openedFiles;

private:
    FakeDesktopHost& m_host;
    QString m_name;
    QString m_extension;
};

// The modules as the mediator shows them: lookup by name, and a state of the consumers and of
// one in-process module ("Alerts") in the session. Every call is told to the event list.
class FakeDesktopModules : public IDesktopModules
{
public:
    void Add(FakeModule& module) { m_modules[module.GetModuleName()] = &module; }

    IGenericModule* GetModuleByName(const QString& name) const override
    {
        const auto found = m_modules.find(name);
        return found != m_modules.end() ? found->second : nullptr;
    }
    void SerialiseModulesStates(Settings& session) override
    {
        Settings& states = session[QStringLiteral("ModulesStates")];
        states[QStringLiteral("Consumers")][QStringLiteral("Value")] = consumersState;
        states[QStringLiteral("Alerts")][QStringLiteral("Value")] = alertsState;
    }
    void SerialiseModulesStatesToQ5Format(Q5Settings& session) override
    {
        session["ModulesStates"]["SessionStatistics"]["Value"] = alertsState;
    }
    void UnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates) override
    {
        events << QStringLiteral("Unserialise");
        consumersState = consumers[QStringLiteral("Value")].ToString();
        modulesStatesValid = modulesStates.IsValid();
        if (modulesStates.IsValid())
            alertsState = modulesStates[QStringLiteral("Alerts")][QStringLiteral("Value")].ToString();
    }
    void PostUnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates, QWidget* activeView) override
    {
        events << QStringLiteral("PostUnserialise");
        postActiveView = activeView;
    }
    void BeginDesktopLoad(const Settings&) override { events << QStringLiteral("Begin"); }
    void EndDesktopLoad() override { events << QStringLiteral("End"); }
    void AfterDesktopLoaded() override { events << QStringLiteral("After"); }
    void NotifySessionLoaded(QWidget* activeView) override
    {
        events << QStringLiteral("NotifySessionLoaded");
        postActiveView = activeView;
    }
    bool CanSavePanelSettingsToQ5Format() const override { return panelSettings; }
    bool SavePanelSettingsToQ5Format(Q5Settings& node) override
    {
        node["Layout"] = QStringLiteral("chart");
        return true;
    }

    QString consumersState;
    QString alertsState;
    bool modulesStatesValid = false;
    bool panelSettings = false;
    QWidget* postActiveView = nullptr;
    QStringList events;

private:
    std::map<QString, FakeModule*> m_modules;
};
