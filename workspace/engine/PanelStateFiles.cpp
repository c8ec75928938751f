#include "workspace/engine/PanelStateFiles.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/IGenericModule.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "workspace/engine/DesktopFormat.h"
#include "workspace/engine/IDesktopModules.h"
#include "workspace/engine/PanelFolder.h"
#include "workspace/engine/PanelStateReader.h"
#include "workspace/engine/PanelWindowsRecovery.h"
#include "workspace/engine/SafeFileName.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <map>
#include <set>

namespace
{
const QString kSavePlace = QStringLiteral("PanelFrame::SavePanel");
const QString kSaveQ5Place = QStringLiteral("PanelFrame::SavePanelToQ5Format");
const QString kRestorePlace = QStringLiteral("PanelFrame::RestorePanel");

QString ProductName()
{
    return QString::fromLatin1(AppPaths::kProductName);
}

void WriteError(const QString& place, int line, const QString& text)
{
    Log::WriteError(text, ProductName(), place, line);
}
}

bool PanelStateFiles::SavePanel(const QString& path, const Windows& windows, bool embedStyles)
{
    std::vector<Listed> listed;
    const auto folderName = [](const IGenericModule& module) { return module.GetModuleName(); };
    const auto save = [embedStyles](IGenericModule& module, QWidget* window, const QString& file) {
        return module.SaveWindowToFile(window, file, 0, embedStyles);
    };
    if (!SaveWindows(path, windows, kSavePlace, folderName, save, listed))
        return false;
    Settings panel;
    for (const Listed& entry : listed)
    {
        Settings& child = panel.AddUnnamed();
        child[DesktopFormat::kModuleName] = entry.moduleName;
        child[DesktopFormat::kWindowName] = entry.windowName;
        if (entry.rect.isValid())
            child[DesktopFormat::kRect] = Rect::FromQRect(entry.rect);
    }
    if (panel.SaveToFile(path, DesktopFormat::kPanelRoot))
        return true;
    WriteError(kSavePlace, __LINE__, QStringLiteral("Nie udało się zapisać pliku panelu %1").arg(path));
    return false;
}

bool PanelStateFiles::SavePanelToQ5Format(const QString& path, const Windows& windows, IDesktopModules& modules)
{
    std::vector<Listed> listed;
    const auto folderName = [](const IGenericModule& module) { return module.GetQ5ModuleName(); };
    const auto save = [](IGenericModule& module, QWidget* window, const QString& file) {
        return module.SaveWindowToQ5Format(window, file, 0, 0);
    };
    if (!SaveWindows(path, windows, kSaveQ5Place, folderName, save, listed))
        return false;
    Q5Settings panel;
    if (modules.CanSavePanelSettingsToQ5Format())
        modules.SavePanelSettingsToQ5Format(panel[DesktopFormat::kPanelSettingsNode]);
    for (const Listed& entry : listed)
    {
        Q5Settings& child = panel.AddUnnamed();
        child[DesktopFormat::kModuleName.toStdString()] = entry.moduleName;
        child[DesktopFormat::kWindowName.toStdString()] = entry.windowName;
    }
    if (panel.SaveToFile(path, DesktopFormat::kPanelRoot.toUtf8().constData()))
        return true;
    WriteError(kSaveQ5Place, __LINE__, QStringLiteral("Nie udało się zapisać pliku panelu %1").arg(path));
    return false;
}

int PanelStateFiles::RestorePanel(QWidget* view, const QString& path, IDesktopModules& modules,
                                  const PanelRestoreReport& report)
{
    const bool reporting = report.windowsOfView && report.restored;
    const QDir folder(PanelFolder::Of(path));
    PanelStateReader reader(path);
    if (!reader.IsLoaded())
        return 0;
    int opened = 0;
    while (reader.Iterate())
    {
        const QString moduleName = reader.GetModuleName();
        const QString windowName = reader.GetWindowName();
        if (!SafeFileName::IsSafeStem(moduleName) || !SafeFileName::IsSafeStem(windowName))
        {
            Log::WriteWarning(QStringLiteral("Pominięto okno \"%1\" modułu \"%2\" z pliku panelu %3: "
                                             "nazwa nie może być nazwą pliku.")
                                  .arg(windowName, moduleName, path),
                              ProductName(), kRestorePlace, __LINE__);
            continue;
        }
        IGenericModule* module = modules.GetModuleByName(moduleName);
        if (!module)
            continue;
        const QString file = QDir(folder.filePath(moduleName)).filePath(windowName + module->GetFileExtension());
        const std::vector<QWidget*> before = reporting ? report.windowsOfView() : std::vector<QWidget*>();
        if (!module->OpenWindowFromFile(view, file, true))
        {
            PanelWindowsRecovery::KeepUnopenedWindowFile(file);
            continue;
        }
        ++opened;
        if (!reporting)
            continue;
        const QRect rect = reader.GetWindowRect().value_or(QRect());
        for (QWidget* window : report.windowsOfView())
            if (std::find(before.begin(), before.end(), window) == before.end())
                report.restored->push_back({window, rect});
    }
    return opened;
}

bool PanelStateFiles::SaveWindows(const QString& path, const Windows& windows, const QString& place,
                                  const FolderName& folderName, const SaveWindow& save, std::vector<Listed>& listed)
{
    const QString panelFolder = PanelFolder::Of(path);
    if (panelFolder.isEmpty() || !QDir().mkpath(panelFolder))
    {
        WriteError(place, __LINE__, QStringLiteral("Nie udało się utworzyć katalogu dla panelu"));
        return false;
    }
    std::set<QWidget*> saved;
    std::map<QString, std::set<QString>> stemsByFolder;
    for (const IDesktopHost::ModuleWindow& window : windows)
    {
        if (!window.module || saved.count(window.window) != 0 || !window.module->SerialiseInLastSession(window.window))
            continue;
        const QString moduleName = window.module->GetModuleName();
        const QString listedModule = folderName(*window.module);
        const QString moduleFolder = QDir(panelFolder).filePath(SafeFileName::Stem(listedModule));
        if (!QDir().mkpath(moduleFolder))
        {
            WriteError(place, __LINE__, QStringLiteral("Nie udało się utworzyć katalogu dla modułu %1").arg(moduleName));
            continue;
        }
        std::set<QString>& stems = stemsByFolder[moduleFolder];
        const QString stem = SafeFileName::UniqueStem(window.name, stems);
        const QString file = QDir(moduleFolder).filePath(stem + window.module->GetFileExtension());
        if (!save(*window.module, window.window, file))
        {
            // Whatever the module left of the file is not listed, so it goes.
            QFile::remove(file);
            stems.erase(stem);
            WriteError(place, __LINE__, QStringLiteral("Nie udało się zapisać stanu okna modułu %1").arg(moduleName));
            continue;
        }
        saved.insert(window.window);
        listed.push_back({listedModule, stem, window.rect});
    }
    return true;
}
