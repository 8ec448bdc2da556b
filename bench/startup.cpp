// Start-up of the game to a running event loop ("--no-splash --quit-when-idle") against a bare
// Qt Widgets window that is created, shown and closed, both as whole processes on the same
// platform, in turn. Counters: the medians of each one's wall time and peak memory, and their
// ratios (the goals: at most 2 for the time, 1.5 for the memory). The game runs from its build
// folder, with the categories, cues and banner built beside it. The xcb cases need DISPLAY
// (scripts/measure-startup.sh runs them under Xvfb).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Figures {
    double wallMs = 0;
    double peakMiB = 0;
};

Figures run(std::vector<std::string> args, const std::string& platform) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0) {
            env.push_back(entry);
        }
    }
    env.push_back("QT_QPA_PLATFORM=" + platform);
    env.push_back("SDL_AUDIODRIVER=dummy");
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto begun = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return {};
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto ended = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    return {std::chrono::duration<double, std::milli>(ended - begun).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

enum class Sound { On, Off };

// The game as a player starts it (the start jingle plays, here on SDL's dummy driver, which
// loads the sound library), or with the sound switched off, against the bare window.
void BM_StartupVsBareWindow(benchmark::State& state, const char* platform, Sound sound) {
    if (std::string(platform) == "xcb" && std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no DISPLAY: run under Xvfb for the xcb figures");
        return;
    }
    QTemporaryDir windows;
    const QString settingsPath = windows.filePath(QStringLiteral("settings.ini"));
    {
        QFile settings(settingsPath);
        if (!settings.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the settings");
            return;
        }
        settings.write(sound == Sound::On ? "[Players]\nTon=1\n" : "[Players]\nTon=0\n");
    }
    const std::vector<std::string> game{
        TRIVANTO_EXECUTABLE,          "--no-splash", "--quit-when-idle",         "--lock-dir",
        windows.path().toStdString(), "--settings",  settingsPath.toStdString(), "--windows-dir",
        windows.path().toStdString()};
    const std::vector<std::string> bare{BARE_WINDOW_EXECUTABLE};
    run(game, platform);  // warm the caches once
    run(bare, platform);
    std::vector<double> gameMs;
    std::vector<double> bareMs;
    std::vector<double> gamePeak;
    std::vector<double> barePeak;
    for (auto _ : state) {
        // In turn, so that a change of the machine's load touches both.
        const Figures g = run(game, platform);
        const Figures b = run(bare, platform);
        gameMs.push_back(g.wallMs);
        bareMs.push_back(b.wallMs);
        gamePeak.push_back(g.peakMiB);
        barePeak.push_back(b.peakMiB);
    }
    // Medians: one run disturbed by another program moves them little.
    const double game_ms = median(gameMs);
    const double bare_ms = median(bareMs);
    const double game_peak = median(gamePeak);
    const double bare_peak = median(barePeak);
    state.counters["game_ms"] = game_ms;
    state.counters["bare_ms"] = bare_ms;
    state.counters["ratio"] = bare_ms > 0 ? game_ms / bare_ms : 0;
    state.counters["game_peak_MiB"] = game_peak;
    state.counters["bare_peak_MiB"] = bare_peak;
    state.counters["peak_ratio"] = bare_peak > 0 ? game_peak / bare_peak : 0;
}
BENCHMARK_CAPTURE(BM_StartupVsBareWindow, offscreen, "offscreen", Sound::On)
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartupVsBareWindow, offscreen_sound_off, "offscreen", Sound::Off)
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartupVsBareWindow, xcb, "xcb", Sound::On)
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartupVsBareWindow, xcb_sound_off, "xcb", Sound::Off)
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

}  // namespace
