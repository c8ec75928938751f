#include "workspace/engine/StagedDesktopSave.h"

#include "platform/base/AppPaths.h"
#include "platform/base/FileBackup.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "workspace/engine/DesktopFormat.h"
#include "workspace/engine/PanelFolder.h"
#include "workspace/engine/SafeFileName.h"
#include "workspace/engine/SessionStateReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace
{
const QString kPlace = QStringLiteral("PulpitFrame::SaveDesktop");
const QString kRecoverPlace = QStringLiteral("PulpitFrame::LoadSession");
// Inside the hidden folder: the new panel files, the entries they replace, the desktop file
// and the note that commits the save.
const QString kPanels = QStringLiteral("panels");
const QString kReplaced = QStringLiteral("old");
const QString kDesktop = QStringLiteral("desktop");
const QString kNote = QStringLiteral("commit");
const QString kNoteRoot = QStringLiteral("DesktopSave");
const QString kNoteFile = QStringLiteral("File");
const QString kNoteRetired = QStringLiteral("Retired");
const QString kNoteName = QStringLiteral("Name");
// Enough of the folder's name to recognise it; the random part makes the name unique.
constexpr qsizetype kNameLength = 64;
constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

std::function<void(int)>& RenameHook()
{
    static std::function<void(int)> hook;
    return hook;
}

QString ProductName()
{
    return QString::fromLatin1(AppPaths::kProductName);
}

bool Exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString HiddenPrefix(const QString& panelFolder)
{
    return QStringLiteral(".%1.new.").arg(QFileInfo(panelFolder).fileName().left(kNameLength));
}

bool Rename(const QString& from, const QString& to, QString& error)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    error = QStringLiteral("nie można przenieść \"%1\" do \"%2\": %3")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to),
                     QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(kEverything, QDir::Name);
}
}

StagedDesktopSave::StagedDesktopSave(QString desktopPath, QString panelExtension)
    : m_desktopPath(std::move(desktopPath))
    , m_panelFolder(PanelFolder::Of(m_desktopPath))
    , m_panelExtension(std::move(panelExtension))
{
}

StagedDesktopSave::~StagedDesktopSave()
{
    if (!m_staging.isEmpty() && !m_committed)
        QDir(m_staging).removeRecursively();
}

bool StagedDesktopSave::Prepare()
{
    if (m_panelFolder.isEmpty())
        return Fail(QStringLiteral("plik pulpitu musi mieć nazwę i rozszerzenie"));
    const QFileInfo folder(m_panelFolder);
    if (Exists(m_panelFolder) && (!folder.isDir() || folder.isSymLink()))
        return Fail(QStringLiteral("\"%1\" nie jest katalogiem, a pulpit trzyma w nim swoje panele")
                        .arg(QDir::toNativeSeparators(m_panelFolder)));
    QByteArray pattern = QFile::encodeName(folder.dir().filePath(HiddenPrefix(m_panelFolder) + QStringLiteral("XXXXXX")));
    if (QDir().mkpath(folder.path()) && ::mkdtemp(pattern.data()) != nullptr)
        m_staging = QFile::decodeName(pattern);
    if (m_staging.isEmpty() || !QDir().mkdir(PanelsPath()))
        return Fail(QStringLiteral("nie można utworzyć katalogu obok \"%1\"").arg(QDir::toNativeSeparators(m_panelFolder)));
    return true;
}

QString StagedDesktopSave::PanelsPath() const
{
    return QDir(m_staging).filePath(kPanels);
}

QString StagedDesktopSave::DesktopFilePath() const
{
    return QDir(m_staging).filePath(kDesktop);
}

bool StagedDesktopSave::Commit()
{
    if (m_staging.isEmpty() || m_committed)
        return Fail(QStringLiteral("brak zapisanego pulpitu"));
    QStringList listedPanels;
    if (!MayReplaceDesktopFile(listedPanels))
        return false;
    LeaveReadOnlyPanels();
    if (!MoveForeignEntriesAside())
        return false;
    CarryOverWindowBackups();
    const QStringList retired = EntriesToRetire(listedPanels);
    if (!WriteNote(retired))
        return false;
    std::vector<Move> moves;
    if (!Finish(m_staging, m_desktopPath, retired, moves, m_error))
    {
        Undo(moves);
        return false;
    }
    m_committed = true;
    QDir(m_staging).removeRecursively();
    return true;
}

