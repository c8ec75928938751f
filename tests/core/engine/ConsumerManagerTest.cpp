#include "core/engine/ConsumerManagerQ4Classic.h"
#include "platform/settings/Settings.h"
#include "platform/ui/CmdTarget.h"
#include "tests/core/engine/PluginFolder.h"
#include "tests/core/engine/RecordingConsumers.h"
#include "tests/core/plugins/PluginEvents.h"
#include "tests/support/SettingsGroupToken.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace
{
QStringList Names(const ConsumerManager& manager)
{
    QStringList names;
    for (const ConsumerBase* consumer : manager.GetConsumers())
        names.append(consumer->GetModuleName());
    return names;
}

const QStringList kBuiltInNames = {QStringLiteral("Chart"),   QStringLiteral("Table"),          QStringLiteral("TransList"),
                                   QStringLiteral("Details"), QStringLiteral("Offers"),         QStringLiteral("FilesGenerator"),
                                   QStringLiteral("TransactionsMonitor")};
}

class ConsumerManagerTest : public ::testing::Test
{
protected:
    ConsumerManagerTest() { RecordingConsumers::Instance().Reset(); }
    ~ConsumerManagerTest() override { TakePluginEvents(); }

    ConsumerManagerQ4Classic MakeManager(ConsumerManager::Hooks hooks = {}) const
    {
        return ConsumerManagerQ4Classic(RecordingConsumers::Instance().Accessors(), std::move(hooks));
    }

    RecordingConsumers& builtIns = RecordingConsumers::Instance();
    TempHome home;
    PluginFolder folder;
};

TEST_F(ConsumerManagerTest, KeepsTheGoodFolderConsumerAndSkipsEveryOtherLibraryWithALogLine)
{
    folder.Add(QStringLiteral("Consumers"), QStringLiteral("consumer_good"));
    const QStringList skipped = {QStringLiteral("consumer_refusing"), QStringLiteral("consumer_null"),
                                 QStringLiteral("consumer_no_export"), QStringLiteral("consumer_other_version")};
    for (const QString& plugin : skipped)
        folder.Add(QStringLiteral("Consumers"), plugin);
    folder.AddFile(QStringLiteral("Consumers"), QStringLiteral("broken.so"), "no library");
    folder.AddFile(QStringLiteral("Consumers"), QStringLiteral("notes.txt"), "not a plug-in");
    ASSERT_TRUE(QFile::link(folder.Path(QStringLiteral("Consumers"), QStringLiteral("consumer_good.so")),
                            folder.Path(QStringLiteral("Consumers"), QStringLiteral("link.so"))));

    ConsumerManagerQ4Classic manager = MakeManager();
    EXPECT_TRUE(manager.Load());
    EXPECT_EQ(Names(manager), QStringList{QStringLiteral("TestModule")} + kBuiltInNames);
    EXPECT_EQ(manager.GetLibraryCount(), 1u);

    const QString log = folder.LogText();
    for (const QString& plugin : skipped + QStringList{QStringLiteral("broken")})
        EXPECT_TRUE(log.contains(QStringLiteral("Pominięto bibliotekę \"%1\"")
                                     .arg(folder.Path(QStringLiteral("Consumers"), plugin + QStringLiteral(".so")))))
            << plugin.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("moduł RefusingModule odmówił pracy")));
    EXPECT_TRUE(log.contains(QStringLiteral("to ta sama biblioteka co")));
    EXPECT_TRUE(log.contains(QStringLiteral("wersja interfejsu")));
    EXPECT_FALSE(log.contains(QStringLiteral("notes.txt")));
}

TEST_F(ConsumerManagerTest, WithoutAFolderOnlyTheBuiltInsAreThere)
{
    ConsumerManagerQ4Classic manager = MakeManager();
    EXPECT_TRUE(manager.Load());
    EXPECT_EQ(Names(manager), kBuiltInNames);
}

TEST_F(ConsumerManagerTest, BuiltInsComeInTheirOrderWithTheCommandTargetsOfTheirKinds)
{
    builtIns.details.accepted = false;
    std::map<const CmdTarget*, BuiltInConsumer> kinds;
    ConsumerManager::Hooks hooks;
    hooks.makeCmdTarget = [&kinds](BuiltInConsumer kind) {
        auto target = std::make_shared<CmdTarget>();
        kinds[target.get()] = kind;
        return target;
    };
    BuiltInConsumerAccessors accessors = builtIns.Accessors();
    accessors.offers = nullptr;
    ConsumerManagerQ4Classic manager(accessors, hooks);
    folder.Add(QStringLiteral("Consumers"), QStringLiteral("consumer_good"));
    manager.Load();

    EXPECT_EQ(Names(manager), (QStringList{QStringLiteral("TestModule"), QStringLiteral("Chart"), QStringLiteral("Table"),
                                           QStringLiteral("TransList"), QStringLiteral("FilesGenerator"),
                                           QStringLiteral("TransactionsMonitor")}));
    EXPECT_EQ(manager.GetDetailsConsumer(), nullptr);
    EXPECT_EQ(manager.GetOffersConsumer(), nullptr);
    EXPECT_EQ(manager.GetChartConsumer(), &builtIns.chart);
    EXPECT_EQ(manager.GetCmdTarget(manager.GetConsumers().front()), nullptr);
    EXPECT_EQ(kinds.at(manager.GetCmdTarget(&builtIns.chart)), BuiltInConsumer::Chart);
    EXPECT_EQ(kinds.at(manager.GetCmdTarget(&builtIns.transactionsMonitor)), BuiltInConsumer::TransactionsMonitor);
    EXPECT_EQ(manager.GetCmdTarget(&builtIns.details), nullptr);
    EXPECT_EQ(kinds.size(), 5u);
}

