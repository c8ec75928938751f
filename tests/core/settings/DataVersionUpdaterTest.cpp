#include "RecordingGlobalSettingsHost.h"
#include "SettingsFixture.h"

#include "core/settings/ActualizeWndsTemplates.h"
#include "core/settings/DataVersionUpdater.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "core/settings/ModuleDefaultFiles.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

namespace
{
class DataVersionUpdaterTest : public SettingsFixture
{
protected:
    DataVersionUpdaterTest() { host.updater = std::make_shared<DataVersionUpdater>(); }

    QString Globals() const { return GetCurrentGlobalsFilePath(); }
    QString CurrentTemplate(int id) const { return GetModuleDefaultFilePath(id, ModuleDefaultFileKind::Current); }
    QString BaseTemplate(int id) const { return GetModuleDefaultFilePath(id, ModuleDefaultFileKind::Base); }

    void WriteTemplate(const QString& path, int id, const QString& objectPath, const QString& root = QString())
    {
        Settings node;
        node["TemplateObjectNodePath"] = objectPath;
        WriteNode(path, node, root.isEmpty() ? GetModuleDefaultRootName(id) : root);
    }
    // A user's template of the tables that needs repair, and its factory copy.
    void BreakTablesTemplate()
    {
        WriteTemplate(CurrentTemplate(6), 6, QString());
        WriteTemplate(BaseTemplate(6), 6, QStringLiteral("Factory"));
    }
    bool TablesTemplateRepaired() const
    {
        const std::optional<Settings> node = ReadNode(CurrentTemplate(6), QStringLiteral("Tables"));
        return node && (*node)["TemplateObjectNodePath"].ToString() == QStringLiteral("Factory");
    }

    RecordingGlobalSettingsHost host;
};
}

TEST_F(DataVersionUpdaterTest, StoredVersionDecidesWhatHappens)
{
    struct Case
    {
        std::optional<QString> stored;  // nothing: no "DataVersion" key
        bool changed;
        bool repaired;
    };
    const Case cases[] = {
        {QStringLiteral("4.2.210.1"), false, false},
        {QStringLiteral("4.1.0.0"), true, true},   // older
        {QStringLiteral("4.3.0.0"), true, true},   // newer: also a change, the program's version is stored
        {std::nullopt, false, true},               // no version: an installation
        {QStringLiteral("4.1.58.0"), false, true},
        {QStringLiteral("4.2.210"), true, true},   // malformed: normalises to empty text
        {QString(), true, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.stored ? c.stored->toStdString() : std::string("(none)"));
        BreakTablesTemplate();
        Settings globals;
        globals["PulpitTab"] = 3u;
        if (c.stored)
            globals["DataVersion"] = *c.stored;
        WriteNode(Globals(), globals, QStringLiteral("Globals"));
        const QByteArray before = ReadBytes(Globals());

        host.updater = std::make_shared<DataVersionUpdater>();
        GlobalSettingsQ4Classic settings(host);
        EXPECT_EQ(host.updater->IsVersionChanged(), c.changed);
        EXPECT_EQ(TablesTemplateRepaired(), c.repaired);
        if (c.repaired)
        {
            const Settings written = ReadNode(Globals(), QStringLiteral("Globals")).value_or(Settings());
            EXPECT_EQ(written["DataVersion"].ToString(), QStringLiteral("4.2.210.1"));
            EXPECT_EQ(written["PulpitTab"].ToUInt(), 3u);
        }
        else
        {
            EXPECT_EQ(ReadBytes(Globals()), before) << "nothing written";
        }
        EXPECT_EQ(settings.GetPulpitTabPosition(), 3u);
    }
}

