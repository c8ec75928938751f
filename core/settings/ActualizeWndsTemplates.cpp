#include "core/settings/ActualizeWndsTemplates.h"

#include "core/settings/ModuleDefaultFiles.h"
#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/FileBackup.h"
#include "platform/base/Log.h"

#include <QFile>
#include <QFileInfo>

namespace
{
void Report(const QString& text, int line)
{
    Log::WriteWarning(text, QString::fromUtf8(AppPaths::kProductName),
                      QStringLiteral("ActualizeWndsTemplates::RepairModuleTemplate"), line);
}
}

void ActualizeWndsTemplates::Update()
{
    for (int moduleId : kRepairOrder)
        RepairModuleTemplate(moduleId);
}

bool ActualizeWndsTemplates::RepairModuleTemplate(int moduleId)
{
    const QString currentPath = GetModuleDefaultFilePath(moduleId, ModuleDefaultFileKind::Current);
    if (currentPath.isEmpty() || !QFileInfo::exists(currentPath) || CheckModuleDefaultFile(moduleId))
        return true;

    const QString basePath = GetModuleDefaultFilePath(moduleId, ModuleDefaultFileKind::Base);
    QFile base(basePath);
    if (!base.open(QIODevice::ReadOnly))
    {
        Report(QStringLiteral("Szablon %1 jest niepoprawny, a jego kopii fabrycznej %2 nie można odczytać.")
                   .arg(currentPath, basePath),
               __LINE__);
        return false;
    }
    const QByteArray content = base.readAll();

    QString backupPath;
    if (!FileBackup::KeepCopy(currentPath, backupPath))
        return false;
    QString reason;
    if (!AtomicFile::Write(currentPath, content, &reason))
    {
        Report(QStringLiteral("Nie można zastąpić szablonu %1: %2").arg(currentPath, reason), __LINE__);
        return false;
    }
    Report(QStringLiteral("Niepoprawny szablon %1 zastąpiono kopią fabryczną; poprzedni zachowano jako %2.")
               .arg(currentPath, backupPath),
           __LINE__);
    return true;
}
