#pragma once
// The standard edition started for one test, as main() starts it, on the simulated feed from
// the build's "Providers" folder, in a temporary home; the user's files of a run can be
// prepared before Start and read after Exit. A test may start the program several times.

#include "core/app/Quorvanta4App.h"
#include "tests/support/TempHome.h"

#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <memory>

class AppMediator;
class MediatorSettingsQ4Classic;
class MessagePopupsQ4Classic;
class Settings;

class ClassicAppFixture : public ::testing::Test
{
protected:
    ClassicAppFixture();
    ~ClassicAppFixture() override;

    // Starts the program; false when its start stopped.
    bool Start(const QStringList& arguments = {});
    // Ends the program after closing the main window as the user does, or with its window
    // still open.
    void Exit(bool closeWindowFirst = true);

    AppMediator& Mediator() const;
    MediatorSettingsQ4Classic& Settings() const;
    // The message popups of the run; they outlive it.
    MessagePopupsQ4Classic& Popups() const { return *m_popups; }
    Quorvanta4App& App() const { return *m_app; }

    QString LogText() const;
    // The user's "current_globals.xml" and what it holds.
    static QString GlobalsPath();
    static std::unique_ptr<::Settings> ReadGlobals();
    // Writes the user's globals with the keys given.
    static void WriteGlobals(const std::map<QString, QString>& values);
    static QString UserStylesFolder();
    // The built-in feed's cloud account: the server's address, login "jan", password "tajne".
    static void WriteCloudAccount(const QString& address);

    TempHome home;

private:
    std::shared_ptr<MediatorSettingsQ4Classic> m_settings;
    std::shared_ptr<MessagePopupsQ4Classic> m_popups;
    std::unique_ptr<Quorvanta4App> m_app;
};
