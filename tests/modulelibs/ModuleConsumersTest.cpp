#include "modulelibs/chart/ChartModule.h"
#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/filesgen/FilesGenModule.h"
#include "modulelibs/formula/FormulaModule.h"
#include "modulelibs/multidata/MultiDataModule.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/table/TableModule.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "platform/base/Log.h"
#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/IGenericModule.h"
#include "platform/modules/KFLFasade.h"
#include "platform/modules/MultiDataConsumer.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/settings/Settings.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace
{
std::vector<ConsumerBase*> AllConsumers()
{
    return {GetChartConsumer(),  GetTableConsumer(),           GetTransListConsumer(),
            GetDetailsConsumer(), GetOffersConsumer(),          GetAppFilesGeneratorConsumer(),
            GetTransactionsMonitorConsumer(), GetMultiDataConsumer()};
}
}

TEST(ModuleConsumersTest, EachLibraryHasItsOwnNameAndWindowFileExtension)
{
    QSet<QString> names;
    QSet<QString> extensions;
    for (ConsumerBase* consumer : AllConsumers())
    {
        ASSERT_NE(consumer, nullptr);
        EXPECT_TRUE(consumer->IsAccepted());
        names.insert(consumer->GetModuleName());
        extensions.insert(consumer->GetFileExtension());
        EXPECT_TRUE(consumer->GetFileFilter().endsWith(QLatin1Char('*') + consumer->GetFileExtension()));
        EXPECT_FALSE(consumer->GetQ5ModuleName().isEmpty());
    }
    EXPECT_EQ(names.size(), 8);
    EXPECT_EQ(extensions.size(), 8);
    EXPECT_FALSE(extensions.contains(QStringLiteral(".q4s")));
    EXPECT_EQ(GetTableCons(), GetTableConsumer());
    EXPECT_EQ(GetKFLFasade()->Module()->GetModuleName(), QStringLiteral("KFL"));
}

TEST(ModuleConsumersTest, WithoutWindowsNothingOpensAndTheLogSaysWhy)
{
    TempHome home;
    const QString logPath = QDir(home.Path()).filePath(QStringLiteral("Log.txt"));
    Log::Init(logPath);
    EXPECT_FALSE(GetTableConsumer()->ShowNewTable(nullptr));
    EXPECT_FALSE(GetChartConsumer()->OpenNewChart(nullptr, Asset(), nullptr, nullptr, 0, 0));
    EXPECT_FALSE(GetDetailsConsumer()->ShowDetailsDlg(nullptr, nullptr, 0));
    EXPECT_FALSE(GetOffersConsumer()->OpenWindowFromFile(nullptr, QStringLiteral("/tmp/oferty.q4o"), false));
    EXPECT_FALSE(GetKFLFasade()->ToggleIDE(nullptr));
    EXPECT_FALSE(GetTableConsumer()->IsOpenedAtLeastOneTable());
    EXPECT_EQ(GetTableConsumer()->GetActiveTableProperties(), nullptr);
    EXPECT_EQ(GetChartConsumer()->GetActiveObjects(), nullptr);
    Log::Close();

    QFile file(logPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(log.contains(QStringLiteral("Nie otwarto okna tabeli notowań")));
    EXPECT_TRUE(log.contains(QStringLiteral("Nie otwarto okna wykresu")));
    EXPECT_TRUE(log.contains(QStringLiteral("Nie otwarto okna informacji szczegółowych")));
    EXPECT_TRUE(log.contains(QStringLiteral("\"/tmp/oferty.q4o\"")));
    EXPECT_TRUE(log.contains(QStringLiteral("Edytor formuł nie jest dostępny")));
}

TEST(ModuleConsumersTest, TheChartToolSwitchesTravelWithTheSession)
{
    ChartConsumer* chart = GetChartConsumer();
    chart->TurnOnInspector(true, nullptr);
    chart->SwitchRuler(nullptr);
    const bool ruler = chart->IsRulerOn();
    Settings node;
    chart->SerialisePanelState(node);

    chart->TurnOnInspector(false, nullptr);
    chart->SwitchRuler(nullptr);
    chart->UnserialisePanelState(Settings::InvalidVariable());
    EXPECT_FALSE(chart->IsInspectorTurnOn());
    chart->UnserialisePanelState(node);
    EXPECT_TRUE(chart->IsInspectorTurnOn());
    EXPECT_EQ(chart->IsRulerOn(), ruler);
    chart->TurnOnInspector(false, nullptr);
}

TEST(ModuleConsumersTest, StopAndShutDownEndTheWork)
{
    MultiDataConsumer* consumer = GetMultiDataConsumer();
    EXPECT_TRUE(consumer->IsRunning());
    consumer->StopWork();
    EXPECT_FALSE(consumer->IsRunning());
    consumer->ShutDown();
    EXPECT_FALSE(consumer->IsRunning());
}
