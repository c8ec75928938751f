#include "workspace/engine/DesktopSession.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "workspace/engine/DesktopFormat.h"
#include "workspace/engine/DesktopScreenSelection.h"
#include "workspace/engine/IDesktopModules.h"
#include "workspace/engine/PanelFolder.h"
#include "workspace/engine/PanelStateFiles.h"
#include "workspace/engine/PanelStateReader.h"
#include "workspace/engine/PanelWindowsRecovery.h"
#include "workspace/engine/SafeFileName.h"
#include "workspace/engine/SessionStateReader.h"
#include "workspace/engine/StagedDesktopSave.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <utility>

namespace
{
const QString kSaveSessionPlace = QStringLiteral("PulpitFrame::SaveCurrentSession");
const QString kSaveDesktopPlace = QStringLiteral("PulpitFrameQ4Classic::SaveDesktop");
const QString kExportPlace = QStringLiteral("PulpitFrame::SaveDesktopToQ5Format");
const QString kExportDesktopPlace = QStringLiteral("PulpitFrameQ4Classic::SaveDesktopToQ5Format");
const QString kLoadPlace = QStringLiteral("PulpitFrame::LoadSession");
const QString kOpenPlace = QStringLiteral("PulpitFrame::OpenDesktop");

QString ProductName()
{
    return QString::fromLatin1(AppPaths::kProductName);
}

QString PanelFile(const QString& panelFolder, const QString& name, const QString& extension)
{
    return QDir(panelFolder).filePath(name + extension);
}
}

DesktopSession::DesktopSession(IDesktopHost& host, IDesktopModules& modules, QString appDataFolder)
    : m_host(host)
    , m_modules(modules)
    , m_appDataFolder(std::move(appDataFolder))
{
}

QString DesktopSession::GetLastSessionPath() const
{
    return QDir(m_appDataFolder).filePath(DesktopFormat::kLastSessionFileName);
}

bool DesktopSession::SaveCurrentSession(const QString& path)
{
    return SaveSession(path, true);
}

bool DesktopSession::SaveDesktopToQ5Format(const QString& path)
{
    Log::WriteInfo(QStringLiteral("Zapisywanie sesji"), ProductName(), kExportPlace, __LINE__);
    Q5Settings tree;
    bool screensSaved = false;
    const bool written = WriteWithPanelFolder(
        path, DesktopFormat::kQ5PanelExtension, kExportPlace, true,
        [&](const QString& panelFolder) {
            screensSaved = SaveDesktopToQ5Format(panelFolder, tree[DesktopFormat::kDesktopNode.toStdString()]);
            m_modules.SerialiseModulesStatesToQ5Format(tree);
        },
        [&](const QString& file) { return tree.SaveToFile(file, DesktopFormat::kSessionRoot.toUtf8().constData()); });
    return written && screensSaved;
}

bool DesktopSession::SaveLastSession()
{
    if (!m_host.IsSessionLoaded())
    {
        Log::WriteWarning(QStringLiteral("Nie zapisano sesji: ostatnia sesja nie została wczytana, a zapis zastąpiłby ją."),
                          ProductName(), kSaveSessionPlace, __LINE__);
        return false;
    }
    // The session is saved while the program closes: what is only moved aside is logged, but a
    // session that could not be written is told, or the user would find the windows gone.
    m_saveError.clear();
    const bool saved = SaveSession(GetLastSessionPath(), false);
    if (!m_saveError.isEmpty())
        m_host.ShowSaveProblem(QStringLiteral("%1\nPowód: %2.\nOkna otwarte w tej sesji nie wrócą przy następnym "
                                              "uruchomieniu programu.")
                                   .arg(m_saveError, WhyNotWritten(QFileInfo(GetLastSessionPath()).absolutePath())));
    return saved;
}

QString DesktopSession::WhyNotWritten(const QString& folder)
{
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        return QStringLiteral("system plików z katalogiem %1 jest tylko do odczytu").arg(QDir::toNativeSeparators(folder));
    if (storage.isValid() && storage.bytesAvailable() == 0)
        return QStringLiteral("brak wolnego miejsca na dysku z katalogiem %1").arg(QDir::toNativeSeparators(folder));
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("katalog %1 jest tylko do odczytu").arg(QDir::toNativeSeparators(folder));
    return QStringLiteral("zapis do katalogu %1 się nie powiódł (szczegóły w dzienniku)").arg(QDir::toNativeSeparators(folder));
}

