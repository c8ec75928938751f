#pragma once
// The two homes of the settings files of groups and module templates: a folder of the
// user's application-data folder ("Quorvanta 4"), made when missing, and the read-only
// factory folder "InstallSettings" beside the executable.

#include <QString>

namespace SettingsFolders
{
// <application data>/<folder>, made when missing (a folder that cannot be made is still named).
QString AppDataFolder(const QString& folder);
// <application data>/<folder>/<fileName>, the folder made when missing.
QString AppDataFile(const QString& folder, const QString& fileName);
// <executable>/InstallSettings/<folder>/<fileName>; nothing is made.
QString InstallSettingsFile(const QString& folder, const QString& fileName);
}
