#include "modulelibs/filesgen/FilesGenModule.h"
#include "modulelibs/filesgen/FilesGenModuleConsumer.h"
#include "platform/modules/PluginBase.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
const QString kGolden = (TestPaths::Fixtures() + QStringLiteral("/filesgen/good"));

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FilesGeneratorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        PluginBase::Init(&m_mediator);
        m_view = std::make_unique<QWidget>();
    }
    void TearDown() override
    {
        m_view.reset();  // the window goes before the provider it follows
        Consumer()->SetWriter({});
        PluginBase::NullifyAppMediator();
    }
    static FilesGenModuleConsumer* Consumer() { return static_cast<FilesGenModuleConsumer*>(GetAppFilesGeneratorConsumer()); }

    // Steps of the market, a second apart from a fixed morning, so the files never depend on today.
    void Step(int steps)
    {
        for (int i = 0; i < steps; ++i)
            m_provider.Feed().Step(NDateTime(QDateTime(QDate(2024, 5, 6), QTime(10, 0)).addSecs(m_steps++)));
    }
    FilesGenWindow* Open(const std::vector<Asset>& assets)
    {
        EXPECT_TRUE(Consumer()->ShowFilesGeneratorDlg(m_view.get(), &assets.front(), 0));
        FilesGenWindow* window = Consumer()->Window();
        for (const Asset& asset : assets)
            window->AddAsset(asset);
        window->Generator().SetOutputFolder(Folder());
        return window;
    }
    QString Folder() const { return QDir(m_home.Path()).filePath(QStringLiteral("out/Pliki")); }

    TempHome m_home;
    SimFeedProvider m_provider;  // the default seed
    SimFeedMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
    int m_steps = 0;
};
}

TEST_F(FilesGeneratorTest, CurrentAndHistoryFilesOfAFixedSeedMatchTheGoldenFiles)
{
    const std::vector<Asset> assets{m_provider.GetAllAssets().at(0), m_provider.GetAllAssets().at(2)};
    FilesGenWindow* window = Open(assets);
    Step(120);
    window->Pump();
    EXPECT_TRUE(window->ErrorText().isEmpty()) << window->ErrorText().toStdString();

    window->Generator().SetHistoryFrom(QDateTime(QDate(2024, 4, 22), QTime(0, 0)));
    window->Generator().SetHistoryTo(QDateTime(QDate(2024, 5, 3), QTime(23, 59)));
    ASSERT_TRUE(Consumer()->IfGettingHistoryPossible());
    ASSERT_TRUE(Consumer()->GetHistoryToFiles());
    EXPECT_TRUE(Consumer()->IfStopGettingHistoryPossible());
    EXPECT_FALSE(Consumer()->IfGettingHistoryPossible()) << "one fetch at a time";
    for (std::size_t i = 0; i < assets.size(); ++i)
        window->StepHistory();
    EXPECT_FALSE(Consumer()->IfStopGettingHistoryPossible());

    const QStringList written = QDir(Folder()).entryList(QDir::Files, QDir::Name);
    const QStringList golden = QDir(kGolden).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(written, golden);
    for (const QString& name : golden)
        EXPECT_EQ(Read(QDir(Folder()).filePath(name)), Read(QDir(kGolden).filePath(name))) << name.toStdString();
}