void StagedDesktopSave::Recover(const QString& desktopPath)
{
    const QString panelFolder = PanelFolder::Of(desktopPath);
    if (panelFolder.isEmpty())
        return;
    const QDir folder = QFileInfo(desktopPath).dir();
    const QString pattern = QRegularExpression::escape(HiddenPrefix(panelFolder)) + QStringLiteral("[A-Za-z0-9]{6}");
    const QRegularExpression name(QRegularExpression::anchoredPattern(pattern));
    for (const QFileInfo& staging : folder.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
    {
        if (!name.match(staging.fileName()).hasMatch() || staging.isSymLink())
            continue;
        Settings note;
        const QString file = note.LoadFromFile(QDir(staging.filePath()).filePath(kNote), kNoteRoot)
                                 ? note[kNoteFile].ToString()
                                 : QString();
        if (file.isEmpty() || !SafeFileName::IsSafeStem(file))
        {
            QDir(staging.filePath()).removeRecursively();
            Log::WriteWarning(QStringLiteral("Usunięto katalog przerwanego zapisu pulpitu %1; pulpit został taki, jaki był.")
                                  .arg(staging.filePath()),
                              ProductName(), kRecoverPlace, __LINE__);
            continue;
        }
        QStringList retired;
        ConstSettingsIterator entries = static_cast<const Settings&>(note[kNoteRetired]).IteratorUnnamed(1);
        while (entries.Iterate())
            if (const QString entry = entries.Node()[kNoteName].ToString(); SafeFileName::IsSafeStem(entry))
                retired << entry;
        std::vector<Move> moves;
        QString error;
        const QString target = folder.filePath(file);
        if (!Finish(staging.filePath(), target, retired, moves, error))
        {
            Log::WriteError(QStringLiteral("Nie dokończono przerwanego zapisu pulpitu %1: %2").arg(target, error),
                            ProductName(), kRecoverPlace, __LINE__);
            continue;
        }
        QDir(staging.filePath()).removeRecursively();
        Log::WriteWarning(QStringLiteral("Dokończono przerwany zapis pulpitu %1.").arg(target), ProductName(),
                          kRecoverPlace, __LINE__);
    }
}

void StagedDesktopSave::SetRenameHook(std::function<void(int done)> hook)
{
    RenameHook() = std::move(hook);
}

bool StagedDesktopSave::Fail(const QString& text)
{
    m_error = text;
    return false;
}

bool StagedDesktopSave::MayReplaceDesktopFile(QStringList& listedPanels)
{
    const QFileInfo file(m_desktopPath);
    if (Exists(m_desktopPath) && (!file.isFile() || file.isSymLink()))
        return Fail(QStringLiteral("\"%1\" nie jest plikiem").arg(QDir::toNativeSeparators(m_desktopPath)));
    const auto readable = [&listedPanels](const QString& path) {
        SessionStateReader reader;
        if (!reader.Load(path))
            return false;
        ConstSettingsIterator entries = reader.GetDesktopNode().IteratorUnnamed(1);
        while (entries.Iterate())
            listedPanels << entries.Node()[DesktopFormat::kPanelName].ToString();
        return true;
    };
    if (!FileBackup::MayReplace(m_desktopPath, readable, ProductName(), kPlace))
        return Fail(QStringLiteral("pliku \"%1\" nie można zastąpić").arg(QDir::toNativeSeparators(m_desktopPath)));
    return true;
}

void StagedDesktopSave::LeaveReadOnlyPanels()
{
    const QDir panels(PanelsPath());
    for (const QString& entry : Entries(PanelsPath()))
    {
        const QString target = QDir(m_panelFolder).filePath(entry);
        if (!entry.endsWith(m_panelExtension) || !FileBackup::IsReadOnly(target))
            continue;
        const QString name = entry.chopped(m_panelExtension.size());
        m_leftPanels << name;
        QFile::remove(panels.filePath(entry));
        QDir(panels.filePath(name)).removeRecursively();
        Log::WriteError(QStringLiteral("Nie zapisano panelu %1: plik jest tylko do odczytu; panel został taki, jaki był.")
                            .arg(target),
                        ProductName(), kPlace, __LINE__);
    }
}

bool StagedDesktopSave::MoveForeignEntriesAside()
{
    for (const QString& entry : Entries(PanelsPath()))
    {
        const QString target = QDir(m_panelFolder).filePath(entry);
        if (!Exists(target) || IsOwnEntry(target))
            continue;
        QString backup;
        if (!FileBackup::MoveAside(target, backup))
            return Fail(QStringLiteral("nie można odsunąć \"%1\"").arg(QDir::toNativeSeparators(target)));
        m_movedAside << QStringLiteral("%1 → %2").arg(QDir::toNativeSeparators(target), QFileInfo(backup).fileName());
        Log::WriteWarning(QStringLiteral("\"%1\" nie był zapisem pulpitu; zachowano go jako \"%2\".").arg(target, backup),
                          ProductName(), kPlace, __LINE__);
    }
    return true;
}

void StagedDesktopSave::CarryOverWindowBackups()
{
    static const QRegularExpression backupName(QStringLiteral("\\.bak\\d*$"));
    const QDir panels(PanelsPath());
    for (const QString& entry : Entries(PanelsPath()))
    {
        const QString replaced = QDir(m_panelFolder).filePath(entry);
        if (!QFileInfo(panels.filePath(entry)).isDir() || !Exists(replaced) || !IsOwnEntry(replaced))
            continue;
        for (const QString& module : Entries(replaced))
        {
            for (const QString& file : Entries(QDir(replaced).filePath(module)))
            {
                const QFileInfo copy(QDir(QDir(replaced).filePath(module)).filePath(file));
                const QString target = QDir(panels.filePath(entry)).filePath(module + QLatin1Char('/') + file);
                if (!backupName.match(file).hasMatch() || !copy.isFile() || copy.isSymLink() || Exists(target))
                    continue;
                if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(copy.filePath(), target))
                    Log::WriteError(QStringLiteral("Nie przeniesiono kopii \"%1\" do nowego zapisu pulpitu.").arg(copy.filePath()),
                                    ProductName(), kPlace, __LINE__);
            }
        }
    }
}

