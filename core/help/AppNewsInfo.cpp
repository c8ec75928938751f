#include "core/help/AppNewsInfo.h"

#include "platform/base/AppPaths.h"
#include "platform/settings/Settings.h"

#include <QDir>

#include <utility>

QString AppNewsInfoPath(const QString& installSettingsName, const QString& productName)
{
    return QDir(AppPaths::ExecutableFolder())
        .filePath(installSettingsName + QLatin1Char('/') + productName + QStringLiteral("/VersionInfo.xml"));
}

bool ReadAppNewsInfo(const QString& path, AppNewsInfo& info)
{
    Settings settings;
    if (!settings.LoadFromFile(path, QStringLiteral("Info")))
        return false;
    const Settings& values = std::as_const(settings);
    info.AppNewsFileName = values["AppNewsFileName"].ToString();
    info.AppNewsVersionId = values["AppNewsVersionId"].ToString();
    return true;
}