bool DesktopSession::LoadSession(const QString& path)
{
    const bool wasLoaded = m_host.IsSessionLoaded();
    // While the screens are replaced, module windows do not follow activation; a hand-over
    // loads into a running session and keeps it.
    if (!m_host.IsHandOverInProgress())
        m_host.SetSessionLoaded(false);
    StagedDesktopSave::Recover(path);
    SessionStateReader reader;
    if (!QFileInfo::exists(path))
    {
        Log::WriteWarning(QStringLiteral("Nie znaleziono pliku pulpitu %1").arg(path), ProductName(), kLoadPlace, __LINE__);
        m_host.SetSessionLoaded(wasLoaded);
        return false;
    }
    // An export to the next-generation format is written in the same elements but is no desktop
    // of this program; the save still reads its own exports to know what it replaces.
    if (!DesktopFormat::IsDesktopFileName(path) || !reader.Load(path))
    {
        Log::WriteError(QStringLiteral("Nie wczytano pulpitu %1: plik jest uszkodzony albo nie jest plikiem pulpitu.").arg(path),
                        ProductName(), kLoadPlace, __LINE__);
        m_host.SetSessionLoaded(wasLoaded);
        return false;
    }
    PutInPlace(path, reader.GetConsumersNode(), reader.GetModulesStatesNode(), reader.GetDesktopNode());
    Log::WriteInfo(QStringLiteral("Wczytano pulpit %1").arg(path), ProductName(), kLoadPlace, __LINE__);
    return true;
}

void DesktopSession::PutInPlace(const QString& path, const Settings& consumers, const Settings& modulesStates,
                                const Settings& desktop)
{
    if (m_host.HasPanelArea())
    {
        m_modules.BeginDesktopLoad(modulesStates);
        m_host.CloseAllPanels();
        m_modules.UnserialiseModulesStates(consumers, modulesStates);
        if (!OpenDesktop(path, desktop))
            m_host.CreateNewPanel();
        m_modules.PostUnserialiseModulesStates(consumers, modulesStates, m_host.GetActiveView());
        m_modules.EndDesktopLoad();
    }
    m_host.SetSessionLoaded(true);
    m_modules.AfterDesktopLoaded();
    if (m_unreadParts.isEmpty())
        return;
    // Told once, when the desktop opens: the save that follows keeps the damaged files aside.
    m_host.ShowLoadProblem(QStringLiteral("Nie udało się odczytać części pulpitu %1:\n%2\nPrzywrócono okna, które dało się "
                                      "odczytać. Uszkodzone pliki zostaną zachowane obok jako kopie z końcówką \".bak\", "
                                      "gdy pulpit będzie zapisany.")
                           .arg(QDir::toNativeSeparators(path), m_unreadParts.join(QLatin1Char('\n'))));
    m_unreadParts.clear();
}

bool DesktopSession::RecoverFromPanelFolder(const QString& path)
{
    const QStringList names = PanelWindowsRecovery::PanelNames(PanelFolder::Of(path), DesktopFormat::kDesktopExtension);
    if (names.isEmpty())
        return false;
    Log::WriteError(QStringLiteral("Ekrany pulpitu %1 otwarto z jego katalogu paneli: plik pulpitu jest uszkodzony.").arg(path),
                    ProductName(), kLoadPlace, __LINE__);
    Settings desktop;
    for (const QString& name : names)
    {
        Settings& entry = desktop.AddUnnamed();
        entry[DesktopFormat::kPanelName] = name;
        entry[DesktopFormat::kActive] = name == names.front();
    }
    m_unreadParts << QStringLiteral("- plik \"%1\" (ekrany otwarto z katalogu \"%2\")")
                         .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(PanelFolder::Of(path)));
    m_damagedDesktop = true;
    PutInPlace(path, Settings::InvalidVariable(), Settings::InvalidVariable(), desktop);
    m_damagedDesktop = false;
    return true;
}

