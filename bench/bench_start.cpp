// A process's start offscreen until its main window shows: the program's own (bare, no last session;
// this executable run again in the program's role) beside a plain Qt program that shows a main window
// with a menu and a status bar (bench_start_minimal_window), so that the program's start reads as a
// ratio of what any Qt program pays. Each start is a new process, so loading the libraries is counted;
// the child writes one byte to a pipe when its window shows, and its exit is not timed.

#include "ProgramRun.h"
#include "core/mediator/AppMediator.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
const char* const kProgramRole = "--start-program";

void TellShown(int fd)
{
    const char shown = 1;
    if (::write(fd, &shown, 1) != 1)
        ::_exit(3);
}

int RunProgram(int argc, char* argv[], int fd)
{
    QApplication application(argc, argv);
    NameProgram();
    std::unique_ptr<Quorvanta4App> app = StartUntil(MainWindowShown);
    if (!app)
        return 2;
    TellShown(fd);
    Exit(std::move(app));
    return 0;
}

// The environment of a child: offscreen, with the given folder as its home and data folder.
std::vector<std::string> ChildEnvironment(const std::string& root)
{
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "HOME=" + root, "XDG_DATA_HOME=" + root + "/data",
                                    "XDG_CONFIG_HOME=" + root + "/config", "XDG_RUNTIME_DIR=" + root, "TMPDIR=" + root};
    for (char** variable = environ; *variable; ++variable)
    {
        const std::string entry = *variable;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "QT_QPA_PLATFORM" && name != "HOME" && name.rfind("XDG_", 0) != 0 && name != "TMPDIR")
            env.push_back(entry);
    }
    return env;
}

// Starts the executable (with the role as its first argument, if any) and gives the time until its
// window showed; nothing when it did not show it or did not exit cleanly.
std::optional<std::chrono::steady_clock::duration> TimeOneStart(const std::string& executable, const char* role,
                                                                 const std::string& root)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return std::nullopt;
    std::vector<std::string> arguments = {executable};
    if (role)
        arguments.emplace_back(role);
    arguments.push_back(std::to_string(pipe[1]));
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = ChildEnvironment(root);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, executable.c_str(), nullptr, nullptr, argv.data(), envp.data());
    ::close(pipe[1]);
    char shown = 0;
    const bool told = spawned == 0 && ::read(pipe[0], &shown, 1) == 1;
    const auto elapsed = std::chrono::steady_clock::now() - started;
    ::close(pipe[0]);
    int status = 0;
    if (spawned == 0)
        ::waitpid(child, &status, 0);
    if (!told || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return elapsed;
}

// Times starts in a fresh home: each in an empty data folder, or each in the folder that an
// earlier, untimed start left (the usual start of a user who has no windows open).
void TimeStarts(benchmark::State& state, const std::string& executable, const char* role, bool firstStart)
{
    QTemporaryDir home;
    const std::string root = home.path().toStdString();
    if (!firstStart && !TimeOneStart(executable, role, root))
    {
        state.SkipWithError("the child did not show its window and exit cleanly");
        return;
    }
    for (auto _ : state)
    {
        if (firstStart)
        {
            QDir(home.path()).removeRecursively();
            QDir().mkpath(home.path());
        }
        const auto elapsed = TimeOneStart(executable, role, root);
        if (!elapsed)
        {
            state.SkipWithError("the child did not show its window and exit cleanly");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*elapsed).count());
    }
}

void BM_MinimalQtMainWindowStart(benchmark::State& state)
{
    const std::string self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().toStdString();
    TimeStarts(state, self.substr(0, self.rfind('/') + 1) + "bench_start_minimal_window", nullptr, false);
}
BENCHMARK(BM_MinimalQtMainWindowStart)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->UseManualTime();

void BM_ProgramStart(benchmark::State& state)
{
    TimeStarts(state, "/proc/self/exe", kProgramRole, state.range(0) == 0);
}
// 0: the first start, in an empty data folder; 1: a later start.
BENCHMARK(BM_ProgramStart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->UseManualTime();
}

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], kProgramRole) == 0)
    {
        int childArgc = 1;
        return RunProgram(childArgc, argv, std::stoi(argv[2]));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
