#pragma once
// A temporary home with the log in it, a fake main frame and fake modules (a quote table and
// a chart), for the desktop files' suites.

#include "platform/base/Log.h"
#include "tests/support/TempHome.h"
#include "tests/workspace/engine/DesktopFakes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

class DesktopFixture : public ::testing::Test
{
protected:
    DesktopFixture()
    {
        Log::Init(home.Path() + QStringLiteral("/Log.txt"));
        modules.Add(table);
        modules.Add(chart);
    }
    ~DesktopFixture() override { Log::Close(); }

    QString Path(const QString& relative) const { return QDir(home.Path()).filePath(relative); }
    QString Folder(const QString& relative) const
    {
        QDir().mkpath(Path(relative));
        return Path(relative);
    }
    static bool Write(const QString& path, const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every file and folder under the folder, relative to it, sorted.
    static QStringList Tree(const QString& folder)
    {
        QStringList entries;
        QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << QDir(folder).relativeFilePath(it.next());
        entries.sort();
        return entries;
    }
    QString Errors() const { return QString::fromUtf8(Read(Path(QStringLiteral("LogError.txt")))); }
    QString Warnings() const { return QString::fromUtf8(Read(Path(QStringLiteral("LogWarning.txt")))); }

    TempHome home;
    FakeDesktopHost host;
    FakeModule table{host, QStringLiteral("TableModule"), QStringLiteral(".q4sTB"), QStringLiteral("Table")};
    FakeModule chart{host, QStringLiteral("ChartModule"), QStringLiteral(".q4sCH"), QStringLiteral("Chart")};
    FakeDesktopModules modules;
};
