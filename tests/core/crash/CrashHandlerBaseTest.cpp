#include "core/crash/Quorvanta4CrashReportHandler.h"
#include "platform/base/ThreadCrashReporting.h"
#include "tests/core/crash/FakeCrashLibrary.h"
#include "tests/core/crash/RecordingCrashHost.h"

#include <gtest/gtest.h>

namespace
{
const QString kWrongVersion = QStringLiteral("Quorvanta 4|CrashHandlerBase::InstallHandler|"
                                             "Nie zainstalowano CrashReport-era z powodu złej wersji dll-ki");

class CrashHandlerBaseTest : public testing::Test
{
protected:
    void TearDown() override { ThreadCrashReporting::SetCrashReportHandler(nullptr); }

    std::shared_ptr<Quorvanta4CrashReportHandler> MakeHandler()
    {
        return std::make_shared<Quorvanta4CrashReportHandler>(host, library);
    }

    RecordingCrashHost host;
    std::shared_ptr<FakeCrashLibrary> library = std::make_shared<FakeCrashLibrary>();
};
}

TEST(CrashHandlerVersionTest, OnlyTheOneLibraryVersionPasses)
{
    struct Case
    {
        AppVersionNumber version;
        bool passes;
    };
    const Case cases[] = {
        {AppVersionNumber(1, 3, 0, 1), true},
        {AppVersionNumber(1, 3, 7, 1), true},   // the third part is not looked at
        {AppVersionNumber(1, 3, 0, 0x10001), true},   // only the low 16 bits of the fourth
        {AppVersionNumber(1, 3, 0, 2), false},
        {AppVersionNumber(1, 4, 0, 1), false},
        {AppVersionNumber(2, 3, 0, 1), false},
        {AppVersionNumber(0xFFFFFFFF, 0xFFFFFFFF, 0, 1), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CrashHandlerBase::IsSupportedLibraryVersion(c.version), c.passes) << c.version.ToString().toStdString();
}

TEST_F(CrashHandlerBaseTest, AWrongOrMissingLibraryIsLoggedAndNothingIsInstalled)
{
    const std::optional<AppVersionNumber> versions[] = {AppVersionNumber(1, 3, 0, 2), std::nullopt};
    for (const auto& version : versions)
    {
        library->version = version;
        library->calls.clear();
        host.errors.clear();
        auto handler = MakeHandler();
        EXPECT_FALSE(handler->CheckCrashLibraryVersion());
        EXPECT_FALSE(handler->InstallHandler(QStringLiteral("4.2.210.1")));
        EXPECT_EQ(host.errors, QStringList{kWrongVersion});
        EXPECT_TRUE(library->calls.isEmpty());
        EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), nullptr);
    }

    Quorvanta4CrashReportHandler withoutLibrary(host, nullptr);
    EXPECT_TRUE(withoutLibrary.CheckCrashLibraryVersion()) << "null gives the platform's own library";
}

TEST_F(CrashHandlerBaseTest, TheSubjectNamesUserAndCodeWithTheFixedVersion)
{
    auto handler = MakeHandler();
    ASSERT_TRUE(handler->InstallHandler(QStringLiteral("9.8.7.6")));
    EXPECT_EQ(library->installed.emailSubject, QStringLiteral("Quorvanta 4.h Raport błędu"));
    EXPECT_EQ(library->installed.applicationVersion, QStringLiteral("9.8.7.6"));
    handler->UninstallHandler();

    handler = MakeHandler();
    handler->SetUserData(QStringLiteral("jan"), QStringLiteral("K-17"));
    ASSERT_TRUE(handler->InstallHandler(QStringLiteral("9.8.7.6")));
    EXPECT_EQ(library->installed.emailSubject, QStringLiteral("Raport Quorvanta 4 4.2.210.1 | user:jan | code:K-17"));
    EXPECT_EQ(library->installed.user, QStringLiteral("jan"));
    EXPECT_EQ(library->installed.code, QStringLiteral("K-17"));

    // A code without a user does not make the long subject, but every report still names it.
    EXPECT_EQ(CrashHandlerBase::BuildSubject(QStringLiteral("Quorvanta 4"), QString(), QStringLiteral("K-17")),
              QStringLiteral("Quorvanta 4.h Raport błędu"));
}

