// Feeds arbitrary bytes to the desktop reader: the bytes before "#PANEL#" are the desktop file,
// those after it the panel files it may name (the same bytes without the mark), and a frame and a module with no windows behind them open what it
// lists. Besides crashes and sanitizer reports it checks that a refused file changes nothing
// and that every window file a module is asked to open lies inside the desktop's panel folder.

#include "platform/modules/IGenericModule.h"
#include "platform/settings/Settings.h"
#include "workspace/engine/DesktopSession.h"
#include "workspace/engine/IDesktopHost.h"
#include "workspace/engine/IDesktopModules.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace
{
constexpr char kPanelMark[] = "#PANEL#";

// Views are addresses in this array; nothing behind them is ever touched.
char g_views[64];

class Host : public IDesktopHost
{
public:
    int GetScreensLimit() const override { return 4; }
    std::vector<Screen> GetScreens() const override { return std::vector<Screen>(opened, Screen{}); }
    QWidget* GetActiveView() const override { return nullptr; }
    std::vector<ModuleWindow> GetModuleWindows(QWidget*) const override { return {}; }
    std::optional<bool> IsRibbonMinimized() const override { return false; }
    void SetRibbonMinimized(bool) override {}
    bool IsSessionLoaded() const override { return loaded; }
    void SetSessionLoaded(bool value) override { loaded = value; }
    bool IsHandOverInProgress() const override { return false; }
    bool HasPanelArea() const override { return true; }
    void CloseAllPanels() override
    {
        ++closed;
        opened = 0;
    }
    QWidget* OpenPanel(const QString&) override { return Next(); }
    QWidget* OpenVersionInfoPanel() override { return Next(); }
    void FitModuleWindows(QWidget*) override {}
    void ShowPanels(const std::vector<QWidget*>& views, QWidget*) override
    {
        if (views.size() > static_cast<std::size_t>(GetScreensLimit()))
            std::abort();
    }
    QWidget* CreateNewPanel() override { return Next(); }
    void ShowMessage(const QString&) override {}
    void ShowLoadProblem(const QString&) override {}
    void ShowSaveProblem(const QString&) override {}

    std::size_t opened = 0;
    int closed = 0;
    bool loaded = true;

private:
    QWidget* Next()
    {
        if (opened >= sizeof(g_views))
            std::abort();
        return reinterpret_cast<QWidget*>(&g_views[opened++]);
    }
};

class Module : public IGenericModule
{
public:
    QString GetFileExtension() const override { return QStringLiteral(".m"); }
    QString GetFileFilter() const override { return {}; }
    QString GetModuleName() const override { return QStringLiteral("M"); }
    QString GetDefaultFileName() const override { return {}; }
    bool CanSaveWindowToFile() const override { return false; }
    bool SaveWindowToFile(QWidget*, const QString&, int, bool) override { return false; }
    bool SaveWindowToQ5Format(QWidget*, const QString&, int, int) override { return false; }
    bool OpenWindowFromFile(QWidget*, const QString& path, bool) override
    {
        // "<panel folder>/<panel>/M/<window>.m", with no step up or aside.
        const QString relative = QDir(panelFolder).relativeFilePath(path);
        const QStringList parts = relative.split(QLatin1Char('/'));
        if (QDir::cleanPath(path) != path || parts.size() != 3 || parts[1] != GetModuleName() ||
            parts.contains(QStringLiteral("..")) || relative.startsWith(QLatin1Char('/')))
            std::abort();
        return true;
    }
    void SerialisePanelStateToQ5Format(Q5Settings&) override {}
    void SerialisePanelState(Settings&) override {}
    void UnserialisePanelState(const Settings&) override {}
    void PostUnserialisePanelState(const Settings&, QWidget*) override {}
    bool SerialiseInLastSession(QWidget*) const override { return true; }
    void OnSessionLoaded(QWidget*) override {}
    int GetFirstNamedWindowStyleId() const override { return -2; }
    void FindWindowStyle(int) override {}

    QString panelFolder;
};

class Modules : public IDesktopModules
{
public:
    explicit Modules(Module& module) : m_module(module) {}

    IGenericModule* GetModuleByName(const QString& name) const override
    {
        return name == m_module.GetModuleName() ? &m_module : nullptr;
    }
    void SerialiseModulesStates(Settings&) override {}
    void SerialiseModulesStatesToQ5Format(Q5Settings&) override {}
    void UnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates) override
    {
        // Walk what a module would read.
        ConstSettingsIterator it = consumers.Iterator(2);
        while (it.Iterate())
            it.Node().ToString();
        modulesStates.Exists(QStringLiteral("Alerts"));
    }
    void PostUnserialiseModulesStates(const Settings&, const Settings&, QWidget*) override {}
    void BeginDesktopLoad(const Settings&) override {}
    void EndDesktopLoad() override {}
    void AfterDesktopLoaded() override {}
    void NotifySessionLoaded(QWidget*) override {}
    bool CanSavePanelSettingsToQ5Format() const override { return false; }
    bool SavePanelSettingsToQ5Format(Q5Settings&) override { return false; }

private:
    Module& m_module;
};

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString desktop = folder.filePath(QStringLiteral("Pulpit.q4s"));
    static const QString panels = folder.filePath(QStringLiteral("Pulpit"));
    static const bool ready = QDir().mkpath(panels + QStringLiteral("/M"));
    if (!ready)
        std::abort();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype mark = bytes.indexOf(kPanelMark);
    const QByteArray desktopBytes = mark < 0 ? bytes : bytes.left(mark);
    const QByteArray panelBytes = mark < 0 ? bytes : bytes.mid(mark + qsizetype(sizeof(kPanelMark)) - 1);
    if (!WriteFile(desktop, desktopBytes))
        std::abort();
    for (const QString& path : {panels + QStringLiteral("/Ekran 1.q4s"), panels + QStringLiteral("/M.q4s")})
        if (!WriteFile(path, panelBytes))
            std::abort();

    Host host;
    Module module;
    module.panelFolder = panels;
    Modules modules(module);
    DesktopSession session(host, modules, folder.path());
    if (!session.LoadSession(desktop))
    {
        // A refused file leaves the screens and the session as they were.
        if (host.closed != 0 || host.opened != 0 || !host.loaded)
            std::abort();
    }
    return 0;
}
