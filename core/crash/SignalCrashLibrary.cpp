#include "core/crash/SignalCrashLibrary.h"

#include "core/crash/CrashSignalHandler.h"
#include "platform/base/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{
QString OneLine(const QString& value)
{
    QString line = value;
    for (QChar& character : line)
        if (character.category() == QChar::Other_Control)
            character = QLatin1Char(' ');
    return line;
}
}

std::optional<AppVersionNumber> SignalCrashLibrary::GetVersion() const
{
    return Version();
}

bool SignalCrashLibrary::Install(const CrashInstallInfo& info)
{
    if (CrashSignalHandler::IsInstalled())
        return Fail(QStringLiteral("Raportowanie awarii jest już zainstalowane."));
    if (!CrashSignalHandler::SetHeader(BuildReportHeader(info)))
        return Fail(QStringLiteral("Opis raportu jest zbyt długi."));
    // No folder until ConfigureReports: a crash before it reports on the standard error output.
    CrashSignalHandler::SetReportsFolder(QByteArray());
    CrashSignalHandler::SetLogFile(QByteArray());
    QString error;
    if (!CrashSignalHandler::Install(error))
        return Fail(error);
    return true;
}

bool SignalCrashLibrary::Uninstall()
{
    if (!CrashSignalHandler::IsInstalled())
        return Fail(QStringLiteral("Raportowanie awarii nie jest zainstalowane."));
    CrashSignalHandler::Uninstall();
    return true;
}

bool SignalCrashLibrary::InstallToThread(unsigned flags)
{
    if (!CrashSignalHandler::IsInstalled())
        return Fail(QStringLiteral("Raportowanie awarii nie jest zainstalowane."));
    if (!CrashSignalHandler::InstallAltStack())
        return Fail(QStringLiteral("Nie można przygotować stosu obsługi sygnałów wątku."));
    return true;
}

bool SignalCrashLibrary::UninstallFromThread()
{
    CrashSignalHandler::RemoveAltStack();
    return true;
}

bool SignalCrashLibrary::ConfigureReports(const QString& folder, int keptReports)
{
    if (!CrashSignalHandler::IsInstalled())
        return Fail(QStringLiteral("Raportowanie awarii nie jest zainstalowane."));
    const QFileInfo folderInfo(folder);
    if (folder.isEmpty() || !folderInfo.isDir())
        return Fail(QStringLiteral("Folder raportów \"%1\" nie istnieje.").arg(folder));
    const QString absoluteFolder = folderInfo.absoluteFilePath();
    // The log is opened in the same folder at start-up, possibly after the reporter.
    const QString logFile = Log::IsOpen() ? Log::LogFilePath() : QDir(absoluteFolder).filePath(Log::LogFileName());
    if (!CrashSignalHandler::SetReportsFolder(QFile::encodeName(absoluteFolder))
        || !CrashSignalHandler::SetLogFile(QFile::encodeName(logFile)))
        return Fail(QStringLiteral("Ścieżka folderu raportów \"%1\" jest zbyt długa.").arg(folder));

    QDir dir(absoluteFolder);
    const QString pattern = QString::fromLatin1(CrashSignalHandler::kReportPrefix) + QLatin1Char('*');
    const QStringList partial = dir.entryList({pattern + QString::fromLatin1(CrashSignalHandler::kPartialSuffix)}, QDir::Files);
    for (const QString& name : partial)
        dir.remove(name);
    const QStringList reports = ReportFiles(absoluteFolder);
    for (qsizetype i = qMax(keptReports, 0); i < reports.size(); ++i)
        dir.remove(reports[i]);
    return true;
}

QString SignalCrashLibrary::GetLastErrorMessage() const
{
    std::lock_guard lock(m_errorMutex);
    return m_lastError;
}

QByteArray SignalCrashLibrary::BuildReportHeader(const CrashInstallInfo& info)
{
    QString header = QStringLiteral("Raport błędu: %1\n").arg(OneLine(info.emailSubject));
    header += QStringLiteral("Program: %1\n").arg(OneLine(info.applicationName));
    header += QStringLiteral("Wersja: %1\n").arg(OneLine(info.applicationVersion));
    header += QStringLiteral("Użytkownik: %1\n").arg(OneLine(info.user));
    header += QStringLiteral("Kod: %1\n").arg(OneLine(info.code));
    return header.toUtf8();
}

QStringList SignalCrashLibrary::ReportFiles(const QString& folder)
{
    const QString pattern = QString::fromLatin1(CrashSignalHandler::kReportPrefix) + QLatin1Char('*')
        + QString::fromLatin1(CrashSignalHandler::kReportSuffix);
    // The names hold the UTC time of the crash, so they sort by it.
    QStringList names = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
    std::reverse(names.begin(), names.end());
    return names;
}

bool SignalCrashLibrary::Fail(const QString& text)
{
    std::lock_guard lock(m_errorMutex);
    m_lastError = text;
    return false;
}
