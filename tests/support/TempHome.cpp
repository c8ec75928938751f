#include "tests/support/TempHome.h"

#include <QDir>
#include <QStandardPaths>

namespace
{
const char* const kVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"};
}

TempHome::TempHome()
{
    for (const char* name : kVariables)
        if (qEnvironmentVariableIsSet(name))
            m_saved[name] = qgetenv(name);

    const QString root = m_dir.path();
    QDir(root).mkpath(QStringLiteral(".local/share"));
    QDir(root).mkpath(QStringLiteral(".config"));
    QDir(root).mkpath(QStringLiteral(".cache"));
    QDir(root).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", root.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (root + QStringLiteral("/.cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (root + QStringLiteral("/runtime")).toLocal8Bit());
}

TempHome::~TempHome()
{
    for (const char* name : kVariables)
    {
        const auto saved = m_saved.find(name);
        if (saved != m_saved.end())
            qputenv(name, saved->second);
        else
            qunsetenv(name);
    }
}
