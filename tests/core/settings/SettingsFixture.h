#pragma once
// A temporary home with an executable folder of its own and an open log, with helpers to
// write and read settings files and to look at the log, for the suites of the settings groups.

#include "platform/settings/Settings.h"
#include "tests/support/TempHome.h"

#include <QString>

#include <optional>

#include <gtest/gtest.h>

class SettingsFixture : public ::testing::Test
{
protected:
    SettingsFixture();
    ~SettingsFixture() override;

    QString ExeFolder() const;
    // <application data>/<folder>/<file> and <executable>/InstallSettings/<folder>/<file>.
    QString UserFile(const QString& folder, const QString& file) const;
    QString FactoryFile(const QString& folder, const QString& file) const;

    static void WriteNode(const QString& path, const Settings& node, const QString& root);
    static void WriteBytes(const QString& path, const QByteArray& bytes);
    static QByteArray ReadBytes(const QString& path);
    // The node of the file; nothing when it does not load.
    static std::optional<Settings> ReadNode(const QString& path, const QString& root);
    // Copies one of the shipped factory files ("<folder>/<file>") into the executable folder.
    void InstallShippedFactoryFile(const QString& folder, const QString& file) const;
    // Puts "buy.wav" and "sell.wav" beside the executable.
    void InstallSounds() const;

    // Everything logged since the fixture began.
    QString LogText() const;

    TempHome home;
};
