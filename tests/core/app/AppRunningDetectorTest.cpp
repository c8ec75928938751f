#include "core/app/AppRunningDetector.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <gtest/gtest.h>

TEST(AppRunningDetectorTest, TheFirstHoldsTheLockUntilItEndsAndEveryLaterOneSeesItRunning)
{
    TempHome home;
    auto first = std::make_unique<AppRunningDetector>();
    EXPECT_FALSE(first->IsAppAlreadyRunning());
    EXPECT_FALSE(first->IsAppAlreadyRunning());
    AppRunningDetector second;
    EXPECT_TRUE(second.IsAppAlreadyRunning());

    first.reset();
    AppRunningDetector third;
    EXPECT_FALSE(third.IsAppAlreadyRunning());
    // The answer stays for the detector's life.
    EXPECT_TRUE(second.IsAppAlreadyRunning());
}

TEST(AppRunningDetectorTest, ALockLeftByAnInstanceThatDiedIsTakenOver)
{
    TempHome home;
    QFile stale(QDir(AppRunningDetector::RuntimeFolder()).filePath(AppRunningDetector::kMutexName + QStringLiteral(".lock")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // No process has this id.
    stale.write("2147480000\nquorvanta4\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    AppRunningDetector detector;
    EXPECT_FALSE(detector.IsAppAlreadyRunning());
}

TEST(AppRunningDetectorTest, TheLockLivesInTheUsersRuntimeFolder)
{
    TempHome home;
    EXPECT_EQ(AppRunningDetector::RuntimeFolder(), home.Path() + QStringLiteral("/runtime"));
}
