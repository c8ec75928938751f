#pragma once
// Where the program finds and keeps its files: the user's application-data folder of the
// product, the user's documents, and the read-only folders installed beside the executable.
// Every folder follows HOME and the XDG variables at the time of the call, so tests can
// point them at a temporary home.

#include <QString>

namespace AppPaths
{
inline constexpr const char* kProductName = "Quorvanta 4";

// $XDG_DATA_HOME/Quorvanta 4 (or ~/.local/share/Quorvanta 4); created when missing.
QString AppDataFolder();
// The same folder's path, for readers that must not create it.
QString AppDataFolderPath();
// The user's documents folder (XDG documents, else ~/Documents).
QString DocumentsFolder();
// The folder of the running executable, unless a test set another one.
QString ExecutableFolder();
void SetExecutableFolder(const QString& folder);

QString InstallSettingsName();          // "InstallSettings"
QString InstallSettingsFolder();        // beside the executable, read-only defaults
QString StyleFolder();                  // "Style" beside the executable
QString ConsumersFolder();              // "Consumers" beside the executable
QString ProvidersFolder();              // "Providers" beside the executable

// Creates the folder with its parents; false when it cannot exist.
bool EnsureFolder(const QString& folder);
}
