#pragma once
// What "VersionInfo.xml" of the installation tells about the application-news program: its file
// name beside the executable and the version text it is given.

#include <QString>

struct AppNewsInfo
{
    QString AppNewsFileName;
    QString AppNewsVersionId;
};

// <folder of the executable>/<install settings name>/<product name>/"VersionInfo.xml".
QString AppNewsInfoPath(const QString& installSettingsName, const QString& productName);
// Fills both texts from the settings file (node "Info"); false, leaving them unchanged, when the
// file cannot be loaded.
bool ReadAppNewsInfo(const QString& path, AppNewsInfo& info);
