#include "platform/base/Log.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Q5SettingsTest, SavedTreeLoadsBackWithItsValuesAndOrder)
{
    QTemporaryDir dir;
    Q5Settings tree;
    Q5Settings& panel = tree["Desktop"].AddUnnamed();
    panel["PanelName"] = QStringLiteral("Ekran 1");
    panel["Active"] = true;
    tree["Desktop"].AddUnnamed()["PanelName"] = "Ekran 2";
    tree["Mode"] = 2;
    tree["Colour"] = 0xFFFFFFFFu;
    tree["BorderVal"] = 0.25;
    tree["Zażółć"] = QStringLiteral("<&>");

    const QString path = dir.filePath(QStringLiteral("desktop.q5"));
    ASSERT_TRUE(tree.SaveToFile(path, "LastSession"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<LastSession>"));

    Settings loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path, QStringLiteral("LastSession")));
    SettingsIterator panels = loaded["Desktop"].IteratorUnnamed(1);
    ASSERT_TRUE(panels.Iterate());
    EXPECT_EQ(panels.Node()["PanelName"].ToString(), QStringLiteral("Ekran 1"));
    EXPECT_TRUE(panels.Node()["Active"].ToBool());
    ASSERT_TRUE(panels.Iterate());
    EXPECT_EQ(panels.Node()["PanelName"].ToString(), QStringLiteral("Ekran 2"));
    EXPECT_EQ(loaded["Mode"].ToInt(), 2);
    EXPECT_EQ(loaded["Colour"].ToUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(loaded["BorderVal"].ToDouble(), 0.25);
    EXPECT_EQ(loaded[QStringLiteral("Zażółć")].ToString(), QStringLiteral("<&>"));
}

TEST(Q5SettingsTest, BadRootNameIsRefusedAndLogged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(Log::Init(dir.filePath(QStringLiteral("Log.txt"))));
    Q5Settings tree;
    tree["a"] = 1;
    EXPECT_FALSE(tree.SaveToFile(dir.filePath(QStringLiteral("x.q5p")), "1 Panel"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.q5p"))));
    Log::Close();
    QFile errors(dir.filePath(QStringLiteral("LogError.txt")));
    ASSERT_TRUE(errors.open(QIODevice::ReadOnly));
    EXPECT_TRUE(errors.readAll().contains("Q5Settings::SaveToFile"));
}
