#include "workspace/engine/PanelFolder.h"

#include "platform/settings/Settings.h"
#include "workspace/engine/DesktopFormat.h"

#include <QDir>
#include <QFileInfo>

namespace
{
constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

bool IsPlainFolder(const QFileInfo& info)
{
    return info.isDir() && !info.isSymLink();
}

bool IsPlainFile(const QFileInfo& info)
{
    return info.isFile() && !info.isSymLink();
}
}

QString PanelFolder::Of(const QString& filePath)
{
    const QFileInfo file(filePath);
    if (file.suffix().isEmpty() || file.completeBaseName().isEmpty())
        return {};
    return file.dir().filePath(file.completeBaseName());
}

bool PanelFolder::IsPanelFile(const QString& path, const QString& panelExtension)
{
    if (!path.endsWith(panelExtension) || !IsPlainFile(QFileInfo(path)))
        return false;
    Settings panel;
    return panel.LoadFromFile(path, DesktopFormat::kPanelRoot);
}

bool PanelFolder::IsWindowsFolder(const QString& path, const QString& panelExtension)
{
    const QString otherExtension = panelExtension == DesktopFormat::kDesktopExtension ? DesktopFormat::kQ5PanelExtension
                                                                                      : DesktopFormat::kDesktopExtension;
    const QFileInfo info(path);
    if (!IsPlainFolder(info) || QFileInfo::exists(path + otherExtension))
        return false;
    for (const QFileInfo& module : QDir(path).entryInfoList(kEverything))
    {
        if (!IsPlainFolder(module))
            return false;
        for (const QFileInfo& window : QDir(module.filePath()).entryInfoList(kEverything))
            if (!IsPlainFile(window))
                return false;
    }
    return true;
}
