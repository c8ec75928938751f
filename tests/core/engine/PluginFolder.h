#pragma once
// A temporary executable folder for the loader's tests: its "Providers" and "Consumers"
// folders get copies of the test plug-ins a test names, and the log goes to a file in it.

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class PluginFolder
{
public:
    PluginFolder()
    {
        AppPaths::SetExecutableFolder(m_dir.path());
        Log::Init(m_dir.filePath(QStringLiteral("Log.txt")));
    }
    ~PluginFolder()
    {
        Log::Close();
        AppPaths::SetExecutableFolder(QString());
    }

    // Copies tests/plugins/<plugin>.so into the sub-folder.
    void Add(const QString& folder, const QString& plugin, const QString& fileName = QString())
    {
        QDir(m_dir.path()).mkpath(folder);
        const QString source = (TestPaths::TestPlugins() + QStringLiteral("/")) + plugin + QStringLiteral(".so");
        const QString target = Path(folder, fileName.isEmpty() ? plugin + QStringLiteral(".so") : fileName);
        ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString();
    }

    void AddFile(const QString& folder, const QString& fileName, const QByteArray& content)
    {
        QDir(m_dir.path()).mkpath(folder);
        QFile file(Path(folder, fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString Path(const QString& folder, const QString& fileName) const
    {
        return QDir(m_dir.filePath(folder)).filePath(fileName);
    }

    QString LogText() const
    {
        QFile file(m_dir.filePath(QStringLiteral("Log.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir m_dir;
};
