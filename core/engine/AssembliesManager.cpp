#include "core/engine/AssembliesManager.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/PluginApi.h"
#include "platform/settings/SettingsManager.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>
#include <algorithm>
#include <utility>

namespace
{
QString ModuleName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}

QString LastLoaderError()
{
    const char* error = dlerror();
    return error ? QString::fromLocal8Bit(error) : QStringLiteral("nieznany błąd");
}
}

AssembliesManager::AssembliesManager(QString folderName)
    : m_folderName(std::move(folderName))
{
}

AssembliesManager::~AssembliesManager()
{
    for (const Library& library : m_libraries)
        Free(library);
}

QString AssembliesManager::GetFolderPath() const
{
    return QDir(AppPaths::ExecutableFolder()).filePath(m_folderName);
}

QStringList AssembliesManager::FindLibraries() const
{
    const QDir folder(GetFolderPath());
    QStringList paths;
    const QStringList names = folder.entryList({QString::fromLatin1(kPluginLibraryPattern)}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        paths.append(folder.filePath(name));
    return paths;
}

bool AssembliesManager::LoadAssemblies(const QStringList& paths)
{
    bool allLoaded = true;
    for (const QString& path : paths)
    {
        // RTLD_LOCAL: the plug-ins' own symbols stay apart, so two plug-ins never mix theirs.
        void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
        {
            WriteSkipped("AssembliesManager::LoadAssemblies", path,
                         QStringLiteral("nie można jej wczytać: %1").arg(LastLoaderError()));
            allLoaded = false;
            continue;
        }
        // A second name of a library already loaded (a link) would give its object twice.
        const auto same = std::find_if(m_libraries.begin(), m_libraries.end(),
                                       [handle](const Library& library) { return library.handle == handle; });
        if (same != m_libraries.end())
        {
            WriteSkipped("AssembliesManager::LoadAssemblies", path,
                         QStringLiteral("to ta sama biblioteka co \"%1\"").arg(same->path));
            Free({path, handle});
            continue;
        }
        m_libraries.push_back({path, handle});
    }
    return allLoaded;
}

std::shared_ptr<ISettingsManager> AssembliesManager::AddSettingsManager(const QString& name)
{
    auto settingsManager = std::make_shared<SettingsManager>(name);
    m_settingsManagers.push_back(settingsManager);
    return settingsManager;
}

void* AssembliesManager::ResolveExport(const Library& library, const char* exportName, QString& reason) const
{
    dlerror();
    const auto version = reinterpret_cast<GetPluginApiVersionFunction>(dlsym(library.handle, kPluginApiVersionExport));
    if (!version)
    {
        reason = QStringLiteral("brak funkcji \"%1\"").arg(QString::fromLatin1(kPluginApiVersionExport));
        return nullptr;
    }
    if (const int pluginVersion = version(); pluginVersion != kPluginApiVersion)
    {
        reason = QStringLiteral("wersja interfejsu %1 zamiast %2").arg(pluginVersion).arg(kPluginApiVersion);
        return nullptr;
    }
    void* symbol = dlsym(library.handle, exportName);
    if (!symbol)
        reason = QStringLiteral("brak funkcji \"%1\"").arg(QString::fromLatin1(exportName));
    return symbol;
}

void AssembliesManager::Resolve(const char* exportName, const char* where,
                                const std::function<bool(const Library& library, void* symbol, QString& reason)>& accept)
{
    std::vector<Library> kept;
    for (const Library& library : m_libraries)
    {
        QString reason;
        void* symbol = ResolveExport(library, exportName, reason);
        if (symbol && accept(library, symbol, reason))
        {
            kept.push_back(library);
            continue;
        }
        WriteSkipped(where, library.path, reason);
        Free(library);
    }
    m_libraries = std::move(kept);
}

void AssembliesManager::WriteSkipped(const char* where, const QString& path, const QString& reason)
{
    Log::WriteWarning(QStringLiteral("Pominięto bibliotekę \"%1\": %2.").arg(path, reason), ModuleName(),
                      QString::fromLatin1(where), __LINE__);
}

void AssembliesManager::Free(const Library& library)
{
    if (dlclose(library.handle) != 0)
        Log::WriteWarning(QStringLiteral("Nie zwolniono biblioteki \"%1\": %2.").arg(library.path, LastLoaderError()),
                          ModuleName(), QStringLiteral("AssembliesManager::Free"), __LINE__);
}
