#include "tests/app/ClassicAppFixture.h"

#include "app/ClassicEditionSetup.h"
#include "app/MediatorSettingsQ4Classic.h"
#include "app/MessagePopupsQ4Classic.h"
#include "core/app/ApplicationStylesIO.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/base/AppPaths.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsManager.h"
#include "providers/simfeed/SimClock.h"
#include "tests/support/ui/TestApplication.h"
#include "tests/support/SimSessionClock.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ClassicAppFixture::ClassicAppFixture()
{
    TestApplication::Ensure();
    // The build's own folders: "Providers" with the simulated feed, "Style" with the themes.
    AppPaths::SetExecutableFolder(TestPaths::BinFolder());
    // The feed trades whatever the hour the tests run at.
    qputenv(SimClock::kStartVariable, SessionMorning().toString(Qt::ISODate).toLatin1());
}

ClassicAppFixture::~ClassicAppFixture()
{
    if (m_app)
        Exit();
    AppPaths::SetExecutableFolder(QString());
    qunsetenv(SimClock::kStartVariable);
}

bool ClassicAppFixture::Start(const QStringList& arguments)
{
    Quorvanta4AppSetup setup = MakeClassicEditionSetup();
    m_settings = std::dynamic_pointer_cast<MediatorSettingsQ4Classic>(setup.mediator.settings);
    m_popups = std::dynamic_pointer_cast<MessagePopupsQ4Classic>(setup.mediator.popups);
    m_app = std::make_unique<Quorvanta4App>(std::move(setup), arguments);
    return m_app->InitInstance();
}

void ClassicAppFixture::Exit(bool closeWindowFirst)
{
    if (IMainFrame* frame = m_app->GetPulpitFrame(); frame && closeWindowFirst)
        frame->GetWindow()->close();
    m_app->ExitInstance();
    m_app.reset();
    m_settings.reset();
}

AppMediator& ClassicAppFixture::Mediator() const
{
    return *AppMediator::Instance();
}

MediatorSettingsQ4Classic& ClassicAppFixture::Settings() const
{
    return *m_settings;
}

QString ClassicAppFixture::LogText() const
{
    QFile file(QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("Log.txt")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString ClassicAppFixture::GlobalsPath()
{
    return GetCurrentGlobalsFilePath();
}

std::unique_ptr<::Settings> ClassicAppFixture::ReadGlobals()
{
    auto globals = std::make_unique<::Settings>();
    EXPECT_TRUE(globals->LoadFromFile(GlobalsPath(), QStringLiteral("Globals")));
    return globals;
}

void ClassicAppFixture::WriteGlobals(const std::map<QString, QString>& values)
{
    ::Settings globals;
    for (const auto& [key, value] : values)
        globals[key] = value;
    ASSERT_TRUE(globals.SaveToFile(GlobalsPath(), QStringLiteral("Globals")));
}

void ClassicAppFixture::WriteCloudAccount(const QString& address)
{
    SettingsManager store(QStringLiteral("Kelvora OnLine"));
    ::Settings& feed = *store.GetSettings(QStringLiteral("Feed"), false);
    feed[QStringLiteral("CloudAddress")] = address;
    feed[QStringLiteral("CloudLogin")] = QStringLiteral("jan");
    feed[QStringLiteral("CloudPassword")] = ::Settings::CryptValue(QStringLiteral("tajne"));
    ASSERT_TRUE(store.Save(QStringLiteral("Feed")));
}

QString ClassicAppFixture::UserStylesFolder()
{
    return ApplicationStylesIO::UserStylesFolder();
}
