#include "platform/settings/Settings.h"
#include "tests/workspace/engine/DesktopFixture.h"
#include "workspace/engine/DesktopSession.h"
#include "workspace/engine/MainWndPosition.h"

#include <functional>

// The program's state files met damaged or made read-only by the user, each replaced the way
// the program replaces it: a file it cannot read is kept beside it under the backup name, and
// a read-only one is left as it is; both are logged.
class DamagedStateFilesTest : public DesktopFixture
{
protected:
    QString AppData() const { return Folder(QStringLiteral(".local/share/Quorvanta 4")); }

    void SaveSession()
    {
        host.CloseAllPanels();
        FakeScreen& screen = host.AddScreen(QStringLiteral("Notowania"));
        host.AddWindow(screen, &table, QStringLiteral("Tabela"), QStringLiteral("KGHM"));
        host.Activate(screen);
        host.sessionLoaded = true;
        session.SaveLastSession();
    }

    DesktopSession session{host, modules, AppData()};
};

TEST_F(DamagedStateFilesTest, AnUnreadableFileIsKeptAsACopyAndAReadOnlyOneIsLeft)
{
    const QString position = AppData() + QStringLiteral("/MainWndPosition.state");
    const auto savePosition = [&] { MainWndPosition::SaveWindowPosition(position, Rect{10, 20, 810, 620}, false); };
    struct File
    {
        const char* label;
        QString path;
        QString root;
        std::function<void()> save;
    };
    const File files[] = {
        {"session", session.GetLastSessionPath(), QStringLiteral("LastSession"), [this] { SaveSession(); }},
        {"panel", AppData() + QStringLiteral("/LastSession/Ekran 1.q4s"), QStringLiteral("Panel"), [this] { SaveSession(); }},
        {"window position", position, QStringLiteral("MainWnd"), savePosition},
    };
    struct Damage
    {
        const char* label;
        std::function<void(const QString& path)> apply;
        bool readOnly;
    };
    const Damage damages[] = {
        {"not a settings file", [](const QString& path) { Write(path, QByteArray("\x01\x02 to nie jest XML", 19)); }, false},
        {"cut off", [](const QString& path) { Write(path, Read(path).left(20)); }, false},
        {"another root",
         [](const QString& path) {
             Settings other;
             other[QStringLiteral("Klucz")] = QStringLiteral("wartość");
             other.SaveToFile(path, QStringLiteral("Inny"));
         },
         false},
        {"read-only", [](const QString& path) { QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup); }, true},
    };
    for (const File& file : files)
    {
        for (const Damage& damage : damages)
        {
            const std::string label = std::string(file.label) + ", " + damage.label;
            QDir(AppData()).removeRecursively();
            file.save();
            damage.apply(file.path);
            const QByteArray before = Read(file.path);

            file.save();
            const QString backup = file.path + QStringLiteral(".bak");
            if (damage.readOnly)
            {
                EXPECT_EQ(Read(file.path), before) << label;
                EXPECT_FALSE(QFileInfo::exists(backup)) << label;
                EXPECT_TRUE(Errors().contains(file.path) && Errors().contains(QStringLiteral("tylko do odczytu"))) << label;
                QFile::setPermissions(file.path, QFile::ReadOwner | QFile::WriteOwner);
                continue;
            }
            EXPECT_EQ(Read(backup), before) << label;
            EXPECT_TRUE(Warnings().contains(backup)) << label;
            Settings written;
            EXPECT_TRUE(written.LoadFromFile(file.path, file.root)) << label;

            // The copy is made once: a second save has nothing left to keep.
            file.save();
            EXPECT_FALSE(QFileInfo::exists(file.path + QStringLiteral(".bak2"))) << label;
        }
    }
}

TEST_F(DamagedStateFilesTest, AWindowPositionFileThatIsNoneIsLoggedAndTheWindowOpensMaximised)
{
    const QString path = AppData() + QStringLiteral("/MainWndPosition.state");
    Settings other;
    other[QStringLiteral("Rect")] = Rect{10, 20, 810, 620};
    ASSERT_TRUE(other.SaveToFile(path, QStringLiteral("Okno")));
    MainWndPosition position;
    position.LoadWindowPosition(path, {Rect{0, 0, 1600, 1000}});
    EXPECT_FALSE(position.HasRect());
    EXPECT_TRUE(position.IsMaximized());
    EXPECT_TRUE(Warnings().contains(path));
}
