#include "SettingsFixture.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SettingsFixture::SettingsFixture()
{
    QDir().mkpath(ExeFolder());
    AppPaths::SetExecutableFolder(ExeFolder());
    Log::Init(home.Path() + QStringLiteral("/Log.txt"));
}

SettingsFixture::~SettingsFixture()
{
    Log::Close();
    AppPaths::SetExecutableFolder(QString());
}

QString SettingsFixture::ExeFolder() const
{
    return home.Path() + QStringLiteral("/exe");
}

QString SettingsFixture::UserFile(const QString& folder, const QString& file) const
{
    return AppPaths::AppDataFolder() + QLatin1Char('/') + folder + QLatin1Char('/') + file;
}

QString SettingsFixture::FactoryFile(const QString& folder, const QString& file) const
{
    return ExeFolder() + QStringLiteral("/InstallSettings/") + folder + QLatin1Char('/') + file;
}

void SettingsFixture::WriteNode(const QString& path, const Settings& node, const QString& root)
{
    ASSERT_TRUE(node.SaveToFile(path, root)) << path.toStdString();
}

void SettingsFixture::WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray SettingsFixture::ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<Settings> SettingsFixture::ReadNode(const QString& path, const QString& root)
{
    Settings node;
    if (!node.LoadFromFile(path, root))
        return std::nullopt;
    return node;
}

void SettingsFixture::InstallShippedFactoryFile(const QString& folder, const QString& file) const
{
    const QString source = TestPaths::InstallSettings() + QLatin1Char('/') + folder + QLatin1Char('/') + file;
    WriteBytes(FactoryFile(folder, file), ReadBytes(source));
}

void SettingsFixture::InstallSounds() const
{
    WriteBytes(ExeFolder() + QStringLiteral("/buy.wav"), "RIFF");
    WriteBytes(ExeFolder() + QStringLiteral("/sell.wav"), "RIFF");
}

QString SettingsFixture::LogText() const
{
    return QString::fromUtf8(ReadBytes(home.Path() + QStringLiteral("/Log.txt")));
}
