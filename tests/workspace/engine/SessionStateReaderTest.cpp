#include "platform/settings/Settings.h"
#include "tests/workspace/engine/DesktopFixture.h"
#include "workspace/engine/SessionStateReader.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>

namespace
{
QString Fixture(const QString& relative)
{
    return QDir((TestPaths::Fixtures() + QStringLiteral("/desktop"))).filePath(relative);
}
}

class SessionStateReaderTest : public DesktopFixture
{
};

TEST_F(SessionStateReaderTest, CurrentLayoutGivesItsNodes)
{
    Settings file;
    file[QStringLiteral("Desktop")].AddUnnamed()[QStringLiteral("PanelName")] = QStringLiteral("Ekran 1");
    file[QStringLiteral("ModulesStates")][QStringLiteral("Consumers")][QStringLiteral("Value")] = QStringLiteral("nowy");
    file[QStringLiteral("Consumers")][QStringLiteral("Value")] = QStringLiteral("stary");
    const QString path = Path(QStringLiteral("Pulpit.q4s"));
    ASSERT_TRUE(file.SaveToFile(path, QStringLiteral("LastSession")));

    SessionStateReader reader;
    ASSERT_TRUE(reader.Load(path));
    ConstSettingsIterator panels = reader.GetDesktopNode().IteratorUnnamed(1);
    ASSERT_TRUE(panels.Iterate());
    EXPECT_EQ(panels.Node()[QStringLiteral("PanelName")].ToString(), QStringLiteral("Ekran 1"));
    EXPECT_TRUE(reader.GetModulesStatesNode().IsValid());
    EXPECT_EQ(reader.GetConsumersNode()[QStringLiteral("Value")].ToString(), QStringLiteral("nowy"));
}

TEST_F(SessionStateReaderTest, OlderLayoutsFindEveryNodeAtItsOldPlace)
{
    SessionStateReader version0;
    ASSERT_TRUE(version0.Load(Fixture(QStringLiteral("good/version0/Pulpit.q4s"))));
    EXPECT_TRUE(version0.GetDesktopNode().Exists(QStringLiteral("ShowHideRibbon")));
    EXPECT_FALSE(version0.GetModulesStatesNode().IsValid());
    EXPECT_EQ(version0.GetConsumersNode()[QStringLiteral("Value")].ToString(), QStringLiteral("stan konsumentów"));

    SessionStateReader withoutStates;
    ASSERT_TRUE(withoutStates.Load(Fixture(QStringLiteral("good/without-modules-states/Pulpit.q4s"))));
    EXPECT_FALSE(withoutStates.GetModulesStatesNode().IsValid());
    EXPECT_EQ(withoutStates.GetConsumersNode()[QStringLiteral("Value")].ToString(), QStringLiteral("stan z korzenia"));
    ConstSettingsIterator panels = withoutStates.GetDesktopNode().IteratorUnnamed(1);
    EXPECT_TRUE(panels.Iterate());
}

TEST_F(SessionStateReaderTest, BrokenFilesAreRefused)
{
    const QDir broken(Fixture(QStringLiteral("broken")));
    const QStringList files = broken.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files)
    {
        SessionStateReader reader;
        EXPECT_FALSE(reader.Load(broken.filePath(name))) << name.toStdString();
        EXPECT_FALSE(reader.GetModulesStatesNode().IsValid()) << name.toStdString();
        ConstSettingsIterator panels = reader.GetDesktopNode().IteratorUnnamed(1);
        EXPECT_EQ(panels.Iterate(), 0) << name.toStdString();
    }
    SessionStateReader missing;
    EXPECT_FALSE(missing.Load(Path(QStringLiteral("brak.q4s"))));
}

TEST_F(SessionStateReaderTest, ABrokenFileIsReportedOnceThoughTwoLayoutsAreTried)
{
    const QString path = Fixture(QStringLiteral("broken/not-well-formed.q4s"));
    SessionStateReader reader;
    EXPECT_FALSE(reader.Load(path));
    Log::Close();
    QFile log(Path(QStringLiteral("Log.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(log.readAll()).count(path), 1);
}
