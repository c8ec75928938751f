#include "workspace/engine/PanelWindowsRecovery.h"

#include "platform/base/AppPaths.h"
#include "platform/base/FileBackup.h"
#include "platform/base/Log.h"
#include "platform/modules/IGenericModule.h"
#include "workspace/engine/IDesktopModules.h"
#include "workspace/engine/PanelFolder.h"
#include "workspace/engine/SafeFileName.h"

#include <QDir>
#include <QFileInfo>

namespace
{
// Plain, visible entries only: a link could lead out of the panel folder, and hidden ones are
// the saves' own.
QFileInfoList PlainEntries(const QString& folder, QDir::Filters kind)
{
    QFileInfoList entries;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(kind | QDir::NoDotAndDotDot, QDir::Name))
        if (!entry.isSymLink())
            entries << entry;
    return entries;
}
}

int PanelWindowsRecovery::RestoreFromFolder(QWidget* view, const QString& panelPath, IDesktopModules& modules)
{
    const QString panelFolder = PanelFolder::Of(panelPath);
    if (panelFolder.isEmpty())
        return 0;
    int opened = 0;
    for (const QFileInfo& moduleFolder : PlainEntries(panelFolder, QDir::Dirs))
    {
        IGenericModule* module = modules.GetModuleByName(moduleFolder.fileName());
        if (!module)
            continue;
        for (const QFileInfo& file : PlainEntries(moduleFolder.filePath(), QDir::Files))
        {
            if (!file.fileName().endsWith(module->GetFileExtension()))
                continue;
            if (module->OpenWindowFromFile(view, file.filePath(), true))
                ++opened;
            else
                KeepUnopenedWindowFile(file.filePath());
        }
    }
    return opened;
}

void PanelWindowsRecovery::KeepUnopenedWindowFile(const QString& windowFile)
{
    const QFileInfo file(windowFile);
    if (!file.isFile() || file.isSymLink())
        return;
    QString backup;
    if (FileBackup::KeepCopy(windowFile, backup))
        Log::WriteWarning(QStringLiteral("Nie otwarto okna z pliku %1; plik zachowano jako \"%2\".").arg(windowFile, backup),
                          QString::fromLatin1(AppPaths::kProductName), QStringLiteral("PanelFrame::RestorePanel"),
                          __LINE__);
}

QStringList PanelWindowsRecovery::PanelNames(const QString& panelFolder, const QString& panelExtension)
{
    QStringList names;
    for (const QFileInfo& entry : PlainEntries(panelFolder, QDir::Files | QDir::Dirs))
    {
        QString name = entry.fileName();
        if (entry.isFile() && name.endsWith(panelExtension))
            name.chop(panelExtension.size());
        else if (!entry.isDir() || !PanelFolder::IsWindowsFolder(entry.filePath(), panelExtension))
            continue;
        if (SafeFileName::IsSafeStem(name) && !names.contains(name))
            names << name;
    }
    names.sort();
    return names;
}