TEST_F(FilesGeneratorTest, AFailedWriteIsShownAndLeavesTheOldFileWhole)
{
    const Asset asset = m_provider.GetAllAssets().at(0);
    const QString blocked = QDir(m_home.Path()).filePath(QStringLiteral("zwykly-plik"));
    const struct
    {
        const char* name;
        // The folder to write into, and whether the writer reports a full disk.
        QString folder;
        bool diskFull;
        QString reason;
    } cases[] = {
        {"full disk", Folder(), true, QStringLiteral("Brak miejsca na urządzeniu")},
        {"folder that cannot be made", QDir(blocked).filePath(QStringLiteral("Pliki")), false,
         QStringLiteral("Nie utworzono folderu")},
    };
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    for (const auto& c : cases)
    {
        bool diskFull = false;
        Consumer()->SetWriter([&diskFull](const QString& path, const QByteArray& content, QString* errorText) {
            if (diskFull)
            {
                *errorText = QStringLiteral("Brak miejsca na urządzeniu");
                return false;
            }
            QFile out(path);
            return out.open(QIODevice::WriteOnly) && out.write(content) == content.size();
        });
        FilesGenWindow* window = Open({asset});
        Step(30);
        window->Pump();
        const QString path = QDir(Folder()).filePath(asset.GetShortName() + QStringLiteral(".txt"));
        const QByteArray before = Read(path);
        ASSERT_FALSE(before.isEmpty()) << c.name;

        window->Generator().SetOutputFolder(c.folder);
        diskFull = c.diskFull;
        Step(30);
        window->Pump();
        EXPECT_TRUE(window->ErrorText().contains(c.reason)) << c.name << ": " << window->ErrorText().toStdString();
        EXPECT_EQ(Read(path), before) << c.name;

        // Writing again clears the error.
        window->Generator().SetOutputFolder(Folder());
        diskFull = false;
        Step(30);
        window->Pump();
        EXPECT_TRUE(window->ErrorText().isEmpty()) << c.name;
        EXPECT_NE(Read(path), before) << c.name;
        delete window;
    }
}

TEST_F(FilesGeneratorTest, AFailedHistoryWriteEndsTheFetchWithTheReason)
{
    Consumer()->SetWriter([](const QString&, const QByteArray&, QString* errorText) {
        *errorText = QStringLiteral("Brak miejsca na urządzeniu");
        return false;
    });
    FilesGenWindow* window = Open({m_provider.GetAllAssets().at(0), m_provider.GetAllAssets().at(1)});
    Step(3);
    window->Generator().SetHistoryFrom(QDateTime(QDate(2024, 4, 22), QTime(0, 0)));
    window->Generator().SetHistoryTo(QDateTime(QDate(2024, 5, 3), QTime(23, 59)));
    ASSERT_TRUE(Consumer()->GetHistoryToFiles());
    window->StepHistory();
    EXPECT_FALSE(Consumer()->IfStopGettingHistoryPossible()) << "the second instrument is not tried";
    EXPECT_TRUE(window->ErrorText().contains(QStringLiteral("Brak miejsca na urządzeniu")));
    EXPECT_EQ(m_mediator.Lines().filter(QStringLiteral("SHOW|")),
              QStringList{QStringLiteral("SHOW|Nie zapisano historii: Nie zapisano pliku \"%1\": Brak miejsca na "
                                         "urządzeniu Nie zapisano żadnego pliku.")
                              .arg(QDir::toNativeSeparators(QDir(Folder()).filePath(QStringLiteral("KLV_historia.txt"))))});
}

