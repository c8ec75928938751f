#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/base/AppPaths.h"
#include "tests/modulelibs/table/TableTestFeed.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

namespace
{
class TablesStateLogTest : public TableFeedFixture
{
protected:
    TempHome m_home;
    TableModuleConsumer m_consumer;
};
}

TEST_F(TablesStateLogTest, LoggingWritesEveryOpenTableAndReplacesTheLastFile)
{
    const QString path = QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("TableModule/logTablesState.txt"));
    ASSERT_TRUE(m_consumer.IsLogTableStateAvailable());
    ASSERT_TRUE(m_consumer.ShowNewTable(nullptr));
    ASSERT_TRUE(m_consumer.SetTableName(QStringLiteral("Banki")));
    ASSERT_TRUE(m_consumer.LogTablesState());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString first = QString::fromUtf8(file.readAll());
    file.close();
    EXPECT_TRUE(first.startsWith(QStringLiteral("TableModule: 1 tabel\n")));
    EXPECT_TRUE(first.contains(QStringLiteral("Tabela 1 \"Banki\"")));
    const Asset firstAsset = m_consumer.CurrentTable()->Model().Instruments().front();
    EXPECT_TRUE(first.contains(QStringLiteral("%1/%2").arg(firstAsset.GetShortName(), firstAsset.GetMarket())));

    ASSERT_TRUE(m_consumer.ShowNewTable(nullptr));
    ASSERT_TRUE(m_consumer.LogTablesState());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).startsWith(QStringLiteral("TableModule: 2 tabel\n")));
}
