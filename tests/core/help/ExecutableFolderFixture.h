#pragma once
// Points the executable's folder at a fresh temporary folder for one test, with helpers to put
// files into it.

#include "platform/base/AppPaths.h"
#include "tests/support/TestPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ExecutableFolderFixture : public testing::Test
{
protected:
    void SetUp() override { AppPaths::SetExecutableFolder(m_dir.path()); }
    void TearDown() override { AppPaths::SetExecutableFolder(QString()); }

    QString Folder() const { return m_dir.path(); }
    QString PathOf(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

    void WriteFile(const QString& relative, const QByteArray& content, bool executable = false) const
    {
        const QString path = PathOf(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (executable)
        {
            ASSERT_TRUE(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
        }
    }

    void CopyFixture(const QString& fixture, const QString& relative) const
    {
        QFile source((TestPaths::Fixtures() + QStringLiteral("/help/")) + fixture);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << fixture.toStdString();
        WriteFile(relative, source.readAll());
    }

private:
    QTemporaryDir m_dir;
};