TEST_F(DataVersionUpdaterTest, UnreadableGlobalsFileIsKeptWhenTheVersionIsStored)
{
    WriteBytes(Globals(), "not a settings file");
    Settings factory;
    factory["DDEConsumerFormat"] = 1u;
    WriteNode(FactoryFile(QStringLiteral("Quorvanta 4"), QStringLiteral("base_globals.xml")), factory,
              QStringLiteral("Globals"));

    GlobalSettingsQ4Classic settings(host);
    EXPECT_FALSE(host.updater->IsVersionChanged());
    EXPECT_EQ(settings.GetDDEConsumerFormat(), 1) << "the factory settings are used";
    EXPECT_EQ(ReadBytes(Globals() + QStringLiteral(".bak")), QByteArray("not a settings file"));
    EXPECT_TRUE(LogText().contains(Globals() + QStringLiteral(".bak")));
    const Settings written = ReadNode(Globals(), QStringLiteral("Globals")).value_or(Settings());
    EXPECT_EQ(written["DataVersion"].ToString(), QStringLiteral("4.2.210.1"));
    // Read at start and checked again before the copy: the damage is reported once.
    const QStringList errors = LogText().split(QLatin1Char('\n')).filter(QStringLiteral("| BŁĄD |"));
    EXPECT_EQ(errors.filter(Globals()).size(), 1) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(DataVersionUpdaterTest, TemplatesAreKeptOrReplaced)
{
    struct Case
    {
        const char* name;
        QString objectPath;
        QString root;  // empty: the module's own
        bool replaced;
    };
    const Case cases[] = {
        {"good template", QStringLiteral("Arkusz"), QString(), false},
        {"no template object", QString(), QString(), true},
        {"another root", QStringLiteral("Arkusz"), QStringLiteral("Settings"), true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        QFile::remove(CurrentTemplate(1) + QStringLiteral(".bak"));
        WriteTemplate(CurrentTemplate(1), 1, c.objectPath, c.root);
        WriteTemplate(BaseTemplate(1), 1, QStringLiteral("Factory"));
        const QByteArray before = ReadBytes(CurrentTemplate(1));

        EXPECT_TRUE(ActualizeWndsTemplates::RepairModuleTemplate(1));
        if (c.replaced)
        {
            EXPECT_EQ(ReadBytes(CurrentTemplate(1)), ReadBytes(BaseTemplate(1)));
            EXPECT_EQ(ReadBytes(CurrentTemplate(1) + QStringLiteral(".bak")), before);
        }
        else
        {
            EXPECT_EQ(ReadBytes(CurrentTemplate(1)), before);
            EXPECT_FALSE(QFileInfo::exists(CurrentTemplate(1) + QStringLiteral(".bak")));
        }
    }
}

TEST_F(DataVersionUpdaterTest, MissingFilesAreNeitherCreatedNorReplaced)
{
    WriteTemplate(BaseTemplate(2), 2, QStringLiteral("Factory"));
    EXPECT_TRUE(ActualizeWndsTemplates::RepairModuleTemplate(2));
    EXPECT_FALSE(QFileInfo::exists(CurrentTemplate(2)));

    WriteTemplate(CurrentTemplate(4), 4, QString());
    const QByteArray before = ReadBytes(CurrentTemplate(4));
    EXPECT_FALSE(ActualizeWndsTemplates::RepairModuleTemplate(4));
    EXPECT_EQ(ReadBytes(CurrentTemplate(4)), before);
    EXPECT_TRUE(LogText().contains(BaseTemplate(4)));
}

TEST_F(DataVersionUpdaterTest, TemplatesAreRepairedInModuleOrder)
{
    for (int id : {1, 2, 4, 5, 6, 7, 8})
    {
        WriteTemplate(CurrentTemplate(id), id, QString());
        WriteTemplate(BaseTemplate(id), id, QStringLiteral("Factory"));
    }
    ActualizeWndsTemplates().Update();
    const QString log = LogText();
    qsizetype previous = -1;
    for (int id : ActualizeWndsTemplates::kRepairOrder)
    {
        const qsizetype at = log.indexOf(QStringLiteral("Niepoprawny szablon ") + CurrentTemplate(id));
        EXPECT_GT(at, previous) << id;
        previous = at;
    }
}

TEST_F(DataVersionUpdaterTest, TemplateFilesByModule)
{
    EXPECT_EQ(CurrentTemplate(1), UserFile(QStringLiteral("Arkusz zlecen"), QStringLiteral("current_Default.q4sOS")));
    EXPECT_EQ(BaseTemplate(1), FactoryFile(QStringLiteral("Arkusz zlecen"), QStringLiteral("base_Default.q4sOS")));
    EXPECT_EQ(CurrentTemplate(7), UserFile(QStringLiteral("TransactionList"), QStringLiteral("current_Default.q4sTL")));
    EXPECT_EQ(BaseTemplate(8), FactoryFile(QStringLiteral("TransactionsMonitor"), QStringLiteral("base_default.q4sTM")));
    EXPECT_EQ(GetModuleDefaultRootName(8), QStringLiteral("TransactionsMonitorGeneralSettings"));
    for (int id : {0, 3, 9})
    {
        EXPECT_EQ(CurrentTemplate(id), QString()) << id;
        EXPECT_FALSE(CheckModuleDefaultFile(id)) << id;
        EXPECT_TRUE(ActualizeWndsTemplates::RepairModuleTemplate(id)) << id;
    }
}

TEST_F(DataVersionUpdaterTest, OnLineProviderSettingsAreUpgradedOnlyForTheOnLineProvider)
{
    DataVersionUpdater updater;
    Settings node;
    EXPECT_TRUE(updater.UpdateOnLineProviderSettings(node, QStringLiteral("Kelvora OnLine")));
    EXPECT_EQ(node["IPCluster2"].ToString(), QStringLiteral("127.0.0.1"));

    for (const QString& name : {QStringLiteral("kelvora online"), QStringLiteral("Inny"), QString()})
    {
        Settings other;
        EXPECT_FALSE(updater.UpdateOnLineProviderSettings(other, name)) << name.toStdString();
        EXPECT_FALSE(std::as_const(other).Exists(QStringLiteral("IPCluster2")));
        EXPECT_FALSE(updater.UpdateProviderSettings(other, name));
    }
}