TEST_F(CrashHandlerBaseTest, TheRecordCarriesNameFlagsAndDeliveryWithoutPassword)
{
    auto handler = MakeHandler();
    ASSERT_TRUE(handler->InstallHandler(QStringLiteral("4.2.210.1")));
    const CrashInstallInfo& info = library->installed;
    EXPECT_EQ(info.applicationName, QStringLiteral("Quorvanta 4"));
    EXPECT_EQ(info.flags, 0x955FFFu);
    EXPECT_EQ(info.httpPriority, -1);
    EXPECT_EQ(info.smtpPriority, 0);
    EXPECT_EQ(info.mapiPriority, -1);
    EXPECT_FALSE(info.emailTo.isEmpty());
    EXPECT_EQ(info.smtpLogin, info.emailTo);
    EXPECT_TRUE(info.restartCommandLine.isEmpty());
    EXPECT_FALSE(info.url.isEmpty());
    EXPECT_FALSE(info.privacyPolicyUrl.isEmpty());
}

TEST_F(CrashHandlerBaseTest, ASuccessfulInstallSetsTheFolderAndThenRegistersForThreads)
{
    auto handler = MakeHandler();
    ASSERT_TRUE(handler->InstallHandler(QStringLiteral("4.2.210.1")));
    EXPECT_EQ(library->calls, (QStringList{QStringLiteral("Install"), QStringLiteral("ConfigureReports(/dane,20)")}));
    EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), handler);
    EXPECT_TRUE(host.errors.isEmpty());

    handler->InstallToThread();
    handler->UninstallFromThread();
    EXPECT_EQ(library->calls.mid(2), (QStringList{QStringLiteral("InstallToThread(0)"), QStringLiteral("UninstallFromThread")}));
}

TEST_F(CrashHandlerBaseTest, AFailedInstallIsLoggedWithTheLibrarysReasonAndNotRegistered)
{
    library->installSucceeds = false;
    library->lastError = QStringLiteral("brak uprawnień");
    auto handler = MakeHandler();
    EXPECT_FALSE(handler->InstallHandler(QStringLiteral("4.2.210.1")));
    EXPECT_EQ(host.errors, QStringList{QStringLiteral("Quorvanta 4|CrashHandlerBase::InstallHandler|"
                                                      "Nie udało się zainstalować CrashReport-era z powodu: brak uprawnień")});
    EXPECT_EQ(library->calls, QStringList{QStringLiteral("Install")});
    EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), nullptr);

    // The reason is read into a buffer of 512 characters.
    host.errors.clear();
    library->lastError = QString(600, QLatin1Char('x'));
    EXPECT_FALSE(handler->InstallHandler(QStringLiteral("4.2.210.1")));
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].endsWith(QStringLiteral(": ") + QString(511, QLatin1Char('x'))));
}

TEST_F(CrashHandlerBaseTest, WithoutAReportsFolderTheInstallIsUndone)
{
    library->configureSucceeds = false;
    library->lastError = QStringLiteral("Folder raportów \"/dane\" nie istnieje.");
    auto handler = MakeHandler();
    EXPECT_FALSE(handler->InstallHandler(QStringLiteral("4.2.210.1")));
    EXPECT_EQ(library->calls, (QStringList{QStringLiteral("Install"), QStringLiteral("ConfigureReports(/dane,20)"),
                                           QStringLiteral("Uninstall")}));
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].endsWith(library->lastError));
    EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), nullptr);
}

TEST_F(CrashHandlerBaseTest, SettingUpAgainUninstallsTheOldHandlerBeforeTheNewOneRegisters)
{
    auto first = MakeHandler();
    ASSERT_TRUE(first->InstallHandler(QStringLiteral("4.2.210.1")));
    library->calls.clear();

    first->UninstallHandler();
    EXPECT_EQ(library->calls, QStringList{QStringLiteral("Uninstall")});
    EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), nullptr);

    auto second = MakeHandler();
    second->SetUserData(QStringLiteral("ewa"), QStringLiteral("7"));
    ASSERT_TRUE(second->InstallHandler(QStringLiteral("4.2.210.1")));
    EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), second);

    // The old handler asked again leaves the new installation and registration alone.
    library->calls.clear();
    first->UninstallHandler();
    EXPECT_TRUE(library->calls.isEmpty());
    EXPECT_EQ(ThreadCrashReporting::GetCrashReportHandler(), second);
}
