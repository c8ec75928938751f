#pragma once
// Where the settings store keeps its files: the user's copy in the application-data folder
// ("Quorvanta 4"/<manager>/<tree>.settings.xml) and the read-only default copy in the
// "InstallSettings" folder beside the executable; and the two folders of style files.
// A manager, tree or folder name that is empty, "." or "..", or holds a slash, is refused,
// so no name can reach outside these folders.

#include <QString>

#include <optional>

// With create, the missing manager folder is made and the path given whether the file exists
// or not; without it, the path only of an existing file, and nothing is created.
std::optional<QString> GetUserSettingsFilePath(const QString& managerName, const QString& treeName, bool create);
// The path of an existing default file; never creates anything.
std::optional<QString> GetDefaultSettingsFilePath(const QString& managerName, const QString& treeName);
// The folders of style files, created when missing.
std::optional<QString> GetUserStylesFolderPath(const QString& name);
std::optional<QString> GetDefaultStylesFolderPath(const QString& name);