bool DesktopSession::OpenDesktop(const QString& path, const Settings& node)
{
    const QString panelFolder = PanelFolder::Of(path);
    if (!node.IsValid() || panelFolder.isEmpty())
        return false;
    const std::size_t limit = static_cast<std::size_t>(std::max(1, m_host.GetScreensLimit()));
    std::vector<QWidget*> opened;
    QWidget* active = nullptr;
    ConstSettingsIterator entries = node.IteratorUnnamed(1);
    while (entries.Iterate())
    {
        const Settings& entry = entries.Node();
        const QString name = entry[DesktopFormat::kPanelName].ToString();
        if (!SafeFileName::IsSafeStem(name))
        {
            Log::WriteWarning(QStringLiteral("Pominięto panel \"%1\" pulpitu %2: nazwa nie może być nazwą pliku.").arg(name, path),
                              ProductName(), kOpenPlace, __LINE__);
            continue;
        }
        if (opened.size() >= limit)
        {
            Log::WriteWarning(QStringLiteral("Pominięto panel \"%1\" pulpitu %2: program nie otwiera więcej ekranów niż %3.")
                                  .arg(name, path)
                                  .arg(limit),
                              ProductName(), kOpenPlace, __LINE__);
            continue;
        }
        const QString caption = entry[DesktopFormat::kCaption].ToString();
        QWidget* view = entry[DesktopFormat::kVersInfo].ToString() == QLatin1String("1")
                            ? m_host.OpenVersionInfoPanel()
                            : m_host.OpenPanel(caption.isEmpty() ? name : caption);
        if (!view)
            continue;
        if (entry[DesktopFormat::kActive].ToBool())
            active = view;
        const QString panelFile = PanelFile(panelFolder, name, DesktopFormat::kDesktopExtension);
        if ((m_damagedDesktop || QFileInfo::exists(panelFile)) && !PanelStateReader(panelFile).IsLoaded())
        {
            // The rectangles went with the list: the windows open where their modules put them.
            RestoreUnlistedWindows(view, panelFile);
        }
        else
        {
            std::vector<IDesktopHost::RestoredWindow> restored;
            const auto windowsOfView = [this, view] {
                std::vector<QWidget*> windows;
                for (const IDesktopHost::ModuleWindow& window : m_host.GetModuleWindows(view))
                    windows.push_back(window.window);
                return windows;
            };
            PanelStateFiles::RestorePanel(view, panelFile, m_modules, {windowsOfView, &restored});
            m_host.ArrangeRestoredWindows(view, restored);
        }
        m_host.FitModuleWindows(view);
        opened.push_back(view);
    }
    m_host.ShowPanels(opened, active);
    if (node.Exists(DesktopFormat::kShowHideRibbon))
        m_host.SetRibbonMinimized(node[DesktopFormat::kShowHideRibbon].ToInt() != 0);
    return !opened.empty();
}

void DesktopSession::RestoreUnlistedWindows(QWidget* view, const QString& panelFile)
{
    const int restored = PanelWindowsRecovery::RestoreFromFolder(view, panelFile, m_modules);
    Log::WriteError(QStringLiteral("Nie odczytano pliku panelu %1: otwarto okna zapisane w jego katalogu (%2).")
                        .arg(panelFile)
                        .arg(restored),
                    ProductName(), kOpenPlace, __LINE__);
    m_unreadParts << QStringLiteral("- plik \"%1\" (okna przywrócone z katalogu panelu: %2)")
                         .arg(QDir::toNativeSeparators(panelFile))
                         .arg(restored);
}

void DesktopSession::LoadLastSession()
{
    if (m_host.IsSessionLoaded())
        return;
    StagedDesktopSave::Recover(GetLastSessionPath());
    // The first run has no session yet: nothing to warn about.
    if (!QFileInfo::exists(GetLastSessionPath()))
        Log::WriteInfo(QStringLiteral("Brak zapisanej sesji: program zaczyna od pustego ekranu."), ProductName(), kLoadPlace,
                       __LINE__);
    else if (LoadSession(GetLastSessionPath()) || RecoverFromPanelFolder(GetLastSessionPath()))
        return;
    if (m_host.GetScreens().empty())
        m_host.CreateNewPanel();
    m_modules.NotifySessionLoaded(m_host.GetActiveView());
    // The empty screen is the session: windows follow activation from now on.
    m_host.SetSessionLoaded(true);
}

bool DesktopSession::SaveDesktop(const QString& panelFolder, Settings& node)
{
    const std::vector<IDesktopHost::Screen> screens = ScreensWithPanels(kSaveDesktopPlace);
    if (screens.empty())
        return false;
    const auto panels = DesktopScreenSelection::Select(screens, m_host.GetActiveView(), m_host.GetScreensLimit(),
                                                       DesktopScreenSelection::Format::Native);
    for (const DesktopScreenSelection::Panel& panel : panels)
    {
        const QString file = PanelFile(panelFolder, panel.name, DesktopFormat::kDesktopExtension);
        if (!PanelStateFiles::SavePanel(file, m_host.GetModuleWindows(panel.view), false))
        {
            Log::WriteError(QStringLiteral("Nie udało się zapisać panelu"), ProductName(), kSaveDesktopPlace, __LINE__);
            continue;
        }
        Settings& entry = node.AddUnnamed();
        entry[DesktopFormat::kPanelName] = panel.name;
        entry[DesktopFormat::kActive] = panel.active;
        if (panel.versionInfo)
            entry[DesktopFormat::kVersInfo] = QStringLiteral("1");
        if (panel.caption != panel.name)
            entry[DesktopFormat::kCaption] = panel.caption;
    }
    if (const std::optional<bool> minimized = m_host.IsRibbonMinimized())
        node[DesktopFormat::kShowHideRibbon] = static_cast<std::int32_t>(*minimized ? 1 : 0);
    return true;
}