TEST_F(ConsumerManagerTest, SettingsGroupsAreRegisteredInTheirOrder)
{
    std::map<const GeneralSettingsGroupManagerBase*, QString> labels;
    auto token = [&labels](const char* label) {
        auto group = MakeSettingsGroupToken();
        labels[group.get()] = QString::fromLatin1(label);
        return group;
    };
    builtIns.chart.group = token("chart");
    builtIns.chart.inspector = token("inspector");
    builtIns.table.group = token("table");
    builtIns.transList.group = token("transList");
    builtIns.details.group = token("details");
    builtIns.offers.group = token("offers");
    builtIns.filesGenerator.group = token("filesGenerator");   // not a group of this edition
    builtIns.transactionsMonitor.group = token("transactionsMonitor");

    QStringList registered;
    ConsumerManager::Hooks hooks;
    hooks.addSettingsGroup = [&](const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) {
        registered.append(labels.contains(group.get()) ? labels[group.get()] : QStringLiteral("folder"));
    };
    hooks.afterTableConsumer = [&registered] { registered.append(QStringLiteral("cloud")); };
    folder.Add(QStringLiteral("Consumers"), QStringLiteral("consumer_good"));
    ConsumerManagerQ4Classic manager = MakeManager(hooks);
    manager.Load();

    EXPECT_EQ(registered, (QStringList{QStringLiteral("folder"), QStringLiteral("chart"), QStringLiteral("inspector"),
                                       QStringLiteral("table"), QStringLiteral("cloud"), QStringLiteral("transList"),
                                       QStringLiteral("transactionsMonitor"), QStringLiteral("details"),
                                       QStringLiteral("offers")}));
}

TEST_F(ConsumerManagerTest, FindsModulesByNameAndByTheEndOfTheFileName)
{
    builtIns.details.extension = QStringLiteral(".q4s");
    ConsumerManagerQ4Classic manager = MakeManager();
    manager.Load();

    EXPECT_EQ(manager.FindModuleByName(QStringLiteral("tAbLe")), &builtIns.table);
    EXPECT_EQ(manager.FindModuleByName(QStringLiteral("Tables")), nullptr);

    const struct
    {
        const char* path;
        const ConsumerBase* expected;
    } cases[] = {
        {"/home/u/notowania.q4t", &builtIns.table},
        {"/home/u/transakcje.q4tl", &builtIns.transList},        // ".q4t" is in it too: the longer wins
        {"/home/u/stare.q4tl.d/notowania.q4t", &builtIns.table},  // a folder's name decides nothing
        {"/home/u/x.q4o/pulpit.q4s", nullptr},                   // the desktop's, even when a module claims it
        {"/home/u/oferty.q4o", &builtIns.offers},
        {"/home/u/notowania.q4t.bak", nullptr},
        {"/home/u/NOTOWANIA.Q4T", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(manager.FindModuleByFileExtension(QString::fromUtf8(c.path)), c.expected) << c.path;
}

TEST_F(ConsumerManagerTest, BroadcastsAndSessionStatesReachEveryConsumerInLoadOrder)
{
    folder.Add(QStringLiteral("Consumers"), QStringLiteral("consumer_good"));
    ConsumerManagerQ4Classic manager = MakeManager();
    manager.Load();
    TakePluginEvents();

    manager.NotifyThemeChanged();
    QStringList expected;
    for (const QString& name : QStringList{QStringLiteral("TestModule")} + kBuiltInNames)
        expected.append(name + QStringLiteral(":OnThemeChanged"));
    EXPECT_EQ(TakePluginEvents(), expected);
    manager.NotifyFrameStarted(nullptr);
    EXPECT_TRUE(TakePluginEvents().isEmpty());

    Settings session;
    session[QStringLiteral("Consumers")][QStringLiteral("TestModule")][QStringLiteral("Value")] = QStringLiteral("z sesji");
    manager.UnserialiseStates(Settings::InvalidVariable());
    EXPECT_TRUE(TakePluginEvents().isEmpty());
    manager.UnserialiseStates(session[QStringLiteral("Consumers")]);
    EXPECT_EQ(TakePluginEvents(), QStringList{QStringLiteral("TestModule:UnserialisePanelState")});

    Settings saved;
    manager.SerialiseStates(saved);
    EXPECT_EQ(saved[QStringLiteral("Consumers")][QStringLiteral("TestModule")][QStringLiteral("Value")].ToString(),
              QStringLiteral("z sesji"));
    EXPECT_TRUE(saved[QStringLiteral("Consumers")].Exists(QStringLiteral("Chart")));
}
