#include "workspace/engine/StagedPanelFolder.h"

#include "workspace/engine/PanelFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace
{
// Enough of the folder's name to recognise it; the random part makes the name unique.
constexpr qsizetype kNameLength = 64;

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

bool Exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
}

StagedPanelFolder::StagedPanelFolder(QString target, QString panelExtension)
    : m_target(std::move(target))
    , m_panelExtension(std::move(panelExtension))
{
}

StagedPanelFolder::~StagedPanelFolder()
{
    if (!m_staging.isEmpty() && Exists(m_staging))
        QDir(m_staging).removeRecursively();
}

bool StagedPanelFolder::Prepare()
{
    if (m_target.isEmpty())
        return Fail(QStringLiteral("plik pulpitu musi mieć nazwę i rozszerzenie"));
    QString reason;
    if (!PanelFolder::IsReplaceable(m_target, m_panelExtension, &reason))
        return Fail(QStringLiteral("katalog paneli \"%1\" zawiera pliki, które nie należą do pulpitu (%2)")
                        .arg(QDir::toNativeSeparators(m_target), reason));
    m_staging = MakeEmptyFolderBeside(QStringLiteral("new"));
    if (m_staging.isEmpty())
        return Fail(QStringLiteral("nie można utworzyć katalogu obok \"%1\"").arg(QDir::toNativeSeparators(m_target)));
    return true;
}

bool StagedPanelFolder::Swap()
{
    if (m_staging.isEmpty() || m_swapped)
        return Fail(QStringLiteral("brak zapisanego katalogu paneli"));
    m_replaced = Exists(m_target);
    if (m_replaced ? !Exchange(m_staging, m_target) : !Rename(m_staging, m_target))
        return false;
    // The staging path now holds the replaced folder, or nothing.
    m_swapped = true;
    return true;
}

bool StagedPanelFolder::Rollback()
{
    if (!m_swapped)
        return true;
    if (m_replaced ? !Exchange(m_staging, m_target) : !Rename(m_target, m_staging))
    {
        // The replaced folder stays where it is, under its hidden name, rather than go.
        m_staging.clear();
        return false;
    }
    m_swapped = false;
    return true;
}

bool StagedPanelFolder::Fail(const QString& text)
{
    m_error = text;
    return false;
}

bool StagedPanelFolder::Exchange(const QString& first, const QString& second)
{
    if (::renameat2(AT_FDCWD, Native(first).constData(), AT_FDCWD, Native(second).constData(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return Fail(QString::fromLocal8Bit(std::strerror(errno)));
    // A file system without the atomic exchange: three renames through an empty folder, each
    // of which can be undone.
    const QString aside = MakeEmptyFolderBeside(QStringLiteral("old"));
    if (aside.isEmpty())
        return Fail(QStringLiteral("nie można utworzyć katalogu obok \"%1\"").arg(QDir::toNativeSeparators(second)));
    if (!Rename(second, aside))
    {
        QDir().rmdir(aside);
        return false;
    }
    if (!Rename(first, second))
    {
        Rename(aside, second);
        return false;
    }
    return Rename(aside, first);
}

bool StagedPanelFolder::Rename(const QString& from, const QString& to)
{
    // rename() replaces an empty folder at the destination, which the exchange relies on.
    if (::rename(Native(from).constData(), Native(to).constData()) == 0)
        return true;
    return Fail(QStringLiteral("nie można przenieść \"%1\" do \"%2\": %3")
                    .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to),
                         QString::fromLocal8Bit(std::strerror(errno))));
}

QString StagedPanelFolder::MakeEmptyFolderBeside(const QString& tag)
{
    const QFileInfo target(m_target);
    QByteArray pattern =
        Native(target.dir().filePath(QStringLiteral(".%1.%2.XXXXXX").arg(target.fileName().left(kNameLength), tag)));
    if (::mkdtemp(pattern.data()) == nullptr)
        return {};
    return QFile::decodeName(pattern);
}
