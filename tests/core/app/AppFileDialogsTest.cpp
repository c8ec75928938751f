#include "core/app/AppFileDialogs.h"
#include "platform/base/AppPaths.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

class AppFileDialogsTest : public ::testing::Test
{
protected:
    AppFileDialogsTest()
    {
        TestApplication::Ensure();
        // QSettings keeps the folder it found first; every test has its own home.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.Path() + QStringLiteral("/.config"));
    }

    QString Kept(const QString& key) const
    {
        return QSettings(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4"))
            .value(AppFileDialogs::kProfileSection + QLatin1Char('/') + key)
            .toString();
    }

    TempHome home;
    ScopedFakeDialogs fakes;
    AppFileDialogs dialogs{QStringLiteral("Quorvanta 4")};
};

TEST_F(AppFileDialogsTest, AFirstDialogStartsInTheProductsFolderOfTheDocumentsWhichIsMade)
{
    QString path;
    EXPECT_FALSE(dialogs.ShowOpenDesktopFileDialog(path));
    const QString desktops = QDir(AppPaths::DocumentsFolder()).filePath(QStringLiteral("Quorvanta 4/Pulpity"));
    EXPECT_TRUE(QFileInfo(desktops).isDir());
    ASSERT_EQ(fakes.FileDialog().Requests().size(), 1u);
    const FileDialogRequest& request = fakes.FileDialog().Requests()[0];
    EXPECT_EQ(request.fileName, desktops);
    EXPECT_EQ(request.filter, QStringLiteral("Pliki stanu pulpitu (*.q4s)|*.q4s||"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("q4s"));
    // Cancelled: nothing kept.
    EXPECT_TRUE(Kept(AppFileDialogs::kLastDesktopPath).isEmpty());
}

TEST_F(AppFileDialogsTest, TheChosenFoldersAreKeptPerKindOfFile)
{
    const QString chosen = home.Path() + QStringLiteral("/wybrane");
    QDir().mkpath(chosen);
    fakes.FileDialog().SetAnswer(chosen + QStringLiteral("/wykres.q4c"));
    QString path;
    bool secondFilter = true;
    ASSERT_TRUE(dialogs.ShowSaveWindowFileDialog(QStringLiteral("Wykresy (*.q4c)|*.q4c||"), QStringLiteral(".q4c"),
                                                 QStringLiteral("wykres.q4c"), path, secondFilter));
    EXPECT_EQ(path, chosen + QStringLiteral("/wykres.q4c"));
    EXPECT_FALSE(secondFilter);
    EXPECT_EQ(Kept(AppFileDialogs::kLastObjectPath), chosen);
    EXPECT_EQ(fakes.FileDialog().Requests()[0].fileName,
              QDir(AppPaths::DocumentsFolder()).filePath(QStringLiteral("Quorvanta 4/Okna/wykres.q4c")));

    ASSERT_TRUE(dialogs.ShowOpenWindowFileDialog(QStringLiteral("Wykresy (*.q4c)|*.q4c||"), QStringLiteral(".q4c"), path));
    EXPECT_EQ(fakes.FileDialog().Requests()[1].fileName, chosen);
    // The desktops keep their own folder.
    ASSERT_TRUE(dialogs.ShowOpenDesktopFileDialog(path));
    EXPECT_TRUE(fakes.FileDialog().Requests()[2].fileName.endsWith(QStringLiteral("Quorvanta 4/Pulpity")));

    // A kept folder that is gone gives way to the default one.
    QDir(chosen).removeRecursively();
    EXPECT_TRUE(dialogs.StartFolder(AppFileDialogs::kLastObjectPath, AppFileDialogs::kWindowsFolder).endsWith(QStringLiteral("Okna")));
}

TEST_F(AppFileDialogsTest, TheSecondFilterMeansAWindowFileWithItsStyles)
{
    const QString filter = QStringLiteral("Arkusze (*.q4sOS)|*.q4sOS|Arkusze ze stylami (*.q4ssOS)|*.q4ssOS||");
    const struct
    {
        const char* answer;
        bool secondFilter;
    } cases[] = {{"/tmp/a.q4sOS", false}, {"/tmp/a.q4ssOS", true}, {"/tmp/a.txt", false}};
    for (const auto& testCase : cases)
    {
        fakes.FileDialog().SetAnswer(QString::fromUtf8(testCase.answer));
        QString path;
        bool secondFilter = !testCase.secondFilter;
        ASSERT_TRUE(dialogs.ShowSaveDesktopFileDialog(filter, QStringLiteral(".q4sOS"), path, secondFilter));
        EXPECT_EQ(secondFilter, testCase.secondFilter) << testCase.answer;
    }
}
