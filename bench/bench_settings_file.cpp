// Loading and saving a settings file of about 10 MB: a large desktop of panels, each with
// the named values and unnamed lists that module windows keep.

#include "platform/settings/Settings.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{
const QString kRoot = QStringLiteral("Settings");

Settings MakeTree()
{
    Settings tree;
    for (int panel = 0; panel < 1130; ++panel)
    {
        Settings& node = tree[QStringLiteral("Ekran %1").arg(panel)];
        node.Version(2);
        for (int key = 0; key < 40; ++key)
            node[QStringLiteral("Parametr %1").arg(key)] = QStringLiteral("wartość \"%1\" <%2>").arg(key).arg(panel);
        for (int row = 0; row < 40; ++row)
        {
            Settings& item = node["Kolumny"].AddUnnamed();
            item["Szerokość"] = row * 7 - 100;
            item["Widoczna"] = row % 2 == 0;
        }
    }
    return tree;
}

struct SettingsFileFixture
{
    SettingsFileFixture() : tree(MakeTree()), path(dir.filePath(QStringLiteral("big.settings.xml")))
    {
        if (!tree.SaveToFile(path, kRoot))
            qFatal("cannot write the benchmark file");
    }

    QTemporaryDir dir;
    Settings tree;
    QString path;
};

SettingsFileFixture& Fixture()
{
    static SettingsFileFixture fixture;
    return fixture;
}

void BM_LoadSettingsFile(benchmark::State& state)
{
    SettingsFileFixture& fixture = Fixture();
    for (auto _ : state)
    {
        Settings loaded;
        if (!loaded.LoadFromFile(fixture.path, kRoot))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded);
    }
    state.counters["MB"] = double(QFileInfo(fixture.path).size()) / (1024 * 1024);
}
BENCHMARK(BM_LoadSettingsFile)->Unit(benchmark::kMillisecond);

void BM_SaveSettingsFile(benchmark::State& state)
{
    SettingsFileFixture& fixture = Fixture();
    const QString path = fixture.dir.filePath(QStringLiteral("saved.settings.xml"));
    for (auto _ : state)
    {
        if (!fixture.tree.SaveToFile(path, kRoot))
            state.SkipWithError("save failed");
    }
    state.counters["MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}
BENCHMARK(BM_SaveSettingsFile)->Unit(benchmark::kMillisecond);
}