bool DesktopSession::SaveDesktopToQ5Format(const QString& panelFolder, Q5Settings& node)
{
    const std::vector<IDesktopHost::Screen> screens = ScreensWithPanels(kExportDesktopPlace);
    if (screens.empty())
        return false;
    const auto panels = DesktopScreenSelection::Select(screens, m_host.GetActiveView(), m_host.GetScreensLimit(),
                                                       DesktopScreenSelection::Format::Q5);
    for (const DesktopScreenSelection::Panel& panel : panels)
    {
        const QString file = PanelFile(panelFolder, panel.name, DesktopFormat::kQ5PanelExtension);
        if (!PanelStateFiles::SavePanelToQ5Format(file, m_host.GetModuleWindows(panel.view), m_modules))
        {
            Log::WriteError(QStringLiteral("Nie udało się zapisać panelu"), ProductName(), kExportDesktopPlace, __LINE__);
            continue;
        }
        Q5Settings& entry = node.AddUnnamed();
        entry[DesktopFormat::kPanelName.toStdString()] = panel.name;
        entry[DesktopFormat::kActive.toStdString()] = panel.active;
    }
    return true;
}

bool DesktopSession::SaveSession(const QString& path, bool tellUser)
{
    Log::WriteInfo(QStringLiteral("Zapisywanie sesji"), ProductName(), kSaveSessionPlace, __LINE__);
    Settings tree;
    bool screensSaved = false;
    const bool written = WriteWithPanelFolder(
        path, DesktopFormat::kDesktopExtension, kSaveSessionPlace, tellUser,
        [&](const QString& panelFolder) {
            screensSaved = SaveDesktop(panelFolder, tree[DesktopFormat::kDesktopNode]);
            m_modules.SerialiseModulesStates(tree);
        },
        [&](const QString& file) { return tree.SaveToFile(file, DesktopFormat::kSessionRoot); });
    return written && screensSaved;
}

bool DesktopSession::WriteWithPanelFolder(const QString& path, const QString& panelExtension, const QString& place,
                                          bool tellUser, const std::function<void(const QString& panelFolder)>& writePanels,
                                          const std::function<bool(const QString& file)>& writeFile)
{
    // A save of this desktop that was broken off is finished first, so this one replaces it.
    StagedDesktopSave::Recover(path);
    StagedDesktopSave save(path, panelExtension);
    bool saved = save.Prepare();
    if (saved)
    {
        writePanels(save.PanelsPath());
        saved = writeFile(save.DesktopFilePath()) && save.Commit();
    }
    if (!saved)
    {
        const QString reason = save.ErrorText().isEmpty() ? QStringLiteral("pliku nie można zapisać") : save.ErrorText();
        const QString text = QStringLiteral("Nie zapisano pulpitu %1: %2.").arg(QDir::toNativeSeparators(path), reason);
        Log::WriteError(text, ProductName(), place, __LINE__);
        m_saveError = text;
        if (tellUser)
            m_host.ShowMessage(text);
        return false;
    }
    if (tellUser && !save.MovedAside().isEmpty())
        m_host.ShowMessage(QStringLiteral("Zapisano pulpit %1. To, co nie było zapisem pulpitu, a stało pod nazwami jego "
                                          "paneli, zachowano pod nowymi nazwami:\n%2")
                               .arg(QDir::toNativeSeparators(path), save.MovedAside().join(QLatin1Char('\n'))));
    return true;
}

std::vector<IDesktopHost::Screen> DesktopSession::ScreensWithPanels(const QString& place) const
{
    std::vector<IDesktopHost::Screen> screens;
    for (const IDesktopHost::Screen& screen : m_host.GetScreens())
    {
        if (screen.view)
            screens.push_back(screen);
        else
            Log::WriteError(QStringLiteral("Nie znaleziono panelu"), ProductName(), place, __LINE__);
    }
    return screens;
}
