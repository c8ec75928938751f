// The program's start offscreen until its main window shows, bare (no last session) and with a
// last session of 20 module windows (quote tables, charts, transaction lists) restored until
// every window is shown. The user's data folder is a temporary one, refilled before each start.

#include "core/engine/ConsumerManager.h"
#include "ProgramRun.h"
#include "core/mediator/AppMediator.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransListCons.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
constexpr int kWindows = 20;

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench_desktop_restore";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* made = new QApplication(argc, argv);
        NameProgram();
        return made;
    }();
    return *application;
}

// A home of its own, so that the user's files are never touched.
struct Home
{
    Home()
    {
        qputenv("HOME", root.path().toUtf8());
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
        // The single-instance lock lies there too: a program the user runs is no other instance.
        qputenv("XDG_RUNTIME_DIR", root.path().toUtf8());
        qputenv("TMPDIR", root.path().toUtf8());
    }
    QString Data() const { return root.filePath(QStringLiteral("data")); }
    QTemporaryDir root;
};

int ShownModuleWindows()
{
    int shown = 0;
    for (QWidget* widget : QApplication::allWidgets())
        if (qobject_cast<ModuleWndBase*>(widget) && widget->isVisible())
            ++shown;
    return shown;
}

void CopyFolder(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
    {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            CopyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

void BM_BareStart(benchmark::State& state)
{
    Application();
    Home home;
    for (auto _ : state)
    {
        state.PauseTiming();
        QDir(home.Data()).removeRecursively();
        state.ResumeTiming();
        std::unique_ptr<Quorvanta4App> app = StartUntil(MainWindowShown);
        state.PauseTiming();
        if (!app)
        {
            state.SkipWithError("the program did not start");
            break;
        }
        Exit(std::move(app));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareStart)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RestoreDesktopOf20Windows(benchmark::State& state)
{
    Application();
    Home home;
    // The session to restore: tables, charts and transaction lists on the feed's instruments.
    {
        std::unique_ptr<Quorvanta4App> app = StartUntil(MainWindowShown);
        if (!app)
        {
            state.SkipWithError("the program did not start");
            return;
        }
        AppMediator& mediator = *AppMediator::Instance();
        QWidget* view = mediator.GetActivePanelView();
        ConsumerManager& consumers = *mediator.GetConsumerManager();
        const std::vector<Asset> assets = mediator.GetDefaultProvider()->GetAllAssets();
        for (int i = 0; i < kWindows; ++i)
        {
            const Asset& asset = assets[i % assets.size()];
            if (i % 3 == 0)
                consumers.GetTableConsumer()->ShowNewTable(view);
            else if (i % 3 == 1)
                consumers.GetChartConsumer()->OpenNewChart(view, asset, nullptr, nullptr, 0, 0);
            else
                consumers.GetTransListConsumer()->ShowNewTransList(view, &asset, 0);
        }
        while (ShownModuleWindows() < kWindows)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        Exit(std::move(app));
    }
    QTemporaryDir saved;
    CopyFolder(home.Data(), saved.path());

    for (auto _ : state)
    {
        state.PauseTiming();
        CopyFolder(saved.path(), home.Data());
        state.ResumeTiming();
        std::unique_ptr<Quorvanta4App> app =
            StartUntil([] { return MainWindowShown() && ShownModuleWindows() >= kWindows; });
        state.PauseTiming();
        if (!app)
        {
            state.SkipWithError("the program did not start");
            break;
        }
        QWidget* view = AppMediator::Instance()->GetActivePanelView();
        state.counters["windows"] = view ? view->findChildren<ModuleWndBase*>(Qt::FindDirectChildrenOnly).size() : 0;
        Exit(std::move(app));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RestoreDesktopOf20Windows)->Unit(benchmark::kMillisecond)->Iterations(5);
}
