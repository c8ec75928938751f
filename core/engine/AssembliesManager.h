#pragma once
// The loading of plug-in libraries from a folder beside the executable ("Consumers" or
// "Providers"): every "*.so" file there, in name order. A library is kept only when it was
// built against this program's plug-in interfaces (its exported version) and its manager
// accepts what it exports; every library that is skipped is named in the log with the reason.
// The libraries stay loaded until the manager is destroyed, which frees them in load order;
// the objects they gave live in them and are never deleted by the manager.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class ISettingsManager;

class AssembliesManager
{
public:
    explicit AssembliesManager(QString folderName);
    virtual ~AssembliesManager();
    AssembliesManager(const AssembliesManager&) = delete;
    AssembliesManager& operator=(const AssembliesManager&) = delete;

    // Loads the folder's libraries and keeps those that give an accepted object; true in every
    // case (a missing folder or a skipped library only leaves the manager with fewer).
    virtual bool Load() = 0;
    // Ends the work of every kept object, then shuts them down for good.
    virtual void StopWork() = 0;
    virtual void ShutDown() = 0;

    // Loads each library and appends it to the kept ones; false when any failed to load (the
    // others are loaded all the same).
    bool LoadAssemblies(const QStringList& paths);
    // A settings store named after an owner, kept for the whole run.
    std::shared_ptr<ISettingsManager> AddSettingsManager(const QString& name);
    QString GetFolderName() const { return m_folderName; }
    // The folder beside the executable.
    QString GetFolderPath() const;
    std::size_t GetLibraryCount() const { return m_libraries.size(); }

protected:
    struct Library
    {
        QString path;
        void* handle = nullptr;
    };

    // The plug-in files of the folder, in name order; none when the folder is missing.
    QStringList FindLibraries() const;
    // Keeps the libraries for which accept is true, in load order, and frees the others.
    // accept gets each library's export (null when missing or the library's plug-in API version
    // differs, both logged) and returns false with the reason when it refuses.
    void Resolve(const char* exportName, const char* where,
                 const std::function<bool(const Library& library, void* symbol, QString& reason)>& accept);
    static void WriteSkipped(const char* where, const QString& path, const QString& reason);

private:
    // The export's address; null with the reason when the library does not qualify.
    void* ResolveExport(const Library& library, const char* exportName, QString& reason) const;
    static void Free(const Library& library);

    std::vector<std::shared_ptr<ISettingsManager>> m_settingsManagers;
    std::vector<Library> m_libraries;
    QString m_folderName;
};
