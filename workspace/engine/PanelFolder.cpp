#include "workspace/engine/PanelFolder.h"

#include "platform/settings/Settings.h"
#include "workspace/engine/DesktopFormat.h"

#include <QDir>
#include <QFileInfo>

#include <set>

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

void SetReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}
}

QString PanelFolder::Of(const QString& filePath)
{
    const QFileInfo file(filePath);
    if (file.suffix().isEmpty() || file.completeBaseName().isEmpty())
        return {};
    return file.dir().filePath(file.completeBaseName());
}

bool PanelFolder::IsReplaceable(const QString& folder, const QString& panelExtension, QString* reason)
{
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!IsPlainFolder(info))
    {
        SetReason(reason, QStringLiteral("\"%1\" nie jest katalogiem").arg(folder));
        return false;
    }
    const QFileInfoList entries = QDir(folder).entryInfoList(kEverything);
    std::set<QString> panelFiles;
    std::set<QString> panelNames;
    for (const QFileInfo& entry : entries)
    {
        if (IsPlainFile(entry) && IsPanelFile(entry.filePath(), panelExtension))
        {
            panelFiles.insert(entry.fileName());
            panelNames.insert(entry.completeBaseName());
        }
    }
    for (const QFileInfo& entry : entries)
    {
        const bool panelFile = panelFiles.count(entry.fileName()) != 0;
        const bool windowsFolder = IsPlainFolder(entry) && panelNames.count(entry.fileName()) != 0 &&
                                   IsWindowsFolder(entry.filePath());
        if (!panelFile && !windowsFolder)
        {
            SetReason(reason, QStringLiteral("\"%1\" nie należy do zapisanego pulpitu").arg(entry.filePath()));
            return false;
        }
    }
    return true;
}

bool PanelFolder::IsPanelFile(const QString& path, const QString& panelExtension)
{
    if (!path.endsWith(panelExtension))
        return false;
    Settings panel;
    return panel.LoadFromFile(path, DesktopFormat::kPanelRoot);
}

bool PanelFolder::IsWindowsFolder(const QString& path)
{
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