TEST_F(FilesGeneratorTest, AFetchTellsWhatItWroteAndWhereOrWhyItWroteNothing)
{
    const std::vector<Asset> assets{m_provider.GetAllAssets().at(0), m_provider.GetAllAssets().at(2)};
    FilesGenWindow* window = Open(assets);
    Step(60);
    const QString folder = QDir::toNativeSeparators(Folder());
    const struct
    {
        const char* name;
        QDate from;
        QDate to;
        int steps;  // -1: every instrument; else stopped after so many
        QString told;
        int files;
    } cases[] = {
        {"written", QDate(2024, 4, 22), QDate(2024, 5, 3), -1,
         QStringLiteral("Zapisano historię notowań z okresu 22.04.2024 – 03.05.2024. Zapisano 2 pliki w folderze "
                        "\"%1\": KLV_historia.txt, WHT_historia.txt.").arg(folder), 2},
        {"a weekend", QDate(2024, 5, 11), QDate(2024, 5, 12), -1,
         QStringLiteral("Nie zapisano historii: w okresie 11.05.2024 – 12.05.2024 nie było sesji."), 0},
        {"stopped", QDate(2024, 4, 22), QDate(2024, 5, 3), 1,
         QStringLiteral("Przerwano pobieranie historii. Zapisano 1 plik w folderze \"%1\": KLV_historia.txt.").arg(folder), 1},
    };
    for (const auto& c : cases)
    {
        QDir(Folder()).removeRecursively();
        const qsizetype before = m_mediator.Lines().size();
        window->Generator().SetHistoryFrom(QDateTime(c.from, QTime(0, 0)));
        window->Generator().SetHistoryTo(QDateTime(c.to, QTime(23, 59)));
        ASSERT_TRUE(Consumer()->GetHistoryToFiles()) << c.name;
        for (int step = 0; c.steps < 0 ? Consumer()->IfStopGettingHistoryPossible() : step < c.steps; ++step)
            window->StepHistory();
        if (c.steps >= 0)
            Consumer()->StopGettingHistory();
        EXPECT_EQ(m_mediator.Lines().mid(before).filter(QStringLiteral("SHOW|")),
                  QStringList{QStringLiteral("SHOW|") + c.told})
            << c.name;
        EXPECT_EQ(QDir(Folder()).entryList(QDir::Files).size(), c.files) << c.name;
    }

    // Nothing to fetch is said too, and nothing starts.
    const qsizetype before = m_mediator.Lines().size();
    Consumer()->SetAllAssetsAndAssetsGroupId({}, {});
    EXPECT_FALSE(Consumer()->GetHistoryToFiles());
    EXPECT_EQ(m_mediator.Lines().mid(before).filter(QStringLiteral("SHOW|")),
              QStringList{QStringLiteral("SHOW|Nie pobrano historii: okno nie ma instrumentów.")});
}

TEST_F(FilesGeneratorTest, WindowFilesKeepInstrumentsFolderAndLock)
{
    const std::vector<Asset> assets{m_provider.GetAllAssets().at(3), m_provider.GetAllAssets().at(1)};
    FilesGenWindow* window = Open(assets);
    window->Generator().SetColumnsLocked(true);
    Consumer()->SetAllAssetsAndAssetsGroupId({assets.begin(), assets.end()}, {{QStringLiteral("WIG20")}});
    const QString path = QDir(m_home.Path()).filePath(QStringLiteral("okno.q4fg"));
    ASSERT_TRUE(Consumer()->SaveWindowToFile(window, path, 0, false));
    const QString q5Path = QDir(m_home.Path()).filePath(QStringLiteral("okno.q5fg"));
    ASSERT_TRUE(Consumer()->SaveWindowToQ5Format(window, q5Path, 0, 0));
    EXPECT_TRUE(QString::fromUtf8(Read(q5Path)).contains(assets.front().GetShortName()));
    delete window;
    EXPECT_FALSE(Consumer()->IsWndOpened());

    ASSERT_TRUE(Consumer()->OpenWindowFromFile(m_view.get(), path, false));
    const FilesGenOutput& opened = Consumer()->Window()->Generator();
    EXPECT_EQ(opened.Assets(), assets) << "in the order they were added";
    EXPECT_EQ(opened.Groups(), (std::set<AssetsGroupId>{{QStringLiteral("WIG20")}}));
    EXPECT_EQ(opened.OutputFolder(), Folder());
    EXPECT_TRUE(opened.AreColumnsLocked());

    QFile broken(QDir(m_home.Path()).filePath(QStringLiteral("zly.q4fg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<Settings><nie");
    broken.close();
    EXPECT_FALSE(Consumer()->OpenWindowFromFile(m_view.get(), broken.fileName(), false));
    EXPECT_EQ(Consumer()->Window()->Generator().Assets(), assets) << "a bad file leaves the window as it was";
}