QStringList StagedDesktopSave::EntriesToRetire(const QStringList& listedPanels) const
{
    const QStringList written = Entries(PanelsPath());
    QStringList retired;
    for (const QString& name : listedPanels)
    {
        if (!SafeFileName::IsSafeStem(name) || m_leftPanels.contains(name))
            continue;
        for (const QString& entry : {name + m_panelExtension, name})
        {
            const QString target = QDir(m_panelFolder).filePath(entry);
            if (!written.contains(entry) && !retired.contains(entry) && Exists(target) && IsOwnEntry(target))
                retired << entry;
        }
    }
    return retired;
}

bool StagedDesktopSave::IsOwnEntry(const QString& path) const
{
    return path.endsWith(m_panelExtension) ? PanelFolder::IsPanelFile(path, m_panelExtension)
                                           : PanelFolder::IsWindowsFolder(path, m_panelExtension);
}

bool StagedDesktopSave::WriteNote(const QStringList& retired)
{
    Settings note;
    note[kNoteFile] = QFileInfo(m_desktopPath).fileName();
    Settings& list = note[kNoteRetired];
    for (const QString& entry : retired)
        list.AddUnnamed()[kNoteName] = entry;
    if (!note.SaveToFile(QDir(m_staging).filePath(kNote), kNoteRoot))
        return Fail(QStringLiteral("nie można zapisać pliku w \"%1\"").arg(QDir::toNativeSeparators(m_staging)));
    return true;
}

void StagedDesktopSave::Undo(const std::vector<Move>& moves)
{
    QString error;
    for (auto move = moves.rbegin(); move != moves.rend(); ++move)
    {
        if (!Rename(move->to, move->from, error))
        {
            // The note stays: the next start finishes the save instead.
            m_committed = true;
            Log::WriteError(QStringLiteral("Nie cofnięto zapisu pulpitu %1: %2").arg(m_desktopPath, error), ProductName(),
                            kPlace, __LINE__);
            return;
        }
    }
}

bool StagedDesktopSave::Finish(const QString& staging, const QString& desktopPath, const QStringList& retired,
                               std::vector<Move>& moves, QString& error)
{
    const QDir panels(QDir(staging).filePath(kPanels));
    const QDir replaced(QDir(staging).filePath(kReplaced));
    const QDir panelFolder(PanelFolder::Of(desktopPath));
    if (!QDir().mkpath(replaced.path()) || !QDir().mkpath(panelFolder.path()))
    {
        error = QStringLiteral("nie można utworzyć katalogu \"%1\"").arg(QDir::toNativeSeparators(panelFolder.path()));
        return false;
    }
    const auto move = [&](const QString& from, const QString& to) {
        if (!Exists(from))
            return true;
        if (RenameHook())
            RenameHook()(static_cast<int>(moves.size()));
        if (!Rename(from, to, error))
            return false;
        moves.push_back({from, to});
        return true;
    };
    for (const QString& entry : retired)
        if (!move(panelFolder.filePath(entry), replaced.filePath(entry)))
            return false;
    for (const QString& entry : Entries(panels.path()))
    {
        // An entry still written aside has not taken its place yet: what stands there goes first.
        if (!move(panelFolder.filePath(entry), replaced.filePath(entry)) ||
            !move(panels.filePath(entry), panelFolder.filePath(entry)))
            return false;
    }
    return move(QDir(staging).filePath(kDesktop), desktopPath);
}
